#include "cards/CourtFigures.h"

#include <QPainterPathStroker>
#include <QPointF>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace cards {

QColor inkColour(Ink ink, const QColor &suit)
{
    switch (ink) {
    case Ink::None: return Qt::transparent;
    case Ink::Suit: return suit;
    case Ink::Gold: return {236, 178, 40};
    case Ink::GoldDark: return {140, 92, 12};
    case Ink::Skin: return {250, 220, 188};
    case Ink::SkinShade: return {196, 130, 100};
    case Ink::Hair: return {92, 56, 28};
    case Ink::Blonde: return {226, 160, 52};
    case Ink::Auburn: return {168, 72, 34};
    case Ink::Grey: return {206, 208, 214};
    case Ink::Blue: return {40, 82, 168};
    case Ink::Green: return {30, 122, 72};
    case Ink::Purple: return {104, 58, 150};
    case Ink::White: return {255, 255, 255};
    case Ink::Line: return {40, 30, 26};
    case Ink::Rose: return {214, 40, 74};
    case Ink::Cheek: return {240, 150, 150};
    case Ink::Leaf: return {58, 130, 62};
    case Ink::Steel: return {168, 178, 190};
    case Ink::Wood: return {128, 84, 44};
    case Ink::Flame: return {246, 128, 28};
    }
    return suit;
}

namespace {

// ---------------------------------------------------------------------------------------
// Court figures. Each is the upper half of a panel, drawn once as a list of outlined shapes
// in face coordinates and replayed twice (the second time turned) on every court card.

struct Layer {
    QPainterPath path;
    Ink fill = Ink::None;
    Ink stroke = Ink::None;
    qreal width = 0.0;
};

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

QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform(-1.0, 0.0, 0.0, 1.0, 2.0 * kMid, 0.0).map(path);
}

// Small signs of the suit, for garment patterns and finials. They start from the curves,
// not from suitPath()'s outlines flattened for a full-size ace, so that baking flattens each
// to suit its few pixels; hundreds of needless vertices per sign would slow every paint.
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

// Robe in the suit's colour, its open side patterned with the suit's sign in gold, and a
// front panel in the suit's second colour carrying the sign again.
void addRobe(std::vector<Layer> &f, Suit suit, qreal neckHalf, qreal shoulderY, qreal half,
             qreal panelTop, qreal panelHalf)
{
    f.push_back({robe(neckHalf, shoulderY, half), Ink::Suit, Ink::Line, kOutline});
    f.push_back({suitSigns(suit, {{23.2, 39.2}, {26.6, 43.6}, {23.2, 48.0}}, 3.0), Ink::Gold,
                 Ink::None, 0.0});
    f.push_back({polygon({{kMid - panelHalf, panelTop},
                          {kMid + panelHalf, panelTop},
                          {kMid + panelHalf + 1.0, 49.0},
                          {kMid - panelHalf - 1.0, 49.0}}),
                 panelInk(suit), Ink::Gold, 0.9});
    f.push_back(
        {suitSigns(suit, {{kMid, 41.0}, {kMid, 46.2}}, 3.2), panelSignInk(suit), Ink::None, 0.0});
}

// An arm with its forearm raised so the hand, just above the cuff, can hold something
// upright; `left` puts it on the viewer's left. Returns where the hand is.
QPointF addArm(std::vector<Layer> &f, qreal shoulderY, qreal half, qreal handY, Ink cuff,
               bool left = false)
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

// `turn` moves the features sideways (negative: towards the viewer's left) for a face seen
// three-quarters on; the nose points the way the face turns.
void addFace(std::vector<Layer> &f, qreal cy, qreal rx, qreal ry, qreal turn = 0.0)
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

// Moustache of two curls, from the middle of the upper lip outwards.
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

void addErmine(std::vector<Layer> &f)
{
    QPainterPath collar;
    collar.moveTo(24.5, 30.6);
    collar.cubicTo(29.0, 35.0, 42.0, 35.0, 46.5, 30.6);
    collar.lineTo(48.0, 33.2);
    collar.cubicTo(42.0, 38.6, 29.0, 38.6, 23.0, 33.2);
    collar.closeSubpath();
    f.push_back({collar, Ink::White, Ink::Line, kOutline});
    f.push_back({dots({{26.8, 33.6}, {31.2, 35.6}, {35.5, 36.1}, {39.8, 35.6}, {44.2, 33.6}}, 0.55),
                 Ink::Line, Ink::None, 0.0});
}

// Kings ---------------------------------------------------------------------------------

constexpr qreal kKingShoulder = 31.0;
constexpr qreal kKingHalf = 16.5;

