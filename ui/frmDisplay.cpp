#include "ui/frmDisplay.h"

#include "ui/ProgramIcon.h"

namespace ui {

frmDisplay::frmDisplay() : m_programIcon(ui::programIcon()) {}

QIcon frmDisplay::IMGIcon(int number) const
{
    return number == kProgramIcon ? m_programIcon : QIcon();
}

} // namespace ui
