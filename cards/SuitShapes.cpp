#include "cards/SuitShapes.h"

#include <QPointF>
#include <QPolygonF>
#include <QTransform>

#include <array>

namespace cards {

bool isRed(Suit suit)
{
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

QColor suitColour(Suit suit)
{
    return isRed(suit) ? kRed : kBlack;
}

// Qt's path boolean operations flatten curves with a fixed tolerance in path units, which
// on shapes a few units across leaves visible facets. Working at `zoom` keeps them smooth.
QPainterPath fineUnion(const QPainterPath &a, const QPainterPath &b, qreal zoom)
{
    const QTransform up = QTransform::fromScale(zoom, zoom);
    const QTransform down = QTransform::fromScale(1.0 / zoom, 1.0 / zoom);
    return down.map(up.map(a).united(up.map(b)).simplified());
}

QPainterPath fineDifference(const QPainterPath &a, const QPainterPath &b, qreal zoom)
{
    const QTransform up = QTransform::fromScale(zoom, zoom);
    const QTransform down = QTransform::fromScale(1.0 / zoom, 1.0 / zoom);
    return down.map(up.map(a).subtracted(up.map(b)).simplified());
}

// Qt's raster engine fills straight-edged paths much faster than curved ones, so cached
// shapes are flattened once, at `zoom` times their size to stay smooth at high DPR.
QPainterPath flattened(const QPainterPath &path, qreal zoom)
{
    const QTransform down = QTransform::fromScale(1.0 / zoom, 1.0 / zoom);
    QPainterPath out;
    out.setFillRule(path.fillRule());
    for (const QPolygonF &polygon : path.toSubpathPolygons(QTransform::fromScale(zoom, zoom)))
        out.addPolygon(down.map(polygon));
    return out;
}

// ---------------------------------------------------------------------------------------
// Suit shapes. Each fills the box [-0.5, 0.5] x [-0.5, 0.5] and is stretched to the pip
// size on use; the per-suit proportions live in pipSize().

QPainterPath makeHeart()
{
    QPainterPath p;
    p.moveTo(0.0, 0.5);
    p.cubicTo(-0.10, 0.36, -0.50, 0.10, -0.50, -0.19);
    p.cubicTo(-0.50, -0.40, -0.36, -0.50, -0.245, -0.50);
    p.cubicTo(-0.11, -0.50, -0.03, -0.41, 0.0, -0.31);
    p.cubicTo(0.03, -0.41, 0.11, -0.50, 0.245, -0.50);
    p.cubicTo(0.36, -0.50, 0.50, -0.40, 0.50, -0.19);
    p.cubicTo(0.50, 0.10, 0.10, 0.36, 0.0, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath makeDiamond()
{
    // Slightly hollow sides read as a card diamond rather than a rotated square.
    QPainterPath p;
    p.moveTo(0.0, -0.5);
    p.quadTo(0.20, -0.21, 0.5, 0.0);
    p.quadTo(0.20, 0.21, 0.0, 0.5);
    p.quadTo(-0.20, 0.21, -0.5, 0.0);
    p.quadTo(-0.20, -0.21, 0.0, -0.5);
    p.closeSubpath();
    return p;
}

// Blade of the spade alone, with the cleft between its lobes; the ace frames this.
QPainterPath makeSpadeBlade()
{
    QPainterPath body;
    body.moveTo(0.0, -0.5);
    body.cubicTo(-0.10, -0.34, -0.50, -0.13, -0.50, 0.12);
    body.cubicTo(-0.50, 0.30, -0.37, 0.39, -0.25, 0.39);
    body.cubicTo(-0.13, 0.39, -0.04, 0.32, 0.0, 0.22);
    body.cubicTo(0.04, 0.32, 0.13, 0.39, 0.25, 0.39);
    body.cubicTo(0.37, 0.39, 0.50, 0.30, 0.50, 0.12);
    body.cubicTo(0.50, -0.13, 0.10, -0.34, 0.0, -0.5);
    body.closeSubpath();
    return body;
}

// Spade and club are each one outline, with no overlapping parts, so antialiasing leaves
// no seam where a stem meets a lobe.
QPainterPath makeSpade()
{
    QPainterPath p;
    p.moveTo(0.0, -0.5);
    p.cubicTo(-0.10, -0.34, -0.50, -0.13, -0.50, 0.12);
    p.cubicTo(-0.50, 0.30, -0.37, 0.39, -0.25, 0.39);
    p.cubicTo(-0.14, 0.39, -0.07, 0.34, -0.04, 0.27);
    p.cubicTo(-0.045, 0.36, -0.09, 0.46, -0.22, 0.5);
    p.lineTo(0.22, 0.5);
    p.cubicTo(0.09, 0.46, 0.045, 0.36, 0.04, 0.27);
    p.cubicTo(0.07, 0.34, 0.14, 0.39, 0.25, 0.39);
    p.cubicTo(0.37, 0.39, 0.50, 0.30, 0.50, 0.12);
    p.cubicTo(0.50, -0.13, 0.10, -0.34, 0.0, -0.5);
    p.closeSubpath();
    return p;
}

// Three lobes of radius 0.235 round (-0.265, 0.085), (0, -0.265) and (0.265, 0.085), each
// running to where it crosses the next, over a flared stem. The arcs are written out as the
// curves they come to: working them out here would take the trigonometric functions, whose
// tables are a fifth of a megabyte of memory for one shape.
QPainterPath makeClub()
{
    QPainterPath p;
    p.moveTo(-0.055, 0.1905);
    p.cubicTo(-0.0936, 0.2673, -0.1732, 0.32, -0.265, 0.32);
    p.cubicTo(-0.3948, 0.32, -0.5, 0.2148, -0.5, 0.085);
    p.cubicTo(-0.5, -0.0448, -0.3948, -0.15, -0.265, -0.15);
    p.cubicTo(-0.2422, -0.15, -0.2202, -0.1468, -0.1994, -0.1406);
    p.cubicTo(-0.2220, -0.1767, -0.235, -0.2193, -0.235, -0.265);
    p.cubicTo(-0.235, -0.3948, -0.1298, -0.5, 0.0, -0.5);
    p.cubicTo(0.1298, -0.5, 0.235, -0.3948, 0.235, -0.265);
    p.cubicTo(0.235, -0.2193, 0.2220, -0.1767, 0.1994, -0.1406);
    p.cubicTo(0.2202, -0.1468, 0.2422, -0.15, 0.265, -0.15);
    p.cubicTo(0.3948, -0.15, 0.5, -0.0448, 0.5, 0.085);
    p.cubicTo(0.5, 0.2148, 0.3948, 0.32, 0.265, 0.32);
    p.cubicTo(0.1732, 0.32, 0.0936, 0.2673, 0.055, 0.1905);
    p.cubicTo(0.035, 0.30, 0.08, 0.45, 0.22, 0.5);
    p.lineTo(-0.22, 0.5);
    p.cubicTo(-0.08, 0.45, -0.035, 0.30, -0.055, 0.1905);
    p.closeSubpath();
    return p;
}

const QPainterPath &suitPath(Suit suit)
{
    // Unit shapes are drawn up to about 70 device pixels across (the ace at DPR 2).
    constexpr qreal kZoom = 200.0;
    static const std::array<QPainterPath, 4> paths{
        flattened(makeClub(), kZoom), flattened(makeDiamond(), kZoom),
        flattened(makeHeart(), kZoom), flattened(makeSpade(), kZoom)};
    return paths[static_cast<std::size_t>(suit)];
}

// Pip box for a nominal size: diamonds are narrower, hearts a touch squatter.
QSizeF pipSize(Suit suit, qreal size)
{
    switch (suit) {
    case Suit::Clubs: return {size, size * 1.04};
    case Suit::Diamonds: return {size * 0.80, size * 1.06};
    case Suit::Hearts: return {size, size * 0.94};
    case Suit::Spades: return {size * 0.94, size * 1.06};
    }
    return {size, size};
}

} // namespace cards