// Clubs: a broad dark beard, the tall three-pointed crown and an orb held before him.
Figure makeKingOfClubs()
{
    std::vector<Layer> f;
    addRobe(f, Suit::Clubs, 6.0, kKingShoulder, kKingHalf, 33.0, 4.3);
    addErmine(f);
    f.push_back({ellipse(kMid, 23.0, 6.2, 6.1), Ink::Hair, Ink::Line, kOutline});
    addFace(f, 22.6, 4.6, 5.1);
    QPainterPath beard;
    beard.moveTo(30.6, 22.0);
    beard.cubicTo(30.0, 30.0, 32.6, 34.4, kMid, 34.4);
    beard.cubicTo(38.4, 34.4, 41.0, 30.0, 40.4, 22.0);
    beard.cubicTo(39.2, 25.8, 37.6, 26.2, kMid, 26.2);
    beard.cubicTo(33.4, 26.2, 31.8, 25.8, 30.6, 22.0);
    beard.closeSubpath();
    f.push_back({beard, Ink::Hair, Ink::Line, kOutline});
    f.push_back({ellipse(kMid, 27.7, 1.3, 0.55), Ink::Rose, Ink::None, 0.0});
    f.push_back({polygon({{30.2, 18.6},
                          {29.4, 12.4},
                          {32.6, 14.9},
                          {kMid, 10.8},
                          {38.4, 14.9},
                          {41.6, 12.4},
                          {40.8, 18.6}}),
                 Ink::Gold, Ink::GoldDark, kOutline});
    f.push_back({suitSigns(Suit::Clubs, {{29.4, 11.6}, {kMid, 9.9}, {41.6, 11.6}}, 2.4), Ink::Gold,
                 Ink::GoldDark, 0.35});
    f.push_back({dots({{32.2, 16.8}, {38.8, 16.8}}, 0.7), Ink::Green, Ink::None, 0.0});
    f.push_back({ellipse(kMid, 16.6, 1.1, 1.2), Ink::Rose, Ink::None, 0.0});
    const QPointF hand = addArm(f, kKingShoulder, kKingHalf, 41.0, Ink::White, true);
    const QPointF orb(hand.x(), hand.y() - 3.9);
    f.push_back({ellipse(orb.x(), orb.y(), 3.0, 3.0), Ink::Gold, Ink::GoldDark, 0.5});
    f.push_back(
        {line({orb.x() - 3.0, orb.y()}, {orb.x() + 3.0, orb.y()}), Ink::None, Ink::GoldDark, 0.5});
    f.push_back(
        {line({orb.x(), orb.y() - 3.0}, {orb.x(), orb.y()}), Ink::None, Ink::GoldDark, 0.5});
    f.push_back({polygon({{orb.x() - 0.45, orb.y() - 6.4},
                          {orb.x() + 0.45, orb.y() - 6.4},
                          {orb.x() + 0.45, orb.y() - 3.0},
                          {orb.x() - 0.45, orb.y() - 3.0}}),
                 Ink::Gold, Ink::GoldDark, 0.35});
    f.push_back({polygon({{orb.x() - 1.5, orb.y() - 5.4},
                          {orb.x() + 1.5, orb.y() - 5.4},
                          {orb.x() + 1.5, orb.y() - 4.6},
                          {orb.x() - 1.5, orb.y() - 4.6}}),
                 Ink::Gold, Ink::GoldDark, 0.35});
    addHand(f, hand);
    return bake(f);
}

// Diamonds: clean-shaven but for a moustache, face turned aside, a crown of square
// battlements over a red cap, a gold chain, and a long-hafted axe.
Figure makeKingOfDiamonds()
{
    std::vector<Layer> f;
    addRobe(f, Suit::Diamonds, 6.0, kKingShoulder, kKingHalf, 33.0, 4.3);
    QPainterPath chain;
    chain.moveTo(25.0, 31.2);
    chain.cubicTo(29.0, 37.6, 42.0, 37.6, 46.0, 31.2);
    f.push_back({chain, Ink::None, Ink::GoldDark, 1.9});
    f.push_back({chain, Ink::None, Ink::Gold, 1.1});
    f.push_back({suitSigns(Suit::Diamonds, {{kMid, 37.2}}, 3.2), Ink::Gold, Ink::GoldDark, 0.4});
    // Hair at the nape, the side the face turns away from.
    f.push_back({ellipse(kMid + 1.4, 23.4, 5.6, 5.8), Ink::Hair, Ink::Line, kOutline});
    addFace(f, 23.0, 4.5, 5.2, -1.2);
    addMoustache(f, kMid - 1.2, 25.6, 2.6, Ink::Hair);
    addMouth(f, kMid - 1.2, 27.3, 1.0);
    f.push_back({ellipse(kMid, 15.6, 5.0, 3.6), Ink::Suit, Ink::Line, kOutline});
    f.push_back({polygon({{30.2, 18.8},
                          {30.2, 13.0},
                          {32.2, 13.0},
                          {32.2, 15.2},
                          {34.4, 15.2},
                          {34.4, 13.0},
                          {36.6, 13.0},
                          {36.6, 15.2},
                          {38.8, 15.2},
                          {38.8, 13.0},
                          {40.8, 13.0},
                          {40.8, 18.8}}),
                 Ink::Gold, Ink::GoldDark, kOutline});
    f.push_back({suitSigns(Suit::Diamonds, {{kMid, 17.2}}, 2.4), Ink::Suit, Ink::None, 0.0});
    f.push_back({dots({{31.8, 17.2}, {39.2, 17.2}}, 0.65), Ink::Blue, Ink::None, 0.0});
    const QPointF hand = addArm(f, kKingShoulder, kKingHalf, 39.4, Ink::Gold);
    QPainterPath haft;
    haft.addRect(QRectF(hand.x() - 0.7, 12.6, 1.4, 36.4));
    f.push_back({haft, Ink::Wood, Ink::Line, 0.4});
    QPainterPath blade;
    blade.moveTo(hand.x() + 0.7, 14.0);
    blade.cubicTo(hand.x() + 3.0, 13.6, hand.x() + 5.0, 12.0, hand.x() + 6.0, 10.6);
    blade.cubicTo(hand.x() + 7.4, 14.0, hand.x() + 7.4, 18.6, hand.x() + 6.0, 22.0);
    blade.cubicTo(hand.x() + 5.0, 20.6, hand.x() + 3.0, 19.2, hand.x() + 0.7, 19.0);
    blade.closeSubpath();
    f.push_back({blade, Ink::Steel, Ink::Line, 0.5});
    f.push_back({polygon({{hand.x() - 0.7, 15.0}, {hand.x() - 3.4, 16.4}, {hand.x() - 0.7, 17.8}}),
                 Ink::Steel, Ink::Line, 0.4});
    addHand(f, hand);
    return bake(f);
}

