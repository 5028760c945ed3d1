#include "app/FittedLabel.h"

#include <QFontMetrics>

#include <limits>

namespace app {

namespace {

constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kStep = 0.25;

} // namespace

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

bool FittedLabel::textFits() const
{
    return fitsWith(font());
}

void FittedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

bool FittedLabel::fitsWith(const QFont &font) const
{
    const QRect room = contentsRect();
    const QFontMetrics metrics(font);
    int flags = static_cast<int>(alignment());
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, room.width(), std::numeric_limits<int>::max() / 2), flags, text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void FittedLabel::fit()
{
    QFont candidate = m_preferred;
    while (!fitsWith(candidate) && candidate.pointSizeF() - kStep >= kSmallestPointSize)
        candidate.setPointSizeF(candidate.pointSizeF() - kStep);
    setFont(candidate);
}

} // namespace app
