#include "ui/LinkLabel.h"

#include "ui/Accessibility.h"
#include "ui/HandCursor.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace ui {

LinkLabel::LinkLabel(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    installKitAccessibility();
}

void LinkLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void LinkLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void LinkLabel::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    update();
}

int LinkLabel::textFlags() const
{
    return static_cast<int>(QStyle::visualAlignment(layoutDirection(), m_alignment))
           | (m_wordWrap ? Qt::TextWordWrap : 0);
}

bool LinkLabel::event(QEvent *event)
{
    // The hand is drawn when the pointer first comes over a link, not while the window starts.
    if (event->type() == QEvent::Enter && !m_handShown) {
        m_handShown = true;
        setCursor(pointingHandCursor());
    }
    return QWidget::event(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: Q_EMIT clicked(); return;
    default: QWidget::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.drawItemText(contentsRect(), textFlags(), palette(), isEnabled(), m_text,
                         foregroundRole());
    if (!hasFocus())
        return;
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    // Some styles draw it only after a key moved the focus; here it shows whenever Space or
    // Enter would open something.
    frame.state |= QStyle::State_KeyboardFocusChange;
    frame.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

} // namespace ui