// Hearts: a curly red-brown beard, a crown tipped with hearts, and a sword raised so its
// blade runs up behind his head.
Figure makeKingOfHearts()
{
    std::vector<Layer> f;
    addRobe(f, Suit::Hearts, 6.0, kKingShoulder, kKingHalf, 33.0, 4.3);
    addErmine(f);
    const QPointF hand(49.2, 39.4);
    const QPointF tip(27.4, 10.0);
    const QPointF d = tip - hand;
    const qreal length = std::hypot(d.x(), d.y());
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const QPointF guard = hand + u * 3.4;
    f.push_back({polygon({guard + n * 0.95, tip, guard - n * 0.95}), Ink::Steel, Ink::Line, 0.45});
    f.push_back({polygon({guard + n * 2.8 + u * 0.45, guard - n * 2.8 + u * 0.45,
                          guard - n * 2.8 - u * 0.45, guard + n * 2.8 - u * 0.45}),
                 Ink::Gold, Ink::GoldDark, 0.4});
    f.push_back({ellipse(hand.x() - u.x() * 2.4, hand.y() - u.y() * 2.4, 0.9, 0.9), Ink::Gold,
                 Ink::GoldDark, 0.35});
    f.push_back({ellipse(kMid, 22.8, 6.0, 6.0), Ink::Auburn, Ink::Line, kOutline});
    addFace(f, 22.4, 4.5, 5.0);
    f.push_back({dots({{31.0, 25.6},
                       {31.6, 28.4},
                       {33.4, 30.6},
                       {kMid, 31.4},
                       {37.6, 30.6},
                       {39.4, 28.4},
                       {40.0, 25.6}},
                      1.45),
                 Ink::Auburn, Ink::Line, 0.4});
    f.push_back({ellipse(kMid, 27.6, 2.4, 1.5), Ink::Skin, Ink::None, 0.0});
    addMoustache(f, kMid, 25.9, 3.0, Ink::Auburn);
    f.push_back({ellipse(kMid, 27.9, 1.1, 0.5), Ink::Rose, Ink::None, 0.0});
    f.push_back({polygon({{30.4, 18.6}, {30.4, 15.0}, {40.6, 15.0}, {40.6, 18.6}}), Ink::Gold,
                 Ink::GoldDark, kOutline});
    f.push_back({suitSigns(Suit::Hearts, {{30.9, 13.4}, {kMid, 12.4}, {40.1, 13.4}}, 3.0),
                 Ink::Rose, Ink::GoldDark, 0.4});
    f.push_back({dots({{33.0, 16.8}, {38.0, 16.8}}, 0.7), Ink::Blue, Ink::None, 0.0});
    addArm(f, kKingShoulder, kKingHalf, hand.y(), Ink::White);
    addHand(f, hand);
    return bake(f);
}

// Spades: old, with a long forked grey beard under a crown of slender spikes, holding a
// harp against his side.
Figure makeKingOfSpades()
{
    std::vector<Layer> f;
    addRobe(f, Suit::Spades, 6.0, kKingShoulder, kKingHalf, 33.0, 4.3);
    QPainterPath collar;
    collar.moveTo(27.0, 30.0);
    collar.lineTo(44.0, 30.0);
    collar.lineTo(46.6, 34.0);
    collar.lineTo(24.4, 34.0);
    collar.closeSubpath();
    f.push_back({collar, Ink::Purple, Ink::Grey, 0.7});
    f.push_back({ellipse(kMid, 23.0, 6.0, 6.4), Ink::Grey, Ink::Line, kOutline});
    addFace(f, 22.4, 4.4, 5.0);
    QPainterPath beard;
    beard.moveTo(31.0, 23.0);
    beard.cubicTo(30.6, 30.0, 31.6, 34.0, 33.2, 38.6);
    beard.lineTo(kMid, 34.8);
    beard.lineTo(37.8, 38.6);
    beard.cubicTo(39.4, 34.0, 40.4, 30.0, 40.0, 23.0);
    beard.cubicTo(39.0, 25.8, 37.6, 26.0, kMid, 26.0);
    beard.cubicTo(33.4, 26.0, 32.0, 25.8, 31.0, 23.0);
    beard.closeSubpath();
    f.push_back({beard, Ink::Grey, Ink::Line, kOutline});
    f.push_back({line({kMid, 28.4}, {kMid, 33.4}), Ink::None, Ink::SkinShade, 0.35});
    addMoustache(f, kMid, 25.6, 2.8, Ink::Grey);
    f.push_back({polygon({{30.6, 18.8},
                          {30.0, 10.6},
                          {32.7, 15.0},
                          {34.1, 9.4},
                          {kMid, 14.6},
                          {36.9, 9.4},
                          {38.3, 15.0},
                          {41.0, 10.6},
                          {40.4, 18.8}}),
                 Ink::Gold, Ink::GoldDark, kOutline});
    f.push_back({polygon({{30.6, 16.6}, {40.4, 16.6}, {40.4, 18.8}, {30.6, 18.8}}), Ink::Gold,
                 Ink::GoldDark, 0.4});
    f.push_back(
        {dots({{32.4, 17.7}, {kMid, 17.7}, {38.6, 17.7}}, 0.6), Ink::Purple, Ink::None, 0.0});
    const QPointF hand = addArm(f, kKingShoulder, kKingHalf, 42.0, Ink::Grey, true);
    QPainterPath frame;
    frame.moveTo(hand.x() - 2.6, 47.0);
    frame.lineTo(hand.x() - 3.0, 33.6);
    frame.cubicTo(hand.x() - 1.0, 32.0, hand.x() + 2.0, 35.4, hand.x() + 4.6, 34.6);
    frame.lineTo(hand.x() + 1.2, 47.0);
    f.push_back({frame, Ink::None, Ink::GoldDark, 1.6});
    f.push_back({frame, Ink::None, Ink::Gold, 0.9});
    QPainterPath strings;
    for (const qreal s : {-1.6, -0.4, 0.8, 2.0}) {
        const qreal x = hand.x() + s;
        strings.moveTo(x, 34.4 + (s + 1.6) * 0.3);
        strings.lineTo(x, 47.0 - (s + 1.6) * 0.2);
    }
    f.push_back({strings, Ink::None, Ink::White, 0.3});
    addHand(f, hand);
    return bake(f);
}

