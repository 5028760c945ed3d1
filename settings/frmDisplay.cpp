#include "settings/frmDisplay.h"

#include "app/ProgramIcon.h"

namespace settings {

frmDisplay::frmDisplay() : m_programIcon(app::programIcon()) {}

QIcon frmDisplay::IMGIcon(int number) const
{
    return number == kProgramIcon ? m_programIcon : QIcon();
}

} // namespace settings
