#include "cards/FigureKit.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

namespace cards::kit {

namespace {

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

// Each suit dresses its court in its own second colour, so Clubs and Spades (and Diamonds
// and Hearts) differ at a glance before any detail is seen.
Ink panelInk(Suit suit)
{
    switch (suit) {
    case Suit::Clubs: return Ink::Green;
    case Suit::Diamonds: return Ink::Gold;
    case Suit::Hearts: return Ink::Blue;
    case Suit::Spades: return Ink::Purple;
    }
    return Ink::Blue;
}

// The sign on the panel: gold would vanish on the Diamonds' gold, so that one is in red.
Ink panelSignInk(Suit suit)
{
    switch (suit) {
    case Suit::Clubs: return Ink::Gold;
    case Suit::Diamonds: return Ink::Suit;
    case Suit::Hearts: return Ink::White;
    case Suit::Spades: return Ink::Grey;
    }
    return Ink::Gold;
}

} // namespace

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

QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform(-1.0, 0.0, 0.0, 1.0, 2.0 * kMid, 0.0).map(path);
}

// The signs start from the curves, not from suitPath()'s outlines flattened for a full-size
// ace, so that baking flattens each to suit its few pixels; hundreds of needless vertices per
// sign would slow every paint.
QPainterPath suitSigns(Suit suit, std::initializer_list<QPointF> centres, qreal size)
{
    QPainterPath shape;
    switch (suit) {
    case Suit::Clubs: shape = makeClub(); break;
    case Suit::Diamonds: shape = makeDiamond(); break;
    case Suit::Hearts: shape = makeHeart(); break;
    case Suit::Spades: shape = makeSpade(); break;
    }
    const QSizeF box = pipSize(suit, size);
    QPainterPath out;
    for (const QPointF &c : centres) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.scale(box.width(), box.height());
        out.addPath(t.map(shape));
    }
    return out;
}

void addRobe(std::vector<Layer> &f, Suit suit, qreal neckHalf, qreal shoulderY, qreal half,
             qreal panelTop, qreal panelHalf)
{
    f.push_back({robe(neckHalf, shoulderY, half), Ink::Suit, Ink::Line, kOutline});
    // The signs stop short of the gold band across the middle: one cut by it reads as a fault.
    f.push_back({suitSigns(suit, {{23.2, 38.8}, {26.6, 43.2}}, 3.0), Ink::Gold, Ink::None, 0.0});
    f.push_back({polygon({{kMid - panelHalf, panelTop},
                          {kMid + panelHalf, panelTop},
                          {kMid + panelHalf + 1.0, 49.0},
                          {kMid - panelHalf - 1.0, 49.0}}),
                 panelInk(suit), Ink::Gold, 0.9});
    f.push_back(
        {suitSigns(suit, {{kMid, 40.4}, {kMid, 44.8}}, 3.2), panelSignInk(suit), Ink::None, 0.0});
}

QPointF addArm(std::vector<Layer> &f, qreal shoulderY, qreal half, qreal handY, Ink cuff, bool left)
{
    const qreal outer = kMid + half;
    const qreal wrist = handY + 1.6;
    QPainterPath sleeve;
    sleeve.moveTo(outer - 5.0, shoulderY + 1.6);
    sleeve.quadTo(outer - 6.8, handY - 3.0, outer - 6.2, wrist);
    sleeve.lineTo(outer + 0.3, wrist);
    sleeve.lineTo(outer, shoulderY + 6.0);
    sleeve.quadTo(outer - 0.3, shoulderY + 2.0, outer - 5.0, shoulderY + 1.6);
    sleeve.closeSubpath();
    const QPainterPath band = polygon({{outer - 6.4, wrist - 1.8},
                                       {outer + 0.4, wrist - 1.8},
                                       {outer + 0.4, wrist + 0.2},
                                       {outer - 6.4, wrist + 0.2}});
    // Gold piping keeps the arm readable against a black robe.
    f.push_back({left ? mirrored(sleeve) : sleeve, Ink::Suit, Ink::Gold, 0.7});
    f.push_back({left ? mirrored(band) : band, cuff, Ink::Line, 0.4});
    const qreal x = outer - 2.8;
    return {left ? 2.0 * kMid - x : x, handY};
}

void addHand(std::vector<Layer> &f, QPointF hand)
{
    f.push_back({ellipse(hand.x(), hand.y(), 2.0, 1.75), Ink::Skin, Ink::Line, kOutline});
}

void addFace(std::vector<Layer> &f, qreal cy, qreal rx, qreal ry, qreal turn)
{
    const qreal x = kMid + turn;
    const qreal dir = turn > 0.0 ? 1.0 : -1.0;
    const qreal eyes = turn == 0.0 ? 1.8 : 1.6;
    f.push_back({ellipse(kMid, cy, rx, ry), Ink::Skin, Ink::Line, kOutline});
    f.push_back(
        {dots({{x - eyes, cy - 0.5}, {x + eyes, cy - 0.5}}, 0.58), Ink::Line, Ink::None, 0.0});
    QPainterPath nose;
    nose.moveTo(x - 0.1 * dir, cy + 0.1);
    nose.quadTo(x + (turn == 0.0 ? 0.9 : 1.5) * dir, cy + 1.5, x - 0.2 * dir, cy + 1.7);
    f.push_back({nose, Ink::None, Ink::SkinShade, 0.5});
}

