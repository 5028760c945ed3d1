#include "ui/FittedLabel.h"

#include "ui/LinkLabel.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <cmath>
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

// How far a text overflows its room at some font: the larger of the width and height ratios of
// what it needs to what it has, 1 or less where it fits.
qreal overflow(QSizeF needed, QSizeF room)
{
    return std::max(needed.width() / std::max(room.width(), 1.0),
                    needed.height() / std::max(room.height(), 1.0));
}

// The whole pixel size Qt loads for `points` at `dpi`: sizes that round alike share one font
// and measure alike.
int loadedPixels(qreal points, int dpi)
{
    return qRound(std::floor(points * dpi / 72.0 * 100.0 + 0.5) / 100.0);
}

// The largest size, on the steps down from `preferred`, at which `overflowAt` is 1 or less;
// `widget` gets that font. Each size tried makes Qt load a font of that size and lay the text
// out, so the sizes are not walked one by one: the overflow tells roughly where the fitting
// size lies (a wrapped text's area, and so its overflow, grows with the square of the size), a
// step either side settles it, and a step that loads a size known to overflow is not measured.
template <typename Overflow>
void shrinkUntil(QWidget *widget, const QFont &preferred, Overflow overflowAt, bool wrapped = false)
{
    const qreal top = preferred.pointSizeF();
    const qreal smallest = smallestPointSize(widget);
    const int dpi = widget->logicalDpiY();
    QFont candidate = preferred;
    const auto pointsAt = [&](int step) { return top - step * kStep; };
    const int lowest = std::max(0, static_cast<int>(std::floor((top - smallest) / kStep + 1e-9)));
    // Every size that loads this many pixels or more is known to be too large.
    int overflowingPixels = std::numeric_limits<int>::max();
    const auto knownTooLarge = [&](int step) {
        return loadedPixels(pointsAt(step), dpi) >= overflowingPixels;
    };
    const auto tryStep = [&](int step) {
        candidate.setPointSizeF(pointsAt(step));
        const qreal over = overflowAt(candidate);
        if (over > 1.0)
            overflowingPixels = std::min(overflowingPixels, loadedPixels(pointsAt(step), dpi));
        return over;
    };
    int step = 0;
    qreal over = tryStep(0);
    while (over > 1.0 && step < lowest) {
        const qreal guess = pointsAt(step) / (wrapped ? std::sqrt(over) : over);
        step = std::clamp(static_cast<int>(std::lround((top - guess) / kStep)), step + 1, lowest);
        while (step < lowest && knownTooLarge(step))
            ++step;
        over = tryStep(step);
    }
    // A guess may overshoot; take back the steps that still fit.
    while (over <= 1.0 && step > 0 && !knownTooLarge(step - 1) && tryStep(step - 1) <= 1.0)
        --step;
    candidate.setPointSizeF(pointsAt(step));
    widget->setFont(candidate);
}

// What `text`, laid out by `flags` in `font` as `widget` resolves it, needs of `room`.
qreal textOverflow(const QWidget *widget, const QFont &font, const QRect &room, int flags,
                   const QString &text)
{
    const QFontMetrics metrics(QFont(font, widget));
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, room.width(), std::numeric_limits<int>::max() / 2), flags, text);
    return overflow(needed.size(), room.size());
}

qreal labelOverflow(const QLabel *label, const QFont &font)
{
    int flags = static_cast<int>(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    return textOverflow(label, font, label->contentsRect(), flags, label->text());
}

qreal buttonOverflow(const QPushButton *button, const QFont &font)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize needed =
        QFontMetrics(QFont(font, button)).size(Qt::TextShowMnemonic, button->text());
    return overflow(needed, room.size());
}

} // namespace

void fitLabelFont(QLabel *label, const QFont &preferred)
{
    shrinkUntil(
        label, preferred, [label](const QFont &font) { return labelOverflow(label, font); },
        label->wordWrap());
}

void fitLabelFont(LinkLabel *link, const QFont &preferred)
{
    shrinkUntil(link, preferred, [link](const QFont &font) {
        return textOverflow(link, font, link->contentsRect(), link->textFlags(), link->text());
    });
}

void fitWidgetFont(QWidget *widget, const QFont &preferred, QSize room)
{
    // A push button of fixed size: its text must fit inside its bevel, whatever the style's
    // preferred margins.
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        shrinkUntil(button, preferred,
                    [button](const QFont &font) { return buttonOverflow(button, font); });
        return;
    }
    shrinkUntil(widget, preferred, [widget, room](const QFont &font) {
        widget->setFont(font);
        return overflow(widget->sizeHint(), room);
    });
}

void fitFrameTitle(QGroupBox *frame, const QFont &preferred, int titleHeight)
{
    // The title's side margins, as the styles draw them.
    constexpr int kTitleMargins = 16;
    shrinkUntil(frame, preferred, [frame, titleHeight](const QFont &font) {
        // The style measures the caption in the frame's own font.
        frame->setFont(font);
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.rect = frame->rect();
        const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                             QStyle::SC_GroupBoxLabel, frame);
        const int width =
            QFontMetrics(QFont(font, frame)).horizontalAdvance(frame->title()) + kTitleMargins;
        return overflow(QSize(width, caption.bottom() + 1), QSize(frame->width(), titleHeight));
    });
}

bool labelTextFits(const QLabel *label)
{
    return labelOverflow(label, label->font()) <= 1.0;
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
