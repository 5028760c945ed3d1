#include "cards/CourtFigures.h"
#include "cards/FigureKit.h"

#include <QPainterPath>
#include <QPointF>

#include <cmath>

namespace cards {

using namespace kit;

namespace {

constexpr qreal kKingShoulder = 31.0;
constexpr qreal kKingHalf = 16.5;

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

} // namespace

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
    // The orb's band and cross lie on whole pixels, so at 1x it is a ball under a cross and not
    // a gold smudge beside his sleeve.
    const QPointF orb(std::floor(hand.x()) + 0.5, hand.y() - 3.5);
    f.push_back({ellipse(orb.x(), orb.y(), 3.2, 3.2), Ink::Gold, Ink::Line, 0.6});
    f.push_back({polygon({{orb.x() - 2.8, orb.y() - 0.5},
                          {orb.x() + 2.8, orb.y() - 0.5},
                          {orb.x() + 2.8, orb.y() + 0.5},
                          {orb.x() - 2.8, orb.y() + 0.5}}),
                 Ink::GoldDark, Ink::None, 0.0});
    f.push_back({polygon({{orb.x() - 0.5, orb.y() - 2.8},
                          {orb.x() + 0.5, orb.y() - 2.8},
                          {orb.x() + 0.5, orb.y()},
                          {orb.x() - 0.5, orb.y()}}),
                 Ink::GoldDark, Ink::None, 0.0});
    QPainterPath cross;
    cross.addRect(QRectF(orb.x() - 0.5, orb.y() - 8.0, 1.0, 5.0));
    cross.addRect(QRectF(orb.x() - 1.5, orb.y() - 7.0, 3.0, 1.0));
    f.push_back({cross.simplified(), Ink::Gold, Ink::None, 0.0});
    addHand(f, hand);
    return bake(f);
}

// Diamonds: face turned aside, a short pointed beard, a crown of square battlements over a
// red cap, a gold chain, and a long-hafted axe.
Figure makeKingOfDiamonds()
{
    std::vector<Layer> f;
    addRobe(f, Suit::Diamonds, 6.0, kKingShoulder, kKingHalf, 33.0, 4.3);
    QPainterPath chain;
    chain.moveTo(25.0, 31.2);
    chain.cubicTo(29.0, 37.6, 42.0, 37.6, 46.0, 31.2);
    f.push_back({polygon({{33.2, 26.0}, {38.4, 26.0}, {38.8, 31.4}, {32.8, 31.4}}), Ink::Skin,
                 Ink::Line, 0.4});
    f.push_back({chain, Ink::None, Ink::GoldDark, 1.9});
    f.push_back({chain, Ink::None, Ink::Gold, 1.1});
    f.push_back({suitSigns(Suit::Diamonds, {{kMid, 37.2}}, 3.2), Ink::Gold, Ink::GoldDark, 0.4});
    // Hair at the nape, the side the face turns away from.
    f.push_back({ellipse(kMid + 1.4, 23.4, 5.6, 5.8), Ink::Hair, Ink::Line, kOutline});
    addFace(f, 23.0, 4.5, 5.2, -1.2);
    QPainterPath beard;
    beard.moveTo(31.0, 23.4);
    beard.cubicTo(31.0, 27.6, 32.2, 30.2, 33.8, 31.6);
    beard.cubicTo(35.8, 30.4, 38.6, 28.0, 39.8, 24.4);
    beard.cubicTo(38.0, 26.6, 36.2, 26.6, 34.0, 26.4);
    beard.cubicTo(32.6, 26.2, 31.6, 25.4, 31.0, 23.4);
    beard.closeSubpath();
    f.push_back({beard, Ink::Hair, Ink::Line, 0.45});
    addMoustache(f, kMid - 1.2, 25.6, 2.6, Ink::Hair);
    addMouth(f, kMid - 1.2, 27.3, 0.9);
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
    // The blade keeps its width up past his crown and narrows only at the point.
    const QPointF shoulder = tip - u * 2.6;
    f.push_back(
        {polygon({guard + n * 0.9, shoulder + n * 0.9, tip, shoulder - n * 0.9, guard - n * 0.9}),
         Ink::Steel, Ink::Line, 0.45});
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
// harp against his side: a heavy gold frame, open between the strings, so it reads as a harp
// and not a box at the smallest size.
Figure makeKingOfSpades()
{
    std::vector<Layer> f;
    addRobe(f, Suit::Spades, 6.0, kKingShoulder, kKingHalf, 33.0, 4.3);
    // A short cape over the robe's own shoulder curves, so it lies on his shoulders and follows
    // their slope instead of standing out past them.
    constexpr qreal neck = 6.0;
    constexpr qreal side = kKingShoulder + 6.0;
    QPainterPath cape;
    cape.moveTo(kMid - neck, kKingShoulder);
    cape.quadTo(kMid - kKingHalf, kKingShoulder + 0.3, kMid - kKingHalf, side);
    cape.quadTo(kMid, side + 4.6, kMid + kKingHalf, side);
    cape.quadTo(kMid + kKingHalf, kKingShoulder + 0.3, kMid + neck, kKingShoulder);
    cape.closeSubpath();
    f.push_back({cape, Ink::Purple, Ink::Grey, 0.7});
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
    // Pillar on the viewer's left, the sound box slanting up to the right, and the curved neck
    // joining their tops.
    const QPointF foot(hand.x() - 1.0, 47.0);
    const QPointF pillarTop(hand.x() - 4.2, 33.6);
    const QPointF boxTop(hand.x() + 4.6, 32.0);
    QPainterPath frame;
    frame.moveTo(foot);
    frame.quadTo(hand.x() - 4.6, 41.0, pillarTop.x(), pillarTop.y());
    frame.cubicTo(hand.x() - 2.0, 31.0, hand.x() + 1.0, 35.6, boxTop.x(), boxTop.y());
    frame.lineTo(foot);
    QPainterPath strings;
    for (const qreal t : {0.3, 0.55, 0.8}) {
        const QPointF low = foot + (boxTop - foot) * t;
        strings.moveTo(low);
        strings.lineTo(low.x(), 35.0 - t * 1.4);
    }
    f.push_back({strings, Ink::None, Ink::White, 0.45});
    f.push_back({frame, Ink::None, Ink::GoldDark, 2.0});
    f.push_back({frame, Ink::None, Ink::Gold, 1.2});
    addHand(f, hand);
    return bake(f);
}

} // namespace cards
