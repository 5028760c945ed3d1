#include "ui/FittedLabel.h"

#include "ui/LinkLabel.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <limits>

namespace ui {

namespace {

// The smallest text still read comfortably, in pixels: six points at 96 dots to the inch.
constexpr qreal kSmallestPixels = 8.0;
constexpr qreal kStep = 0.25;

qreal smallestPointSize(const QWidget *widget)
{
    return kSmallestPixels * 72.0 / widget->logicalDpiY();
}

template <typename Fits> void shrinkUntil(QWidget *widget, const QFont &preferred, Fits fits)
{
    QFont candidate = preferred;
    const qreal smallest = smallestPointSize(widget);
    widget->setFont(candidate);
    while (!fits(candidate) && candidate.pointSizeF() - kStep >= smallest) {
        candidate.setPointSizeF(candidate.pointSizeF() - kStep);
        widget->setFont(candidate);
    }
}

// Whether `text`, laid out by `flags`, fits `room` in `font` as `widget` resolves it.
bool textFits(const QWidget *widget, const QFont &font, const QRect &room, int flags,
              const QString &text)
{
    const QFontMetrics metrics(QFont(font, widget));
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, room.width(), std::numeric_limits<int>::max() / 2), flags, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

bool fitsWith(const QLabel *label, const QFont &font)
{
    int flags = static_cast<int>(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    return textFits(label, font, label->contentsRect(), flags, label->text());
}

} // namespace

void fitLabelFont(QLabel *label, const QFont &preferred)
{
    shrinkUntil(label, preferred, [label](const QFont &font) { return fitsWith(label, font); });
}

void fitLabelFont(LinkLabel *link, const QFont &preferred)
{
    shrinkUntil(link, preferred, [link](const QFont &font) {
        return textFits(link, font, link->contentsRect(), link->textFlags(), link->text());
    });
}

bool buttonTextFits(const QPushButton *button, const QFont &font)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize needed =
        QFontMetrics(QFont(font, button)).size(Qt::TextShowMnemonic, button->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void fitWidgetFont(QWidget *widget, const QFont &preferred, QSize room)
{
    // A push button of fixed size: its text must fit inside its bevel, whatever the style's
    // preferred margins.
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        shrinkUntil(button, preferred,
                    [button](const QFont &font) { return buttonTextFits(button, font); });
        return;
    }
    shrinkUntil(widget, preferred, [widget, room](const QFont &) {
        const QSize needed = widget->sizeHint();
        return needed.width() <= room.width() && needed.height() <= room.height();
    });
}

void fitFrameTitle(QGroupBox *frame, const QFont &preferred, int titleHeight)
{
    // The title's side margins, as the styles draw them.
    constexpr int kTitleMargins = 16;
    shrinkUntil(frame, preferred, [frame, titleHeight](const QFont &font) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.rect = frame->rect();
        const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                             QStyle::SC_GroupBoxLabel, frame);
        return caption.bottom() < titleHeight
               && QFontMetrics(QFont(font, frame)).horizontalAdvance(frame->title()) + kTitleMargins
                      <= frame->width();
    });
}

bool labelTextFits(const QLabel *label)
{
    return fitsWith(label, label->font());
}

FittedLabel::FittedLabel(const QFont &preferred, bool wrap, QWidget *parent)
    : QLabel(parent), m_preferred(preferred)
{
    setWordWrap(wrap);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(preferred);
}

void FittedLabel::setFittedText(const QString &text)
{
    setText(text);
    fit();
}

void FittedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    // A hidden label gets its resize event again when first shown; the text is fitted already.
    if (size() != m_fittedSize)
        fit();
}

void FittedLabel::fit()
{
    fitLabelFont(this, m_preferred);
    m_fittedSize = size();
}

} // namespace ui