// Queens --------------------------------------------------------------------------------

constexpr qreal kQueenShoulder = 31.5;
constexpr qreal kQueenHalf = 15.5;

void addNeckline(std::vector<Layer> &f, Ink trim)
{
    f.push_back({polygon({{32.2, 27.5}, {38.8, 27.5}, {40.4, 31.8}, {kMid, 35.8}, {30.6, 31.8}}),
                 Ink::Skin, Ink::None, 0.0});
    QPainterPath neckline;
    neckline.moveTo(29.4, 31.3);
    neckline.cubicTo(31.4, 37.0, 39.6, 37.0, 41.6, 31.3);
    f.push_back({neckline, Ink::None, trim, 1.3});
}

// Clubs: dark hair under a white veil, a coronet of little trefoils, a tulip in her hand.
Figure makeQueenOfClubs()
{
    std::vector<Layer> f;
    QPainterPath veil;
    veil.moveTo(29.0, 19.0);
    veil.cubicTo(29.0, 13.0, 42.0, 13.0, 42.0, 19.0);
    veil.lineTo(45.6, 34.0);
    veil.cubicTo(40.0, 35.4, 31.0, 35.4, 25.4, 34.0);
    veil.closeSubpath();
    f.push_back({veil, Ink::White, Ink::Line, kOutline});
    addRobe(f, Suit::Clubs, 6.0, kQueenShoulder, kQueenHalf, 36.8, 3.1);
    addNeckline(f, Ink::Gold);
    f.push_back(
        {dots({{33.2, 31.6}, {kMid, 32.4}, {37.8, 31.6}}, 0.6), Ink::Green, Ink::Line, 0.25});
    f.push_back({ellipse(kMid, 22.4, 5.2, 5.4), Ink::Hair, Ink::Line, kOutline});
    addFace(f, 23.4, 4.1, 4.8);
    QPainterPath parting;
    parting.moveTo(31.4, 22.6);
    parting.cubicTo(31.6, 18.6, kMid, 18.6, kMid, 19.6);
    parting.cubicTo(kMid, 18.6, 39.4, 18.6, 39.6, 22.6);
    parting.cubicTo(38.6, 20.6, 36.4, 20.2, kMid, 20.6);
    parting.cubicTo(34.6, 20.2, 32.4, 20.6, 31.4, 22.6);
    parting.closeSubpath();
    f.push_back({parting, Ink::Hair, Ink::Line, 0.4});
    f.push_back({dots({{32.8, 25.3}, {38.2, 25.3}}, 0.85), Ink::Cheek, Ink::None, 0.0});
    f.push_back({ellipse(kMid, 26.6, 1.0, 0.5), Ink::Rose, Ink::None, 0.0});
    f.push_back({polygon({{31.0, 18.2}, {40.0, 18.2}, {40.0, 16.4}, {31.0, 16.4}}), Ink::Gold,
                 Ink::GoldDark, 0.45});
    f.push_back({suitSigns(Suit::Clubs, {{32.0, 14.9}, {kMid, 14.3}, {39.0, 14.9}}, 2.6), Ink::Gold,
                 Ink::GoldDark, 0.35});
    const QPointF hand = addArm(f, kQueenShoulder, kQueenHalf, 41.0, Ink::Gold, true);
    QPainterPath stem;
    stem.moveTo(hand.x(), hand.y());
    stem.cubicTo(hand.x() + 0.6, 37.0, hand.x() - 0.6, 33.0, hand.x(), 29.6);
    f.push_back({stem, Ink::None, Ink::Leaf, 0.8});
    QPainterPath leaf;
    leaf.moveTo(hand.x(), 36.0);
    leaf.quadTo(hand.x() + 3.4, 34.6, hand.x() + 3.6, 31.4);
    leaf.quadTo(hand.x() + 0.8, 32.6, hand.x(), 36.0);
    f.push_back({leaf, Ink::Leaf, Ink::None, 0.0});
    QPainterPath tulip;
    tulip.moveTo(hand.x() - 2.0, 25.0);
    tulip.lineTo(hand.x() - 1.0, 26.4);
    tulip.lineTo(hand.x(), 24.6);
    tulip.lineTo(hand.x() + 1.0, 26.4);
    tulip.lineTo(hand.x() + 2.0, 25.0);
    tulip.cubicTo(hand.x() + 2.2, 28.6, hand.x() + 1.0, 30.0, hand.x(), 30.0);
    tulip.cubicTo(hand.x() - 1.0, 30.0, hand.x() - 2.2, 28.6, hand.x() - 2.0, 25.0);
    tulip.closeSubpath();
    f.push_back({tulip, Ink::Rose, Ink::Line, 0.35});
    addHand(f, hand);
    return bake(f);
}

