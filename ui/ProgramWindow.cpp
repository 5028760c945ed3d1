#include "ui/ProgramWindow.h"

#include <QScreen>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace ui {

QString programCaption()
{
    return QStringLiteral(TARVELLE_NAME) + u" v"_s + QStringLiteral(TARVELLE_VERSION);
}

void giveCloseBoxOnly(QWidget *window)
{
    const Qt::WindowFlags type = window->windowFlags() & Qt::WindowType_Mask;
    window->setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *where = window->screen();
    if (!where)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(where->availableGeometry().center());
    window->move(frame.topLeft());
}

void makeTopmost(QWidget *window)
{
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // The placement itself activates nothing, but a window shown by it comes up as any newly
    // shown window does: active, with the keyboard.
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
