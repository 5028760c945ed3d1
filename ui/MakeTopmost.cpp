#include "ui/MakeTopmost.h"

#include <QWidget>

namespace ui {

void MakeTopmost(QWidget *window)
{
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // The placement itself activates nothing, but a window shown by it comes up as any newly
    // shown window does: active, with the keyboard.
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