// Diamonds: auburn hair gathered up, face turned aside, a tall crown set with a red
// diamond, and an open fan.
Figure makeQueenOfDiamonds()
{
    std::vector<Layer> f;
    addRobe(f, Suit::Diamonds, 6.0, kQueenShoulder, kQueenHalf, 36.8, 3.1);
    addNeckline(f, Ink::White);
    f.push_back({suitSigns(Suit::Diamonds, {{kMid, 33.6}}, 2.6), Ink::Suit, Ink::GoldDark, 0.3});
    f.push_back({ellipse(kMid + 1.6, 22.6, 5.4, 5.6), Ink::Auburn, Ink::Line, kOutline});
    f.push_back({ellipse(kMid + 5.2, 25.8, 2.0, 2.2), Ink::Auburn, Ink::Line, kOutline});
    addFace(f, 23.4, 4.1, 4.8, -1.1);
    QPainterPath fringe;
    fringe.moveTo(31.2, 22.0);
    fringe.cubicTo(31.6, 18.0, 40.0, 17.6, 39.8, 23.0);
    fringe.cubicTo(38.4, 20.2, 34.0, 19.8, 31.2, 22.0);
    fringe.closeSubpath();
    f.push_back({fringe, Ink::Auburn, Ink::Line, 0.4});
    f.push_back({ellipse(32.4, 25.4, 0.85, 0.85), Ink::Cheek, Ink::None, 0.0});
    f.push_back({ellipse(kMid - 1.1, 26.6, 0.9, 0.5), Ink::Rose, Ink::None, 0.0});
    f.push_back({polygon({{30.8, 18.6},
                          {30.2, 12.8},
                          {32.8, 15.6},
                          {kMid, 10.0},
                          {38.2, 15.6},
                          {40.8, 12.8},
                          {40.2, 18.6}}),
                 Ink::Gold, Ink::GoldDark, kOutline});
    f.push_back({suitSigns(Suit::Diamonds, {{kMid, 15.8}}, 3.2), Ink::Suit, Ink::None, 0.0});
    f.push_back({dots({{30.2, 12.4}, {40.8, 12.4}}, 0.7), Ink::White, Ink::GoldDark, 0.3});
    const QPointF hand = addArm(f, kQueenShoulder, kQueenHalf, 40.0, Ink::White);
    QPainterPath fan;
    fan.moveTo(hand);
    fan.arcTo(QRectF(hand.x() - 7.0, hand.y() - 7.0, 14.0, 14.0), 55.0, 80.0);
    fan.closeSubpath();
    f.push_back({fan, Ink::White, Ink::Line, 0.45});
    QPainterPath ribs;
    for (const qreal a : {70.0, 85.0, 100.0, 115.0}) {
        const qreal r = a * std::numbers::pi / 180.0;
        ribs.moveTo(hand);
        ribs.lineTo(hand.x() + 6.6 * std::cos(r), hand.y() - 6.6 * std::sin(r));
    }
    f.push_back({ribs, Ink::None, Ink::Suit, 0.45});
    addHand(f, hand);
    return bake(f);
}

// Hearts: long fair hair, a low coronet of pearls, a rose held up.
Figure makeQueenOfHearts()
{
    std::vector<Layer> f;
    QPainterPath hair;
    hair.moveTo(29.2, 22.0);
    hair.cubicTo(28.6, 15.6, 42.4, 15.6, 41.8, 22.0);
    hair.lineTo(43.6, 33.4);
    hair.cubicTo(40.0, 34.8, 31.0, 34.8, 27.4, 33.4);
    hair.closeSubpath();
    f.push_back({hair, Ink::Blonde, Ink::Line, kOutline});
    addRobe(f, Suit::Hearts, 6.0, kQueenShoulder, kQueenHalf, 36.8, 3.1);
    addNeckline(f, Ink::Gold);
    f.push_back({dots({{32.6, 30.6}, {34.0, 31.6}, {35.5, 32.0}, {37.0, 31.6}, {38.4, 30.6}}, 0.55),
                 Ink::White, Ink::Line, 0.25});
    addFace(f, 23.2, 4.2, 4.9);
    QPainterPath fringe;
    fringe.moveTo(31.2, 22.6);
    fringe.cubicTo(31.0, 17.8, 40.0, 17.8, 39.8, 22.6);
    fringe.cubicTo(38.6, 19.9, 32.4, 19.9, 31.2, 22.6);
    fringe.closeSubpath();
    f.push_back({fringe, Ink::Blonde, Ink::Line, 0.4});
    f.push_back({dots({{32.6, 25.2}, {38.4, 25.2}}, 0.9), Ink::Cheek, Ink::None, 0.0});
    f.push_back({ellipse(kMid, 26.4, 1.1, 0.55), Ink::Rose, Ink::None, 0.0});
    QPainterPath coronet;
    coronet.moveTo(30.8, 18.6);
    coronet.lineTo(30.8, 16.4);
    coronet.quadTo(31.6, 13.4, 33.2, 15.6);
    coronet.quadTo(kMid, 11.6, 37.8, 15.6);
    coronet.quadTo(39.4, 13.4, 40.2, 16.4);
    coronet.lineTo(40.2, 18.6);
    coronet.closeSubpath();
    f.push_back({coronet, Ink::Gold, Ink::GoldDark, kOutline});
    f.push_back(
        {dots({{31.6, 14.1}, {kMid, 12.0}, {39.4, 14.1}}, 0.8), Ink::White, Ink::GoldDark, 0.35});
    f.push_back({suitSigns(Suit::Hearts, {{kMid, 16.9}}, 2.2), Ink::Rose, Ink::None, 0.0});
    const QPointF hand = addArm(f, kQueenShoulder, kQueenHalf, 40.0, Ink::Gold);
    QPainterPath stem;
    stem.moveTo(hand.x(), hand.y() + 1.0);
    stem.cubicTo(hand.x() + 0.6, 35.0, hand.x() - 0.2, 31.0, hand.x() + 0.6, 26.5);
    f.push_back({stem, Ink::None, Ink::Leaf, 0.8});
    f.push_back({ellipse(hand.x() - 1.3, 31.5, 1.6, 0.8), Ink::Leaf, Ink::None, 0.0});
    const qreal fx = hand.x() + 0.6;
    constexpr qreal fy = 25.2;
    f.push_back({dots({{fx, fy - 1.7},
                       {fx + 1.7, fy - 0.5},
                       {fx + 1.1, fy + 1.5},
                       {fx - 1.1, fy + 1.5},
                       {fx - 1.7, fy - 0.5}},
                      1.25),
                 Ink::Rose, Ink::Line, 0.3});
    f.push_back({ellipse(fx, fy, 0.9, 0.9), Ink::Gold, Ink::None, 0.0});
    addHand(f, hand);
    return bake(f);
}