void addMouth(std::vector<Layer> &f, qreal x, qreal y, qreal half)
{
    QPainterPath mouth;
    mouth.moveTo(x - half, y);
    mouth.quadTo(x, y + 0.8, x + half, y);
    f.push_back({mouth, Ink::None, Ink::Rose, 0.6});
}

void addMoustache(std::vector<Layer> &f, qreal x, qreal y, qreal span, Ink ink)
{
    QPainterPath m;
    m.moveTo(x, y);
    m.cubicTo(x - span * 0.5, y - 0.9, x - span, y - 0.2, x - span, y + 0.7);
    m.cubicTo(x - span * 0.6, y + 0.2, x - span * 0.3, y + 0.6, x, y + 0.5);
    m.cubicTo(x + span * 0.3, y + 0.6, x + span * 0.6, y + 0.2, x + span, y + 0.7);
    m.cubicTo(x + span, y - 0.2, x + span * 0.5, y - 0.9, x, y);
    m.closeSubpath();
    f.push_back({m, ink, Ink::Line, 0.35});
}

// The gown's bodice narrows to a point at the waist, where the turned half meets it, and is
// laced across in the panel sign's ink on whole pixel rows, so it stays crisp at 1x. Pearls,
// not suit signs, dot the skirt.
void addGown(std::vector<Layer> &f, Suit suit, qreal neckHalf, qreal shoulderY, qreal half,
             qreal bodiceTop)
{
    f.push_back({robe(neckHalf, shoulderY, half), Ink::Suit, Ink::Line, kOutline});
    f.push_back(
        {dots({{23.6, 38.6}, {26.4, 41.6}, {23.6, 44.6}}, 0.75), Ink::Gold, Ink::None, 0.0});
    constexpr qreal kWaist = 49.0;
    constexpr qreal kTopHalf = 5.6;
    constexpr qreal kWaistHalf = 1.4;
    f.push_back({polygon({{kMid - kTopHalf, bodiceTop},
                          {kMid + kTopHalf, bodiceTop},
                          {kMid + kWaistHalf, kWaist},
                          {kMid - kWaistHalf, kWaist}}),
                 panelInk(suit), Ink::Gold, 0.9});
    QPainterPath laces;
    for (const qreal y : {39.5, 42.5, 45.5}) {
        const qreal along = (y - bodiceTop) / (kWaist - bodiceTop);
        const qreal w = kTopHalf + (kWaistHalf - kTopHalf) * along - 1.0;
        laces.addRect(QRectF(kMid - w, y - 0.5, 2.0 * w, 1.0));
    }
    f.push_back({laces, panelSignInk(suit), Ink::None, 0.0});
}

// A short doublet: one sign on the chest, a belt with a square buckle, and the skirt below it
// pleated in the suit's second colour.
void addTabard(std::vector<Layer> &f, Suit suit, qreal neckHalf, qreal shoulderY, qreal half,
               qreal chestTop)
{
    f.push_back({robe(neckHalf, shoulderY, half), Ink::Suit, Ink::Line, kOutline});
    constexpr qreal kBeltTop = 41.0;
    constexpr qreal kBeltBottom = 43.0;
    f.push_back({polygon({{kMid - 3.4, chestTop},
                          {kMid + 3.4, chestTop},
                          {kMid + 3.4, kBeltTop},
                          {kMid - 3.4, kBeltTop}}),
                 panelInk(suit), Ink::Gold, 0.8});
    f.push_back({suitSigns(suit, {{kMid, 38.3}}, 3.8), panelSignInk(suit), Ink::None, 0.0});
    QPainterPath pleats;
    for (qreal x = kMid - half + 2.0; x < kMid + half - 1.0; x += 3.0)
        pleats.addRect(QRectF(x, kBeltBottom, 1.0, 49.0 - kBeltBottom));
    f.push_back({pleats, panelInk(suit), Ink::None, 0.0});
    f.push_back({polygon({{kMid - half - 0.5, kBeltTop},
                          {kMid + half + 0.5, kBeltTop},
                          {kMid + half + 0.5, kBeltBottom},
                          {kMid - half - 0.5, kBeltBottom}}),
                 Ink::Wood, Ink::None, 0.0});
    f.push_back({polygon({{kMid - 1.5, kBeltTop - 0.5},
                          {kMid + 1.5, kBeltTop - 0.5},
                          {kMid + 1.5, kBeltBottom + 0.5},
                          {kMid - 1.5, kBeltBottom + 0.5}}),
                 Ink::Gold, Ink::GoldDark, 0.5});
}

} // namespace cards::kit
