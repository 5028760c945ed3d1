#include "settings/MakeTopmost.h"

#include <QWidget>

namespace settings {

void MakeTopmost(QWidget *window)
{
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
}

} // namespace settings