// Spades: a black veil over a white wimple that hides her hair, a small crown, a sceptre.
Figure makeQueenOfSpades()
{
    std::vector<Layer> f;
    QPainterPath veil;
    veil.moveTo(28.0, 20.0);
    veil.cubicTo(28.0, 12.6, 43.0, 12.6, 43.0, 20.0);
    veil.lineTo(46.4, 34.6);
    veil.cubicTo(40.0, 36.0, 31.0, 36.0, 24.6, 34.6);
    veil.closeSubpath();
    f.push_back({veil, Ink::Suit, Ink::Grey, 0.7});
    addRobe(f, Suit::Spades, 6.0, kQueenShoulder, kQueenHalf, 36.8, 3.1);
    QPainterPath wimple;
    wimple.moveTo(29.6, 21.0);
    wimple.cubicTo(29.6, 15.4, 41.4, 15.4, 41.4, 21.0);
    wimple.cubicTo(41.4, 28.0, 40.6, 33.6, kMid, 33.6);
    wimple.cubicTo(30.4, 33.6, 29.6, 28.0, 29.6, 21.0);
    wimple.closeSubpath();
    f.push_back({wimple, Ink::White, Ink::Line, kOutline});
    addFace(f, 23.2, 4.0, 4.7);
    f.push_back({ellipse(kMid, 26.5, 1.0, 0.45), Ink::Rose, Ink::None, 0.0});
    f.push_back({line({33.0, 21.6}, {34.4, 21.9}), Ink::None, Ink::Line, 0.4});
    f.push_back({line({38.0, 21.6}, {36.6, 21.9}), Ink::None, Ink::Line, 0.4});
    f.push_back({polygon({{31.4, 17.4},
                          {31.4, 14.4},
                          {33.4, 15.8},
                          {kMid, 13.0},
                          {37.6, 15.8},
                          {39.6, 14.4},
                          {39.6, 17.4}}),
                 Ink::Gold, Ink::GoldDark, kOutline});
    f.push_back({suitSigns(Suit::Spades, {{kMid, 11.4}}, 2.4), Ink::Gold, Ink::GoldDark, 0.3});
    f.push_back({dots({{kMid, 37.6}, {kMid, 40.0}}, 0.6), Ink::White, Ink::Line, 0.25});
    const QPointF hand = addArm(f, kQueenShoulder, kQueenHalf, 40.6, Ink::Grey);
    QPainterPath rod;
    rod.addRect(QRectF(hand.x() - 0.55, 15.0, 1.1, 34.0));
    f.push_back({rod, Ink::Gold, Ink::GoldDark, 0.35});
    f.push_back({ellipse(hand.x(), 14.2, 1.5, 1.5), Ink::Gold, Ink::GoldDark, 0.4});
    f.push_back({suitSigns(Suit::Spades, {{hand.x(), 11.0}}, 3.0), Ink::Gold, Ink::GoldDark, 0.35});
    addHand(f, hand);
    return bake(f);
}

// Jacks ---------------------------------------------------------------------------------

constexpr qreal kJackShoulder = 30.5;
constexpr qreal kJackHalf = 15.0;

void addDoublet(std::vector<Layer> &f, Suit suit, Ink collar)
{
    addRobe(f, suit, 5.5, kJackShoulder, kJackHalf, 31.0, 3.6);
    f.push_back({polygon({{33.6, 26.5}, {37.4, 26.5}, {37.4, 31.0}, {33.6, 31.0}}), Ink::Skin,
                 Ink::None, 0.0});
    f.push_back(
        {polygon(
             {{30.6, 30.0}, {kMid, 33.4}, {40.4, 30.0}, {42.0, 31.8}, {kMid, 36.2}, {29.0, 31.8}}),
         collar, Ink::Line, kOutline});
}

