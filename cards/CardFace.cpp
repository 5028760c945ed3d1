#include "cards/CardFace.h"

#include "cards/CourtFigures.h"
#include "cards/SuitShapes.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QPixmap>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace cards {
namespace {

constexpr QColor kBorder{52, 52, 56};
constexpr QColor kPaper{255, 255, 255};

// `base` maps face coordinates to the device; pips are placed by rewriting the painter's
// transform rather than save()/restore(), which matters with forty of them on a face.
void fillPip(QPainter &painter, const QTransform &base, Suit suit, QPointF centre, qreal size,
             bool upsideDown, const QColor &colour)
{
    QSizeF box = pipSize(suit, size);
    // Stretch the box a little so its edges land on whole logical pixels; every pip centre
    // sits on a whole or half pixel, so this keeps straight edges and extremes crisp.
    box.setWidth(2.0 * (centre.x() - std::round(centre.x() - box.width() / 2.0)));
    box.setHeight(2.0 * (centre.y() - std::round(centre.y() - box.height() / 2.0)));
    QTransform t = base;
    t.translate(centre.x(), centre.y());
    if (upsideDown)
        t.rotate(180.0);
    t.scale(box.width(), box.height());
    painter.setTransform(t);
    painter.fillPath(suitPath(suit), colour);
}

// ---------------------------------------------------------------------------------------
// Corner index.

// The rank's glyphs are placed one by one so that "10" and "Kn" can be set tighter than the
// font would, and squeezed, to fit the narrow corner column.
struct RankLabel {
    std::vector<std::pair<QString, QPointF>> glyphs; // text and its baseline start
    qreal xScale = 1.0;
    QPainterPath drawn; // instead of the glyphs at 1x, where they cannot fit the column
};

// The rank stands centred over the small pip, a two-glyph rank squeezed to the column's width.
// On a court card the rank keeps to [2, 10), so two clear pixel columns stay between it and the
// panel, and a wider one is squeezed into that box.
constexpr qreal kIndexPipX = 6.5;
constexpr qreal kTwoGlyphScale = 0.72;
constexpr qreal kCourtIndexLeft = 2.0;
constexpr qreal kCourtIndexRight = 10.0;
constexpr qreal kIndexTop = 3.0;   // top of the rank's ink
constexpr qreal kIndexPipY = 16.0; // clear of the rank's overshoot, and above the top row
constexpr qreal kIndexPipSize = 6.0;
// A squeezed label is drawn twice, this far apart, to keep its strokes' weight.
constexpr qreal kEmbolden = 0.35;

const QFont &indexFont()
{
    static const QFont font = [] {
        QFont f(u"DejaVu Sans"_s);
        f.setStyleHint(QFont::SansSerif);
        f.setWeight(QFont::Bold);
        f.setPixelSize(11);
        f.setHintingPreference(QFont::PreferVerticalHinting);
        return f;
    }();
    return font;
}

// The Knight's "Kn" drawn on the pixel grid: no font's K and n fit the court column's eight
// pixels unsqueezed, and squeezed they blur at 1x into something that reads "uy" when turned.
// Both letters are of single-pixel strokes, the K four pixels wide and the n three, a clear
// column between them, standing on the other ranks' baseline at the height of the font's K.
QPainterPath knightRank()
{
    constexpr qreal top = kIndexTop;
    constexpr qreal base = kIndexTop + 8.0;
    constexpr qreal xTop = base - 6.0; // the n's x-height
    // A square-ended stroke is the line's rectangle. Qt's stroker would measure the corners'
    // angles with the library's trigonometry, whose tables weigh more than all the faces.
    const auto stroke = [](QPointF from, QPointF to, qreal width) {
        const QPointF along = to - from;
        const qreal length = std::sqrt(QPointF::dotProduct(along, along));
        const QPointF side = QPointF(-along.y(), along.x()) * (width / 2.0 / length);
        QPainterPath bar;
        bar.addPolygon(QPolygonF{from + side, to + side, to - side, from - side});
        bar.closeSubpath();
        return bar;
    };
    QPainterPath k;
    k.addRect(QRectF(2.0, top, 1.0, base - top));
    k = k.united(stroke({2.6, top + 5.0}, {5.9, top - 0.4}, 1.25));
    k = k.united(stroke({3.5, top + 3.6}, {5.9, base + 0.4}, 1.25));
    QPainterPath box;
    box.addRect(QRectF(2.0, top, 4.0, base - top));
    QPainterPath n;
    n.moveTo(7.0, base);
    n.lineTo(7.0, xTop);
    n.lineTo(9.0, xTop);
    n.quadTo(10.0, xTop, 10.0, xTop + 1.2);
    n.lineTo(10.0, base);
    n.lineTo(9.0, base);
    n.lineTo(9.0, xTop + 1.2);
    n.quadTo(9.0, xTop + 1.0, 8.6, xTop + 1.0);
    n.lineTo(8.0, xTop + 1.0);
    n.lineTo(8.0, base);
    n.closeSubpath();
    return flattened(k.intersected(box).united(n).simplified(), 8.0);
}

const std::array<RankLabel, 13> &rankLabels()
{
    static const std::array<RankLabel, 13> labels = [] {
        std::array<RankLabel, 13> out;
        const QFontMetricsF metrics(indexFont());
        // The Knights are named and read as Knights, so their index says "Kn".
        static constexpr std::array<const char16_t *, 13> texts{
            u"A", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10", u"K", u"Q", u"Kn"};
        constexpr qreal kGlyphGap = -0.4; // ink boxes include antialiasing; let them touch
        for (std::size_t i = 0; i < texts.size(); ++i) {
            RankLabel &label = out[i];
            const QString text = QString::fromUtf16(texts[i]);
            // Lay the glyphs' ink side by side, then fit the run into the column.
            std::vector<std::pair<QString, QRectF>> inks;
            qreal width = 0.0;
            qreal top = 0.0;
            for (const QChar ch : text) {
                const QString glyph(ch);
                const QRectF ink = metrics.tightBoundingRect(glyph);
                width += (inks.empty() ? 0.0 : kGlyphGap) + ink.width();
                top = std::min(top, ink.top());
                inks.emplace_back(glyph, ink);
            }
            const bool court = i >= static_cast<std::size_t>(Rank::King) - 1;
            qreal centre = kIndexPipX;
            if (court) {
                // Ink boxes come in whole pixels with their antialiasing, so a rank that fits
                // this room as it is stays inside the box.
                const qreal room = kCourtIndexRight - kCourtIndexLeft;
                centre = (kCourtIndexLeft + kCourtIndexRight) / 2.0;
                if (width > room) {
                    // Squeezed strokes fall between pixels, whose antialiasing reaches a little
                    // past the box; the second pass's shift is split between the two sides.
                    constexpr qreal kFringe = 0.4;
                    label.xScale = (room - kEmbolden - kFringe) / width;
                    centre -= kEmbolden / 2.0;
                }
            } else if (text.size() > 1) {
                label.xScale = kTwoGlyphScale;
            }
            // Whole-pixel baseline keeps the digits sharp at a device pixel ratio of 1.
            const qreal baseline = std::round(kIndexTop - top);
            qreal x = centre / label.xScale - width / 2.0;
            for (const auto &[glyph, ink] : inks) {
                label.glyphs.emplace_back(glyph, QPointF(x - ink.left(), baseline));
                x += ink.width() + kGlyphGap;
            }
        }
        out.back().drawn = knightRank();
        return out;
    }();
    return labels;
}

void paintIndex(QPainter &painter, const QTransform &base, Rank rank, Suit suit,
                const QColor &colour)
{
    const RankLabel &label = rankLabels()[static_cast<std::size_t>(rank) - 1];
    painter.setTransform(base);
    // From two device pixels a logical one, the squeezed glyphs are sharp and keep the font's
    // weight; below that only the drawn letters stay legible.
    const QTransform device = painter.deviceTransform();
    if (!label.drawn.isEmpty() && std::hypot(device.m11(), device.m12()) < 1.5) {
        painter.fillPath(label.drawn, colour);
    } else {
        QTransform t = base;
        t.scale(label.xScale, 1.0);
        painter.setTransform(t);
        painter.setPen(colour);
        for (const auto &[glyph, origin] : label.glyphs) {
            painter.drawText(origin, glyph);
            if (label.xScale < 1.0)
                painter.drawText(origin + QPointF(kEmbolden / label.xScale, 0.0), glyph);
        }
    }
    fillPip(painter, base, suit, QPointF(kIndexPipX, kIndexPipY), kIndexPipSize, false, colour);
}

// ---------------------------------------------------------------------------------------
// Pip layouts for Ace to Ten, in face coordinates. Pips below the centre line are turned.

// The pip field keeps clear of the corner index: its outer columns stand well in from it, so a
// pip and the index's small pip never read as a pair, and its top row starts below that small
// pip, which level with the row read as one more pip in it. That puts the outer rows a quarter
// of the height in, and the pips a size smaller, to leave the nine and ten room between rows.
constexpr qreal kLeft = 22.5;
constexpr qreal kRight = kWidth - kLeft;
constexpr qreal kTop = 24.0; // with kBottom, every row of every layout on a whole pixel
constexpr qreal kBottom = kHeight - kTop;
constexpr qreal kRow = (kBottom - kTop) / 6.0; // sixths of the pip field
constexpr qreal kPipSize = 9.5;

std::vector<QPointF> pipLayout(int rank)
{
    const qreal y0 = kTop;
    const qreal y6 = kBottom;
    const qreal y3 = kHeight / 2.0;
    const qreal y1 = kTop + kRow * 1.5; // upper centre pip of seven and eight
    const qreal y5 = kBottom - kRow * 1.5;
    const qreal q1 = kTop + (kBottom - kTop) / 3.0; // four rows for nine and ten
    const qreal q2 = kBottom - (kBottom - kTop) / 3.0;
    const qreal t1 = (kTop + q1) / 2.0; // centre pips of the ten sit between those rows
    const qreal t2 = (q2 + kBottom) / 2.0;

    switch (rank) {
    case 2: return {{kMid, y0}, {kMid, y6}};
    case 3: return {{kMid, y0}, {kMid, y3}, {kMid, y6}};
    case 4: return {{kLeft, y0}, {kRight, y0}, {kLeft, y6}, {kRight, y6}};
    case 5: return {{kLeft, y0}, {kRight, y0}, {kMid, y3}, {kLeft, y6}, {kRight, y6}};
    case 6:
        return {{kLeft, y0}, {kRight, y0}, {kLeft, y3}, {kRight, y3}, {kLeft, y6}, {kRight, y6}};
    case 7:
        return {{kLeft, y0},  {kRight, y0}, {kMid, y1},  {kLeft, y3},
                {kRight, y3}, {kLeft, y6},  {kRight, y6}};
    case 8:
        return {{kLeft, y0},  {kRight, y0}, {kMid, y1},  {kLeft, y3},
                {kRight, y3}, {kMid, y5},   {kLeft, y6}, {kRight, y6}};
    case 9:
        return {{kLeft, y0}, {kRight, y0}, {kLeft, q1}, {kRight, q1}, {kMid, y3},
                {kLeft, q2}, {kRight, q2}, {kLeft, y6}, {kRight, y6}};
    case 10:
        return {{kLeft, y0}, {kRight, y0}, {kMid, t1}, {kLeft, q1}, {kRight, q1},
                {kLeft, q2}, {kRight, q2}, {kMid, t2}, {kLeft, y6}, {kRight, y6}};
    default: return {};
    }
}

const std::array<std::vector<QPointF>, 11> &pipLayouts()
{
    static const std::array<std::vector<QPointF>, 11> layouts = [] {
        std::array<std::vector<QPointF>, 11> out;
        for (int rank = 2; rank <= 10; ++rank)
            out[static_cast<std::size_t>(rank)] = pipLayout(rank);
        return out;
    }();
    return layouts;
}

void paintPips(QPainter &painter, const QTransform &base, Rank rank, Suit suit,
               const QColor &colour)
{
    for (const QPointF &pip : pipLayouts()[static_cast<std::size_t>(rank)])
        fillPip(painter, base, suit, pip, kPipSize, pip.y() > kCentre.y() + 0.01, colour);
}

void paintAce(QPainter &painter, const QTransform &base, Suit suit, const QColor &colour)
{
    if (suit != Suit::Spades) {
        fillPip(painter, base, suit, kCentre, 28.0, false, colour);
        return;
    }
    // The ace of spades traditionally carries the deck's largest pip, here with a fine
    // white line running a constant distance inside its edge.
    struct Framed {
        QPainterPath body;
        QPainterPath line;
    };
    static const Framed spade = [] {
        const QSizeF box = pipSize(Suit::Spades, 34.0);
        QTransform t;
        t.translate(kCentre.x(), kCentre.y());
        t.scale(box.width(), box.height());
        Framed out;
        out.body = t.map(suitPath(Suit::Spades));
        // The line follows the blade only; the stem stays solid.
        const QPainterPath blade = t.map(makeSpadeBlade());
        QPainterPathStroker inset;
        inset.setWidth(5.0);
        inset.setJoinStyle(Qt::RoundJoin);
        const QPainterPath inner = fineDifference(blade, inset.createStroke(blade), 8.0);
        QPainterPathStroker thin;
        thin.setWidth(0.9);
        thin.setJoinStyle(Qt::RoundJoin);
        out.line = flattened(thin.createStroke(inner), 16.0);
        return out;
    }();
    painter.setTransform(base);
    painter.fillPath(spade.body, colour);
    painter.fillPath(spade.line, kPaper);
}

// The panel's edges sit on half pixels so its 1 px frame lands on whole pixels.
constexpr QRectF kPanel{12.5, 8.5, 46.0, 79.0};
constexpr QColor kPanelFill{255, 250, 236};

void paintCourt(QPainter &painter, const QTransform &base, Rank rank, Suit suit,
                const QColor &colour)
{
    painter.setTransform(base);
    painter.fillRect(kPanel, kPanelFill);

    const Figure &figure = courtFigure(suit, rank);
    const QRectF upperHalf(kPanel.left(), kPanel.top(), kPanel.width(), kCentre.y() - kPanel.top());
    for (const bool turned : {false, true}) {
        QTransform t = base;
        if (turned) {
            t.translate(kCentre.x(), kCentre.y());
            t.rotate(180.0);
            t.translate(-kCentre.x(), -kCentre.y());
        }
        painter.setTransform(t);
        painter.setClipRect(upperHalf);
        for (const Shape &shape : figure)
            painter.fillPath(shape.path, inkColour(shape.ink, colour));
        painter.setClipping(false);
        fillPip(painter, t, suit, QPointF(18.5, 14.5), 7.0, false, colour);
    }

    painter.setTransform(base);
    // Gold band across the middle, two pixels so it stays crisp on either side of centre.
    painter.fillRect(QRectF(kPanel.left(), kCentre.y() - 1.0, kPanel.width(), 2.0),
                     inkColour(Ink::Gold, colour));
    painter.setPen(QPen(colour, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kPanel);
}

} // namespace

void paintCardFace(QPainter &painter, const QRectF &target, int index)
{
    if (!isCardIndex(index) || target.isEmpty())
        return;
    const Suit suit = suitOf(index);
    const Rank rank = rankOf(index);
    const QColor colour = suitColour(suit);

    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    QTransform base = painter.transform();
    base.translate(target.left(), target.top());
    base.scale(target.width() / kWidth, target.height() / kHeight);
    painter.setTransform(base);

    // A 1 px pen centred half a pixel in puts the border exactly on the outer pixel ring.
    static const QPainterPath card = [] {
        QPainterPath p;
        p.addRoundedRect(QRectF(0.5, 0.5, kWidth - 1.0, kHeight - 1.0), 4.5, 4.5);
        return p;
    }();
    painter.setPen(QPen(kBorder, 1.0));
    painter.setBrush(kPaper);
    painter.drawPath(card);

    if (rank == Rank::Ace)
        paintAce(painter, base, suit, colour);
    else if (rank <= Rank::Ten)
        paintPips(painter, base, rank, suit, colour);
    else
        paintCourt(painter, base, rank, suit, colour);

    painter.setFont(indexFont());
    paintIndex(painter, base, rank, suit, colour);
    QTransform turned = base;
    turned.translate(kWidth, kHeight);
    turned.rotate(180.0);
    paintIndex(painter, turned, rank, suit, colour);

    painter.restore();
}

QPixmap renderCardFace(int index, qreal devicePixelRatio)
{
    const qreal dpr = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(qRound(kWidth * dpr), qRound(kHeight * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintCardFace(painter, QRectF(QPointF(0.0, 0.0), QSizeF(kCardFaceSize)), index);
    return pixmap;
}

} // namespace cards
