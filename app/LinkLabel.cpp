#include "app/LinkLabel.h"

#include "app/HandCursor.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace app {

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText);
}

bool LinkLabel::event(QEvent *event)
{
    // The hand is drawn when the pointer first comes over a link, not while the window starts.
    if (event->type() == QEvent::Enter && !m_handShown) {
        m_handShown = true;
        setCursor(pointingHandCursor());
    }
    return QLabel::event(event);
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