// Clubs: brown hair, a soft cap worn at a tilt with a white plume, a staff with a green
// pennant.
Figure makeJackOfClubs()
{
    std::vector<Layer> f;
    f.push_back({ellipse(kMid, 22.5, 5.6, 5.6), Ink::Hair, Ink::Line, kOutline});
    f.push_back({dots({{30.2, 26.4}, {40.8, 26.4}}, 1.7), Ink::Hair, Ink::Line, 0.4});
    addDoublet(f, Suit::Clubs, Ink::White);
    addFace(f, 23.0, 4.3, 4.9);
    addMouth(f, kMid, 26.0, 1.1);
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
    f.push_back({cap, Ink::Green, Ink::Line, kOutline});
    f.push_back({polygon({{28.4, 18.0}, {43.0, 18.0}, {43.0, 19.8}, {28.4, 19.8}}), Ink::Gold,
                 Ink::GoldDark, 0.4});
    const QPointF hand = addArm(f, kJackShoulder, kJackHalf, 38.6, Ink::Gold);
    QPainterPath staff;
    staff.addRect(QRectF(hand.x() - 0.6, 11.6, 1.2, 37.4));
    f.push_back({staff, Ink::Wood, Ink::Line, 0.35});
    f.push_back({ellipse(hand.x(), 11.0, 1.0, 1.0), Ink::Gold, Ink::GoldDark, 0.35});
    QPainterPath pennant;
    pennant.moveTo(hand.x() + 0.6, 12.6);
    pennant.lineTo(hand.x() + 8.0, 14.4);
    pennant.lineTo(hand.x() + 5.4, 15.6);
    pennant.lineTo(hand.x() + 8.0, 17.2);
    pennant.lineTo(hand.x() + 0.6, 18.4);
    pennant.closeSubpath();
    f.push_back({pennant, Ink::Green, Ink::Gold, 0.5});
    addHand(f, hand);
    return bake(f);
}

// Diamonds: ginger hair and moustache, face turned aside, a wide flat beret, and a purse
// of money held at his side.
Figure makeJackOfDiamonds()
{
    std::vector<Layer> f;
    f.push_back({ellipse(kMid - 1.2, 23.0, 5.6, 5.6), Ink::Auburn, Ink::Line, kOutline});
    addDoublet(f, Suit::Diamonds, Ink::Gold);
    addFace(f, 23.2, 4.3, 4.9, 1.2);
    addMoustache(f, kMid + 1.2, 25.7, 2.2, Ink::Auburn);
    addMouth(f, kMid + 1.2, 27.1, 0.8);
    f.push_back({ellipse(kMid, 16.6, 8.6, 2.9), Ink::Suit, Ink::Line, kOutline});
    f.push_back({polygon({{29.6, 17.4}, {41.4, 17.4}, {41.4, 19.2}, {29.6, 19.2}}), Ink::Gold,
                 Ink::GoldDark, 0.4});
    f.push_back({suitSigns(Suit::Diamonds, {{kMid, 15.8}}, 2.4), Ink::Gold, Ink::None, 0.0});
    QPainterPath feather;
    feather.moveTo(40.0, 15.0);
    feather.cubicTo(43.0, 12.0, 46.0, 11.4, 48.4, 12.4);
    feather.cubicTo(46.4, 13.8, 43.6, 15.2, 40.6, 16.2);
    feather.closeSubpath();
    f.push_back({feather, Ink::White, Ink::Line, 0.4});
    const QPointF hand = addArm(f, kJackShoulder, kJackHalf, 39.0, Ink::Gold, true);
    QPainterPath purse;
    purse.moveTo(hand.x() - 1.2, hand.y() + 1.0);
    purse.cubicTo(hand.x() - 4.6, hand.y() + 3.0, hand.x() - 4.0, hand.y() + 8.2, hand.x(),
                  hand.y() + 8.2);
    purse.cubicTo(hand.x() + 4.0, hand.y() + 8.2, hand.x() + 4.6, hand.y() + 3.0, hand.x() + 1.2,
                  hand.y() + 1.0);
    purse.closeSubpath();
    f.push_back({purse, Ink::Wood, Ink::Line, 0.5});
    f.push_back(
        {suitSigns(Suit::Diamonds, {{hand.x(), hand.y() + 5.0}}, 3.0), Ink::Gold, Ink::None, 0.0});
    addHand(f, hand);
    return bake(f);
}

