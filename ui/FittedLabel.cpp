#include "ui/FittedLabel.h"

#include <QFontMetrics>

#include <limits>

namespace ui {

namespace {

constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kStep = 0.25;

bool fitsWith(const QLabel *label, const QFont &font)
{
    const QRect room = label->contentsRect();
    const QFontMetrics metrics(font);
    int flags = static_cast<int>(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, room.width(), std::numeric_limits<int>::max() / 2), flags, label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace

void fitLabelFont(QLabel *label, const QFont &preferred)
{
    QFont candidate = preferred;
    while (!fitsWith(label, candidate) && candidate.pointSizeF() - kStep >= kSmallestPointSize)
        candidate.setPointSizeF(candidate.pointSizeF() - kStep);
    label->setFont(candidate);
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
