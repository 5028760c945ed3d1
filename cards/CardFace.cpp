#include "cards/CardFace.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <QPointF>
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

// Everything below is laid out on the 71 x 96 logical face. The face is point-symmetric
// about its centre, and because both sides are whole numbers a 180 degree turn maps the
// pixel grid onto itself: whatever is crisp in the top half stays crisp in the bottom.
constexpr qreal kWidth = 71.0;
constexpr qreal kHeight = 96.0;
constexpr QPointF kCentre{kWidth / 2.0, kHeight / 2.0};

enum class Suit { Clubs, Diamonds, Hearts, Spades };

enum Rank { Ace = 1, Ten = 10, King = 11, Queen = 12, Knight = 13 };

constexpr QColor kRed{200, 16, 46};
constexpr QColor kBlack{24, 24, 24};
constexpr QColor kBorder{52, 52, 56};
constexpr QColor kPaper{255, 255, 255};

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

// Angle of `p` seen from `centre`, in QPainterPath::arcTo's degrees.
qreal angleOf(QPointF centre, QPointF p)
{
    return std::atan2(centre.y() - p.y(), p.x() - centre.x()) * 180.0 / std::numbers::pi;
}

// Clockwise (on screen) arc of the circle at `centre` from `from` to `to`.
void arcClockwise(QPainterPath &p, QPointF centre, qreal r, QPointF from, QPointF to)
{
    const qreal start = angleOf(centre, from);
    qreal sweep = angleOf(centre, to) - start;
    while (sweep > 0.0)
        sweep -= 360.0;
    p.arcTo(QRectF(centre.x() - r, centre.y() - r, 2.0 * r, 2.0 * r), start, sweep);
}

// Where two circles of radius r cross, taking the crossing farther from `away`.
QPointF crossing(QPointF a, QPointF b, qreal r, QPointF away)
{
    const QPointF mid = (a + b) / 2.0;
    const QPointF d = b - a;
    const qreal len = std::hypot(d.x(), d.y());
    const qreal h = std::sqrt(std::max(0.0, r * r - len * len / 4.0));
    const QPointF n(-d.y() / len * h, d.x() / len * h);
    const QPointF p1 = mid + n;
    const QPointF p2 = mid - n;
    const auto dist = [away](QPointF q) { return std::hypot(q.x() - away.x(), q.y() - away.y()); };
    return dist(p1) > dist(p2) ? p1 : p2;
}

QPainterPath makeClub()
{
    constexpr qreal r = 0.235;
    const QPointF top(0.0, -0.265);
    const QPointF left(-0.265, 0.085);
    const QPointF right(0.265, 0.085);
    const QPointF origin(0.0, 0.0);
    const QPointF topLeft = crossing(top, left, r, origin);
    const QPointF topRight = crossing(top, right, r, origin);
    // The stem leaves each side lobe low on its inner side.
    constexpr qreal stemX = 0.055;
    const qreal stemY = left.y() + std::sqrt(r * r - std::pow(left.x() + stemX, 2));
    const QPointF stemLeft(-stemX, stemY);
    const QPointF stemRight(stemX, stemY);

    QPainterPath p;
    p.moveTo(stemLeft);
    arcClockwise(p, left, r, stemLeft, topLeft);
    arcClockwise(p, top, r, topLeft, topRight);
    arcClockwise(p, right, r, topRight, stemRight);
    p.cubicTo(0.035, 0.30, 0.08, 0.45, 0.22, 0.5);
    p.lineTo(-0.22, 0.5);
    p.cubicTo(-0.08, 0.45, -0.035, 0.30, -stemX, stemY);
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
    case Suit::Clubs:
        return {size, size * 1.04};
    case Suit::Diamonds:
        return {size * 0.80, size * 1.06};
    case Suit::Hearts:
        return {size, size * 0.94};
    case Suit::Spades:
        return {size * 0.94, size * 1.06};
    }
    return {size, size};
}

// `base` maps face coordinates to the device; pips are placed by rewriting the painter's
// transform rather than save()/restore(), which matters with forty of them on a face.
void fillPip(QPainter &painter, const QTransform &base, Suit suit, QPointF centre,
             qreal size, bool upsideDown, const QColor &colour)
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