// Hearts: fair curls and a moustache, a cap with a turned-up white brim, a burning torch.
Figure makeJackOfHearts()
{
    std::vector<Layer> f;
    f.push_back(
        {dots({{30.0, 21.0}, {29.6, 24.4}, {30.6, 27.4}, {41.0, 21.0}, {41.4, 24.4}, {40.4, 27.4}},
              1.8),
         Ink::Blonde, Ink::Line, 0.4});
    addDoublet(f, Suit::Hearts, Ink::White);
    addFace(f, 23.0, 4.3, 4.9);
    addMoustache(f, kMid, 25.6, 2.4, Ink::Blonde);
    addMouth(f, kMid, 27.2, 0.9);
    QPainterPath crown;
    crown.moveTo(30.0, 18.6);
    crown.cubicTo(29.6, 11.0, 41.4, 11.0, 41.0, 18.6);
    crown.closeSubpath();
    f.push_back({crown, Ink::Suit, Ink::Line, kOutline});
    f.push_back({polygon({{29.0, 16.6}, {42.0, 16.6}, {41.4, 19.6}, {29.6, 19.6}}), Ink::White,
                 Ink::Line, 0.45});
    f.push_back({suitSigns(Suit::Hearts, {{kMid, 14.4}}, 2.6), Ink::Gold, Ink::None, 0.0});
    QPainterPath feather;
    feather.moveTo(32.0, 16.6);
    feather.cubicTo(28.6, 14.4, 27.4, 11.6, 28.0, 9.8);
    feather.cubicTo(29.8, 11.6, 31.4, 13.4, 33.0, 16.4);
    feather.closeSubpath();
    f.push_back({feather, Ink::Blue, Ink::Line, 0.4});
    const QPointF hand = addArm(f, kJackShoulder, kJackHalf, 38.6, Ink::White);
    QPainterPath handle;
    handle.addRect(QRectF(hand.x() - 0.7, 22.0, 1.4, 20.0));
    f.push_back({handle, Ink::Wood, Ink::Line, 0.35});
    f.push_back({polygon({{hand.x() - 2.0, 20.0},
                          {hand.x() + 2.0, 20.0},
                          {hand.x() + 1.0, 22.6},
                          {hand.x() - 1.0, 22.6}}),
                 Ink::Gold, Ink::GoldDark, 0.4});
    QPainterPath flame;
    flame.moveTo(hand.x() - 2.0, 20.0);
    flame.cubicTo(hand.x() - 2.8, 16.6, hand.x() - 0.4, 15.6, hand.x() - 0.6, 11.6);
    flame.cubicTo(hand.x() + 1.0, 13.6, hand.x() + 3.0, 15.6, hand.x() + 2.0, 20.0);
    flame.closeSubpath();
    f.push_back({flame, Ink::Flame, Ink::Line, 0.35});
    f.push_back({ellipse(hand.x(), 18.2, 0.9, 1.5), Ink::Gold, Ink::None, 0.0});
    addHand(f, hand);
    return bake(f);
}

// Spades: dark hair under a crested steel helmet, a spear, and a round shield before him.
Figure makeJackOfSpades()
{
    std::vector<Layer> f;
    f.push_back({ellipse(kMid, 23.4, 5.4, 5.4), Ink::Hair, Ink::Line, kOutline});
    addDoublet(f, Suit::Spades, Ink::Grey);
    addFace(f, 23.2, 4.3, 4.9);
    addMouth(f, kMid, 26.2, 1.0);
    QPainterPath helmet;
    helmet.moveTo(29.6, 19.8);
    helmet.cubicTo(29.6, 13.2, 41.4, 13.2, 41.4, 19.8);
    helmet.closeSubpath();
    f.push_back({helmet, Ink::Steel, Ink::Line, kOutline});
    QPainterPath crest;
    crest.moveTo(31.8, 15.6);
    crest.cubicTo(32.6, 11.0, 38.4, 11.0, 39.2, 15.6);
    crest.cubicTo(37.6, 14.2, 33.4, 14.2, 31.8, 15.6);
    crest.closeSubpath();
    f.push_back({crest, Ink::Purple, Ink::Line, 0.45});
    f.push_back({polygon({{27.8, 19.0}, {43.2, 19.0}, {42.4, 20.6}, {28.6, 20.6}}), Ink::Steel,
                 Ink::Line, 0.45});
    f.push_back(
        {dots({{32.0, 18.0}, {kMid, 17.6}, {39.0, 18.0}}, 0.45), Ink::Line, Ink::None, 0.0});
    const QPointF hand = addArm(f, kJackShoulder, kJackHalf, 38.6, Ink::Grey);
    QPainterPath shaft;
    shaft.addRect(QRectF(hand.x() - 0.6, 17.5, 1.2, 31.5));
    f.push_back({shaft, Ink::Wood, Ink::Line, 0.35});
    f.push_back(
        {polygon(
             {{hand.x(), 10.8}, {hand.x() + 1.9, 16.6}, {hand.x(), 18.2}, {hand.x() - 1.9, 16.6}}),
         Ink::Steel, Ink::Line, 0.45});
    addHand(f, hand);
    f.push_back({ellipse(24.0, 41.6, 5.0, 5.0), Ink::Steel, Ink::Line, 0.6});
    f.push_back({ellipse(24.0, 41.6, 3.6, 3.6), Ink::Purple, Ink::None, 0.0});
    f.push_back({suitSigns(Suit::Spades, {{24.0, 41.6}}, 3.6), Ink::Grey, Ink::None, 0.0});
    return bake(f);
}

// Figures are baked the first time their card is drawn, not all twelve at once.

} // namespace

const Figure &courtFigure(Suit suit, Rank rank)
{
    switch (static_cast<int>(suit) * 3 + static_cast<int>(rank) - static_cast<int>(Rank::King)) {
    case 0: {
        static const Figure f = makeKingOfClubs();
        return f;
    }
    case 1: {
        static const Figure f = makeQueenOfClubs();
        return f;
    }
    case 2: {
        static const Figure f = makeJackOfClubs();
        return f;
    }
    case 3: {
        static const Figure f = makeKingOfDiamonds();
        return f;
    }
    case 4: {
        static const Figure f = makeQueenOfDiamonds();
        return f;
    }
    case 5: {
        static const Figure f = makeJackOfDiamonds();
        return f;
    }
    case 6: {
        static const Figure f = makeKingOfHearts();
        return f;
    }
    case 7: {
        static const Figure f = makeQueenOfHearts();
        return f;
    }
    case 8: {
        static const Figure f = makeJackOfHearts();
        return f;
    }
    case 9: {
        static const Figure f = makeKingOfSpades();
        return f;
    }
    case 10: {
        static const Figure f = makeQueenOfSpades();
        return f;
    }
    default: {
        static const Figure f = makeJackOfSpades();
        return f;
    }
    }
}

} // namespace cards
