#pragma once

#include <QIcon>

namespace ui {

// The holder of the program's icon list. It is never shown; the main window takes its icon
// from here when it comes back from the tray.
class frmDisplay {
public:
    frmDisplay();

    // Icon `number` of the list; 31 is the program's own icon. The program uses no other.
    QIcon IMGIcon(int number) const;

    static constexpr int kProgramIcon = 31;

private:
    QIcon m_programIcon;
};

} // namespace ui
