#include "app/LinkLabel.h"

#include "app/HandCursor.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace app {

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(pointingHandCursor());
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

} // namespace app