// The rank's glyphs are placed one by one so that "10" can be set tighter than the font
// would, and squeezed a little, to fit the narrow corner column.
struct RankLabel {
    std::vector<std::pair<QString, QPointF>> glyphs; // text and its baseline start
    qreal xScale = 1.0;
};

constexpr qreal kIndexColumn = 6.5; // centre of the corner column
constexpr qreal kIndexTop = 3.0;    // top of the rank's ink
constexpr qreal kIndexPipY = 17.5;
constexpr qreal kIndexPipSize = 7.0;

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

const std::array<RankLabel, 13> &rankLabels()
{
    static const std::array<RankLabel, 13> labels = [] {
        std::array<RankLabel, 13> out;
        const QFontMetricsF metrics(indexFont());
        static constexpr std::array<const char16_t *, 13> texts{
            u"A", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10", u"K", u"Q", u"J"};
        constexpr qreal kTenGap = -0.4; // ink boxes include antialiasing; let them touch
        for (std::size_t i = 0; i < texts.size(); ++i) {
            RankLabel &label = out[i];
            const QString text = QString::fromUtf16(texts[i]);
            label.xScale = text.size() > 1 ? 0.72 : 1.0;
            // Lay the glyphs' ink side by side, then centre the run on the column.
            std::vector<std::pair<QString, QRectF>> inks;
            qreal width = 0.0;
            qreal top = 0.0;
            for (const QChar ch : text) {
                const QString glyph(ch);
                const QRectF ink = metrics.tightBoundingRect(glyph);
                width += (inks.empty() ? 0.0 : kTenGap) + ink.width();
                top = std::min(top, ink.top());
                inks.emplace_back(glyph, ink);
            }
            // Whole-pixel baseline keeps the digits sharp at a device pixel ratio of 1.
            const qreal baseline = std::round(kIndexTop - top);
            qreal x = kIndexColumn / label.xScale - width / 2.0;
            for (const auto &[glyph, ink] : inks) {
                label.glyphs.emplace_back(glyph, QPointF(x - ink.left(), baseline));
                x += ink.width() + kTenGap;
            }
        }
        return out;
    }();
    return labels;
}

void paintIndex(QPainter &painter, const QTransform &base, int rank, Suit suit,
                const QColor &colour)
{
    const RankLabel &label = rankLabels()[static_cast<std::size_t>(rank - 1)];
    QTransform t = base;
    t.scale(label.xScale, 1.0);
    painter.setTransform(t);
    painter.setPen(colour);
    for (const auto &[glyph, origin] : label.glyphs) {
        painter.drawText(origin, glyph);
        // Squeezing thins the strokes; a second pass a fraction to the right restores them.
        if (label.xScale < 1.0)
            painter.drawText(origin + QPointF(0.35 / label.xScale, 0.0), glyph);
    }
    fillPip(painter, base, suit, QPointF(kIndexColumn, kIndexPipY), kIndexPipSize, false,
            colour);
}

// ---------------------------------------------------------------------------------------
// Pip layouts for Ace to Ten, in face coordinates. Pips below the centre line are turned.

// The pip field keeps clear of the corner index, as on printed cards: the outer columns stand
// well in from it and the first row starts below its small pip, so the two never read as a
// pair.
constexpr qreal kLeft = 22.5;
constexpr qreal kMid = kWidth / 2.0;
constexpr qreal kRight = kWidth - kLeft;
constexpr qreal kTop = 24.0; // with kBottom, every row of every layout on a whole pixel
constexpr qreal kBottom = kHeight - kTop;
constexpr qreal kRow = (kBottom - kTop) / 6.0; // sixths of the pip field
constexpr qreal kPipSize = 10.5;

std::vector<QPointF> pipLayout(int rank)
{
    const qreal y0 = kTop;
    const qreal y6 = kBottom;
    const qreal y3 = kHeight / 2.0;
    const qreal y1 = kTop + kRow * 1.5;   // upper centre pip of seven and eight
    const qreal y5 = kBottom - kRow * 1.5;
    const qreal q1 = kTop + (kBottom - kTop) / 3.0; // four rows for nine and ten
    const qreal q2 = kBottom - (kBottom - kTop) / 3.0;
    const qreal t1 = (kTop + q1) / 2.0; // centre pips of the ten sit between those rows
    const qreal t2 = (q2 + kBottom) / 2.0;

    switch (rank) {
    case 2:
        return {{kMid, y0}, {kMid, y6}};
    case 3:
        return {{kMid, y0}, {kMid, y3}, {kMid, y6}};
    case 4:
        return {{kLeft, y0}, {kRight, y0}, {kLeft, y6}, {kRight, y6}};
    case 5:
        return {{kLeft, y0}, {kRight, y0}, {kMid, y3}, {kLeft, y6}, {kRight, y6}};
    case 6:
        return {{kLeft, y0}, {kRight, y0}, {kLeft, y3}, {kRight, y3}, {kLeft, y6}, {kRight, y6}};
    case 7:
        return {{kLeft, y0}, {kRight, y0}, {kMid, y1}, {kLeft, y3},
                {kRight, y3}, {kLeft, y6}, {kRight, y6}};
    case 8:
        return {{kLeft, y0}, {kRight, y0}, {kMid, y1}, {kLeft, y3},
                {kRight, y3}, {kMid, y5}, {kLeft, y6}, {kRight, y6}};
    case 9:
        return {{kLeft, y0}, {kRight, y0}, {kLeft, q1}, {kRight, q1}, {kMid, y3},
                {kLeft, q2}, {kRight, q2}, {kLeft, y6}, {kRight, y6}};
    case 10:
        return {{kLeft, y0}, {kRight, y0}, {kMid, t1}, {kLeft, q1}, {kRight, q1},
                {kLeft, q2}, {kRight, q2}, {kMid, t2}, {kLeft, y6}, {kRight, y6}};
    default:
        return {};
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

void paintPips(QPainter &painter, const QTransform &base, int rank, Suit suit,
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

// ---------------------------------------------------------------------------------------
// Court figures. Each is the upper half of a panel, drawn once as a list of outlined shapes
// in face coordinates and replayed twice (the second time turned) on every court card.

enum class Ink : unsigned char {
    None,
    Suit,
    Gold,
    GoldDark,
    Skin,
    SkinShade,
    Hair,
    Beard,
    Blonde,
    Blue,
    White,
    Line,
    Rose,
    Cheek,
    Leaf,
    Steel,
    Wood,
};

QColor inkColour(Ink ink, const QColor &suit)
{
    switch (ink) {
    case Ink::None:
        return Qt::transparent;
    case Ink::Suit:
        return suit;
    case Ink::Gold:
        return {236, 178, 40};
    case Ink::GoldDark:
        return {140, 92, 12};
    case Ink::Skin:
        return {250, 220, 188};
    case Ink::SkinShade:
        return {196, 130, 100};
    case Ink::Hair:
        return {92, 56, 28};
    case Ink::Beard:
        return {150, 102, 58};
    case Ink::Blonde:
        return {226, 160, 52};
    case Ink::Blue:
        return {40, 82, 168};
    case Ink::White:
        return {255, 255, 255};
    case Ink::Line:
        return {40, 30, 26};
    case Ink::Rose:
        return {214, 40, 74};
    case Ink::Cheek:
        return {240, 150, 150};
    case Ink::Leaf:
        return {58, 130, 62};
    case Ink::Steel:
        return {168, 178, 190};
    case Ink::Wood:
        return {128, 84, 44};
    }
    return suit;
}

struct Layer {
    QPainterPath path;
    Ink fill = Ink::None;
    Ink stroke = Ink::None;
    qreal width = 0.0;
};

// What a court card replays: outlines are turned into filled shapes once, up front, so
// painting a figure is nothing but fills.
struct Shape {
    QPainterPath path;
    Ink ink;
};

using Figure = std::vector<Shape>;

Figure bake(const std::vector<Layer> &layers)
{
    std::vector<Shape> shapes;
    for (const Layer &layer : layers) {
        if (layer.fill != Ink::None)
            shapes.push_back({layer.path, layer.fill});
        if (layer.stroke != Ink::None) {
            QPainterPathStroker stroker;
            stroker.setWidth(layer.width);
            stroker.setCapStyle(Qt::RoundCap);
            stroker.setJoinStyle(Qt::RoundJoin);
            shapes.push_back({stroker.createStroke(layer.path), layer.stroke});
        }
    }
    // Neighbours of one ink become one fill. (Merging further apart only widens each fill's
    // bounding box, which is what the rasterizer's cost follows.)
    Figure out;
    for (const Shape &shape : shapes) {
        if (!out.empty() && out.back().ink == shape.ink)
            out.back().path = fineUnion(out.back().path, shape.path, 2.0);
        else
            out.push_back(shape);
    }
    for (Shape &shape : out)
        shape.path = flattened(shape.path, 8.0);
    return out;
}

constexpr qreal kOutline = 0.55;

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    p.closeSubpath();
    return p;
}

QPainterPath dots(std::initializer_list<QPointF> centres, qreal r)
{
    QPainterPath p;
    for (const QPointF &c : centres)
        p.addEllipse(c, r, r);
    return p;
}

QPainterPath line(QPointF from, QPointF to)
{
    QPainterPath p;
    p.moveTo(from);
    p.lineTo(to);
    return p;
}

// Sloping shoulders and a robe that runs on past the panel's centre line (clipped there).
QPainterPath robe(qreal neckHalf, qreal shoulderY, qreal half)
{
    const qreal cx = kMid;
    QPainterPath p;
    p.moveTo(cx - neckHalf, shoulderY);
    p.quadTo(cx - half, shoulderY + 0.3, cx - half, shoulderY + 6.0);
    p.lineTo(cx - half - 0.5, 49.0);
    p.lineTo(cx + half + 0.5, 49.0);
    p.lineTo(cx + half, shoulderY + 6.0);
    p.quadTo(cx + half, shoulderY + 0.3, cx + neckHalf, shoulderY);
    p.closeSubpath();
    return p;
}

// The figure's left arm (on the viewer's right), its forearm raised so the hand, just
// above the cuff, can hold something upright.
void addArm(std::vector<Layer> &f, qreal shoulderY, qreal half, QPointF hand, Ink cuff)
{
    const qreal outer = kMid + half;
    const qreal wrist = hand.y() + 1.6;
    QPainterPath sleeve;
    sleeve.moveTo(outer - 5.0, shoulderY + 1.6);
    sleeve.quadTo(outer - 6.8, hand.y() - 3.0, outer - 6.2, wrist);
    sleeve.lineTo(outer + 0.3, wrist);
    sleeve.lineTo(outer, shoulderY + 6.0);
    sleeve.quadTo(outer - 0.3, shoulderY + 2.0, outer - 5.0, shoulderY + 1.6);
    sleeve.closeSubpath();
    // Gold piping keeps the arm readable against a black robe.
    f.push_back({sleeve, Ink::Suit, Ink::Gold, 0.7});
    f.push_back({polygon({{outer - 6.4, wrist - 1.8}, {outer + 0.4, wrist - 1.8},
                          {outer + 0.4, wrist + 0.2}, {outer - 6.4, wrist + 0.2}}),
                 cuff, Ink::Line, 0.4});
}

void addHand(std::vector<Layer> &f, QPointF hand)
{
    f.push_back({ellipse(hand.x(), hand.y(), 2.0, 1.75), Ink::Skin, Ink::Line, kOutline});
}

void addFace(std::vector<Layer> &f, qreal cy, qreal rx, qreal ry)
{
    f.push_back({ellipse(kMid, cy, rx, ry), Ink::Skin, Ink::Line, kOutline});
    f.push_back({dots({{kMid - 1.8, cy - 0.5}, {kMid + 1.8, cy - 0.5}}, 0.58), Ink::Line,
                 Ink::None, 0.0});
    QPainterPath nose;
    nose.moveTo(kMid - 0.1, cy + 0.1);
    nose.quadTo(kMid - 0.9, cy + 1.5, kMid + 0.2, cy + 1.7);
    f.push_back({nose, Ink::None, Ink::SkinShade, 0.5});
}

Figure makeKing()
{
    constexpr qreal shoulderY = 31.0;
    constexpr qreal half = 16.5;
    constexpr QPointF hand{49.2, 39.4};
    std::vector<Layer> f;
    f.push_back({robe(6.0, shoulderY, half), Ink::Suit, Ink::Line, kOutline});
    f.push_back({dots({{23.0, 40.0}, {26.5, 43.2}, {23.0, 46.4}}, 0.7), Ink::Gold,
                 Ink::None, 0.0});
    f.push_back({polygon({{31.2, 33.0}, {39.8, 33.0}, {41.0, 49.0}, {30.0, 49.0}}), Ink::Blue,
                 Ink::Gold, 0.9});
    f.push_back({line({35.5, 37.5}, {35.5, 49.0}), Ink::None, Ink::Gold, 0.6});
    // Ermine collar.
    QPainterPath collar;
    collar.moveTo(24.5, 30.6);
    collar.cubicTo(29.0, 35.0, 42.0, 35.0, 46.5, 30.6);
    collar.lineTo(48.0, 33.2);
    collar.cubicTo(42.0, 38.6, 29.0, 38.6, 23.0, 33.2);
    collar.closeSubpath();
    f.push_back({collar, Ink::White, Ink::Line, kOutline});
    f.push_back({dots({{26.8, 33.6}, {31.2, 35.6}, {35.5, 36.1}, {39.8, 35.6}, {44.2, 33.6}},
                      0.55),
                 Ink::Line, Ink::None, 0.0});
    // Hair behind the head, then face and a full beard.
    f.push_back({ellipse(kMid, 23.0, 6.2, 6.1), Ink::Beard, Ink::Line, kOutline});
    addFace(f, 22.6, 4.6, 5.1);
    QPainterPath beard;
    beard.moveTo(30.9, 22.6);
    beard.cubicTo(30.9, 29.6, 33.0, 33.2, kMid, 33.2);
    beard.cubicTo(38.0, 33.2, 40.1, 29.6, 40.1, 22.6);
    beard.cubicTo(39.2, 25.8, 37.6, 26.2, kMid, 26.2);
    beard.cubicTo(33.4, 26.2, 31.8, 25.8, 30.9, 22.6);
    beard.closeSubpath();
    f.push_back({beard, Ink::Beard, Ink::Line, kOutline});
    f.push_back({ellipse(kMid, 27.7, 1.3, 0.55), Ink::Rose, Ink::None, 0.0});
    // Tall three-pointed crown.
    f.push_back({polygon({{30.2, 18.6}, {29.4, 12.4}, {32.6, 14.9}, {kMid, 10.8},
                          {38.4, 14.9}, {41.6, 12.4}, {40.8, 18.6}}),
                 Ink::Gold, Ink::GoldDark, kOutline});
    f.push_back({dots({{29.4, 12.0}, {kMid, 10.4}, {41.6, 12.0}}, 0.9), Ink::Gold,
                 Ink::GoldDark, 0.4});
    f.push_back({ellipse(kMid, 16.6, 1.1, 1.2), Ink::Rose, Ink::None, 0.0});
    f.push_back({dots({{32.2, 16.8}, {38.8, 16.8}}, 0.7), Ink::Blue, Ink::None, 0.0});
    // Sceptre held in the left hand.
    addArm(f, shoulderY, half, hand, Ink::White);
    QPainterPath staff;
    staff.addRect(QRectF(hand.x() - 0.7, 20.0, 1.4, 29.0));
    f.push_back({staff, Ink::Gold, Ink::GoldDark, 0.4});
    f.push_back({ellipse(hand.x(), 18.6, 1.9, 1.9), Ink::Gold, Ink::GoldDark, 0.45});
    f.push_back({polygon({{hand.x() - 0.4, 14.4}, {hand.x() + 0.4, 14.4}, {hand.x() + 0.4, 16.8},
                          {hand.x() - 0.4, 16.8}}),
                 Ink::Gold, Ink::GoldDark, 0.35});
    addHand(f, hand);
    return bake(f);
}

Figure makeQueen()
{
    constexpr qreal shoulderY = 31.5;
    constexpr qreal half = 15.5;
    constexpr QPointF hand{47.6, 40.0};
    std::vector<Layer> f;
    // Long hair falls behind the shoulders.
    QPainterPath hair;
    hair.moveTo(29.2, 22.0);
    hair.cubicTo(28.6, 15.6, 42.4, 15.6, 41.8, 22.0);
    hair.lineTo(43.6, 33.4);
    hair.cubicTo(40.0, 34.8, 31.0, 34.8, 27.4, 33.4);
    hair.closeSubpath();
    f.push_back({hair, Ink::Blonde, Ink::Line, kOutline});
    f.push_back({robe(6.0, shoulderY, half), Ink::Suit, Ink::Line, kOutline});
    f.push_back({dots({{24.0, 39.5}, {27.5, 42.5}, {24.0, 45.5}, {27.5, 48.5}}, 0.65),
                 Ink::Gold, Ink::None, 0.0});
    f.push_back({polygon({{32.2, 27.5}, {38.8, 27.5}, {40.4, 31.8}, {35.5, 35.8}, {30.6, 31.8}}),
                 Ink::Skin, Ink::None, 0.0});
    QPainterPath neckline;
    neckline.moveTo(29.4, 31.3);
    neckline.cubicTo(31.4, 37.0, 39.6, 37.0, 41.6, 31.3);
    f.push_back({neckline, Ink::None, Ink::Gold, 1.3});
    f.push_back({dots({{32.6, 30.6}, {34.0, 31.6}, {35.5, 32.0}, {37.0, 31.6}, {38.4, 30.6}},
                      0.55),
                 Ink::White, Ink::Line, 0.25});
    f.push_back({polygon({{32.4, 36.8}, {38.6, 36.8}, {37.2, 49.0}, {33.8, 49.0}}), Ink::Blue,
                 Ink::Gold, 0.9});
    f.push_back({dots({{kMid, 39.6}, {kMid, 42.6}, {kMid, 45.6}}, 0.55), Ink::White,
                 Ink::None, 0.0});
    addFace(f, 23.2, 4.2, 4.9);
    QPainterPath fringe;
    fringe.moveTo(31.2, 22.6);
    fringe.cubicTo(31.0, 17.8, 40.0, 17.8, 39.8, 22.6);
    fringe.cubicTo(38.6, 19.9, 32.4, 19.9, 31.2, 22.6);
    fringe.closeSubpath();
    f.push_back({fringe, Ink::Blonde, Ink::Line, 0.4});
    f.push_back({dots({{32.6, 25.2}, {38.4, 25.2}}, 0.9), Ink::Cheek, Ink::None, 0.0});
    f.push_back({ellipse(kMid, 26.4, 1.1, 0.55), Ink::Rose, Ink::None, 0.0});
    // Low coronet of rounded arches tipped with pearls.
    QPainterPath coronet;
    coronet.moveTo(30.8, 18.6);
    coronet.lineTo(30.8, 16.4);
    coronet.quadTo(31.6, 13.4, 33.2, 15.6);
    coronet.quadTo(kMid, 11.6, 37.8, 15.6);
    coronet.quadTo(39.4, 13.4, 40.2, 16.4);
    coronet.lineTo(40.2, 18.6);
    coronet.closeSubpath();
    f.push_back({coronet, Ink::Gold, Ink::GoldDark, kOutline});
    f.push_back({dots({{31.6, 14.1}, {kMid, 12.0}, {39.4, 14.1}}, 0.8), Ink::White,
                 Ink::GoldDark, 0.35});
    f.push_back({ellipse(kMid, 17.0, 0.9, 0.9), Ink::Blue, Ink::None, 0.0});
    // A rose held up in the left hand.
    addArm(f, shoulderY, half, hand, Ink::Gold);
    QPainterPath stem;
    stem.moveTo(hand.x(), hand.y() + 1.0);
    stem.cubicTo(hand.x() + 0.6, 35.0, hand.x() - 0.2, 31.0, hand.x() + 0.6, 26.5);
    f.push_back({stem, Ink::None, Ink::Leaf, 0.8});
    f.push_back({ellipse(hand.x() - 1.3, 31.5, 1.6, 0.8), Ink::Leaf, Ink::None, 0.0});
    const qreal fx = hand.x() + 0.6;
    constexpr qreal fy = 25.2;
    f.push_back({dots({{fx, fy - 1.7}, {fx + 1.7, fy - 0.5}, {fx + 1.1, fy + 1.5},
                       {fx - 1.1, fy + 1.5}, {fx - 1.7, fy - 0.5}},
                      1.25),
                 Ink::Rose, Ink::Line, 0.3});
    f.push_back({ellipse(fx, fy, 0.9, 0.9), Ink::Gold, Ink::None, 0.0});
    addHand(f, hand);
    return bake(f);
}

Figure makeJack()
{
    constexpr qreal shoulderY = 30.5;
    constexpr qreal half = 15.0;
    constexpr QPointF hand{49.6, 38.6};
    std::vector<Layer> f;
    // Short hair curling at the sides.
    f.push_back({ellipse(kMid, 22.5, 5.6, 5.6), Ink::Hair, Ink::Line, kOutline});
    f.push_back({dots({{30.2, 26.4}, {40.8, 26.4}}, 1.7), Ink::Hair, Ink::Line, 0.4});
    f.push_back({robe(5.5, shoulderY, half), Ink::Suit, Ink::Line, kOutline});
    f.push_back({dots({{24.5, 39.0}, {24.5, 43.5}, {24.5, 48.0}}, 0.65), Ink::Gold, Ink::None,
                 0.0});
    f.push_back({polygon({{31.8, 31.0}, {39.2, 31.0}, {40.4, 49.0}, {30.6, 49.0}}), Ink::Blue,
                 Ink::Gold, 0.9});
    f.push_back({dots({{kMid, 38.2}, {kMid, 42.0}, {kMid, 45.8}}, 0.75), Ink::Gold,
                 Ink::GoldDark, 0.3});
    f.push_back({polygon({{33.6, 26.5}, {37.4, 26.5}, {37.4, 31.0}, {33.6, 31.0}}), Ink::Skin,
                 Ink::None, 0.0});
    f.push_back({polygon({{30.6, 30.0}, {kMid, 33.4}, {40.4, 30.0}, {42.0, 31.8}, {kMid, 36.2},
                          {29.0, 31.8}}),
                 Ink::White, Ink::Line, kOutline});
    addFace(f, 23.0, 4.3, 4.9);
    QPainterPath mouth;
    mouth.moveTo(34.4, 26.0);
    mouth.quadTo(kMid, 26.9, 36.6, 26.0);
    f.push_back({mouth, Ink::None, Ink::Rose, 0.6});
    // A plume rising behind a soft cap worn at a tilt.
    QPainterPath plume;
    plume.moveTo(33.0, 15.6);
    plume.cubicTo(32.2, 12.4, 29.8, 10.6, 26.6, 10.2);
    plume.cubicTo(27.2, 12.2, 27.6, 14.4, 29.4, 16.8);
    plume.closeSubpath();
    f.push_back({plume, Ink::White, Ink::Line, 0.45});
    f.push_back({line({31.4, 16.0}, {27.4, 10.8}), Ink::None, Ink::Line, 0.35});
    QPainterPath cap;
    cap.moveTo(28.2, 19.2);
    cap.cubicTo(27.2, 13.0, 39.0, 11.2, 44.2, 15.6);
    cap.cubicTo(45.4, 16.8, 44.6, 19.2, 42.8, 19.2);
    cap.closeSubpath();
    f.push_back({cap, Ink::Suit, Ink::Line, kOutline});
    f.push_back({polygon({{28.4, 18.0}, {43.0, 18.0}, {43.0, 19.8}, {28.4, 19.8}}), Ink::Gold,
                 Ink::GoldDark, 0.4});
    // A spear in the left hand.
    addArm(f, shoulderY, half, hand, Ink::Gold);
    QPainterPath shaft;
    shaft.addRect(QRectF(hand.x() - 0.6, 17.5, 1.2, 31.5));
    f.push_back({shaft, Ink::Wood, Ink::Line, 0.35});
    f.push_back({polygon({{hand.x(), 10.8}, {hand.x() + 1.9, 16.6}, {hand.x(), 18.2},
                          {hand.x() - 1.9, 16.6}}),
                 Ink::Steel, Ink::Line, 0.45});
    addHand(f, hand);
    return bake(f);
}

const Figure &courtFigure(int rank)
{
    static const std::array<Figure, 3> figures{makeKing(), makeQueen(), makeJack()};
    return figures[static_cast<std::size_t>(rank - King)];
}

// The panel's edges sit on half pixels so its 1 px frame lands on whole pixels.
constexpr QRectF kPanel{12.5, 8.5, 46.0, 79.0};
constexpr QColor kPanelFill{255, 250, 236};

void paintCourt(QPainter &painter, const QTransform &base, int rank, Suit suit,
                const QColor &colour)
{
    painter.setTransform(base);
    painter.fillRect(kPanel, kPanelFill);

    const Figure &figure = courtFigure(rank);
    const QRectF upperHalf(kPanel.left(), kPanel.top(), kPanel.width(),
                           kCentre.y() - kPanel.top());
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
    if (index < 1 || index > 52 || target.isEmpty())
        return;
    const Suit suit = static_cast<Suit>((index - 1) / 13);
    const int rank = (index - 1) % 13 + 1;
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

    if (rank == Ace)
        paintAce(painter, base, suit, colour);
    else if (rank <= Ten)
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
