#include "ui/LinkLabel.h"

#include "ui/Accessibility.h"
#include "ui/HandCursor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace ui {

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText);
    installKitAccessibility();
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
    case Qt::Key_Space: Q_EMIT clicked(); return;
    default: QLabel::keyPressEvent(event);
    }
}

} // namespace ui

namespace ui {

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    // Some styles draw it only after a key moved the focus; here it shows whenever Space or
    // Enter would open something.
    frame.state |= QStyle::State_KeyboardFocusChange;
    frame.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

} // namespace ui
