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

} // namespace ui
