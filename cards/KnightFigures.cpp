#include "cards/CourtFigures.h"
#include "cards/FigureKit.h"

#include <QPainterPath>
#include <QPointF>

namespace cards {

using namespace kit;

namespace {

constexpr qreal kKnightShoulder = 30.5;
constexpr qreal kKnightHalf = 15.0;

void addDoublet(std::vector<Layer> &f, Suit suit, Ink collar)
{
    addTabard(f, suit, 5.5, kKnightShoulder, kKnightHalf, 31.0);
    f.push_back({polygon({{33.6, 26.5}, {37.4, 26.5}, {37.4, 31.0}, {33.6, 31.0}}), Ink::Skin,
                 Ink::None, 0.0});
    f.push_back(
        {polygon(
             {{30.6, 30.0}, {kMid, 33.4}, {40.4, 30.0}, {42.0, 31.8}, {kMid, 36.2}, {29.0, 31.8}}),
         collar, Ink::Line, kOutline});
}

} // namespace

// Clubs: brown hair, a soft cap worn at a tilt with a white plume, a staff with a green
// pennant.
Figure makeKnightOfClubs()
{
    std::vector<Layer> f;
    f.push_back({ellipse(kMid, 22.5, 5.6, 5.6), Ink::Hair, Ink::Line, kOutline});
    f.push_back({dots({{30.2, 26.4}, {40.8, 26.4}}, 1.7), Ink::Hair, Ink::Line, 0.4});
    addDoublet(f, Suit::Clubs, Ink::White);
    addFace(f, 23.0, 4.3, 4.9);
    addMouth(f, kMid, 26.0, 1.1);
    // A red plume, broad enough to keep its shape at 1x against the cream ground, which a
    // white one melted into.
    QPainterPath plume;
    plume.moveTo(33.4, 15.8);
    plume.cubicTo(32.8, 12.0, 30.0, 9.6, 25.8, 9.4);
    plume.cubicTo(26.2, 12.6, 27.4, 15.2, 29.6, 17.2);
    plume.closeSubpath();
    f.push_back({plume, Ink::Rose, Ink::Line, 0.6});
    f.push_back({line({31.6, 16.2}, {27.2, 10.6}), Ink::None, Ink::Line, 0.5});
    QPainterPath cap;
    cap.moveTo(28.2, 19.2);
    cap.cubicTo(27.2, 13.0, 39.0, 11.2, 44.2, 15.6);
    cap.cubicTo(45.4, 16.8, 44.6, 19.2, 42.8, 19.2);
    cap.closeSubpath();
    f.push_back({cap, Ink::Green, Ink::Line, kOutline});
    f.push_back({polygon({{28.4, 18.0}, {43.0, 18.0}, {43.0, 19.8}, {28.4, 19.8}}), Ink::Gold,
                 Ink::GoldDark, 0.4});
    const QPointF hand = addArm(f, kKnightShoulder, kKnightHalf, 38.6, Ink::Gold);
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

// Diamonds: young and clean-shaven, looking straight out, long auburn hair under a blue
// beret with a white feather, and a tied money pouch held up in his hand.
Figure makeKnightOfDiamonds()
{
    std::vector<Layer> f;
    QPainterPath hair;
    hair.moveTo(29.8, 22.0);
    hair.cubicTo(29.0, 15.6, 42.0, 15.6, 41.2, 22.0);
    hair.lineTo(41.8, 28.6);
    hair.cubicTo(39.6, 29.6, 31.4, 29.6, 29.2, 28.6);
    hair.closeSubpath();
    f.push_back({hair, Ink::Auburn, Ink::Line, kOutline});
    addDoublet(f, Suit::Diamonds, Ink::Gold);
    addFace(f, 23.2, 4.2, 4.9);
    addMouth(f, kMid, 26.4, 1.0);
    f.push_back({ellipse(kMid + 0.8, 16.4, 7.4, 2.8), Ink::Blue, Ink::Line, kOutline});
    f.push_back({polygon({{29.8, 17.4}, {41.2, 17.4}, {41.2, 19.2}, {29.8, 19.2}}), Ink::Gold,
                 Ink::GoldDark, 0.4});
    f.push_back({suitSigns(Suit::Diamonds, {{kMid, 18.3}}, 2.0), Ink::Suit, Ink::None, 0.0});
    // A green feather, wide enough at 1x to read as one against the cream ground.
    QPainterPath feather;
    feather.moveTo(31.4, 15.0);
    feather.cubicTo(28.6, 11.4, 25.2, 10.8, 22.6, 12.0);
    feather.cubicTo(24.4, 14.6, 27.4, 16.6, 30.8, 17.2);
    feather.closeSubpath();
    f.push_back({feather, Ink::Green, Ink::Line, 0.6});
    f.push_back({line({30.4, 16.0}, {23.6, 12.2}), Ink::None, Ink::Line, 0.45});
    const QPointF hand = addArm(f, kKnightShoulder, kKnightHalf, 36.6, Ink::Gold, true);
    // A round pouch hanging from his fist, tied at the neck with a gold cord, its mouth frilled
    // out above in two ears, and a coin showing: a purse by its outline alone at 1x.
    const QPointF fist = hand;
    QPainterPath ears;
    ears.moveTo(fist.x(), fist.y() - 0.8);
    ears.quadTo(fist.x() - 2.2, fist.y() - 4.8, fist.x() - 3.6, fist.y() - 3.2);
    ears.quadTo(fist.x() - 2.6, fist.y() - 1.4, fist.x(), fist.y() - 0.2);
    ears.quadTo(fist.x() + 2.6, fist.y() - 1.4, fist.x() + 3.6, fist.y() - 3.2);
    ears.quadTo(fist.x() + 2.2, fist.y() - 4.8, fist.x(), fist.y() - 0.8);
    ears.closeSubpath();
    f.push_back({ears, Ink::Wood, Ink::Line, 0.5});
    f.push_back({ellipse(fist.x(), fist.y() - 2.9, 1.1, 1.1), Ink::Gold, Ink::GoldDark, 0.35});
    QPainterPath pouch;
    pouch.moveTo(fist.x() - 1.2, fist.y() + 1.2);
    pouch.cubicTo(fist.x() - 5.4, fist.y() + 2.6, fist.x() - 5.0, fist.y() + 8.6, fist.x(),
                  fist.y() + 8.6);
    pouch.cubicTo(fist.x() + 5.0, fist.y() + 8.6, fist.x() + 5.4, fist.y() + 2.6, fist.x() + 1.2,
                  fist.y() + 1.2);
    pouch.closeSubpath();
    f.push_back({pouch, Ink::Wood, Ink::Line, 0.6});
    f.push_back(
        {suitSigns(Suit::Diamonds, {{fist.x(), fist.y() + 5.4}}, 3.6), Ink::Gold, Ink::None, 0.0});
    addHand(f, hand);
    f.push_back({polygon({{fist.x() - 1.8, fist.y() + 1.0},
                          {fist.x() + 1.8, fist.y() + 1.0},
                          {fist.x() + 1.8, fist.y() + 2.0},
                          {fist.x() - 1.8, fist.y() + 2.0}}),
                 Ink::Gold, Ink::GoldDark, 0.3});
    return bake(f);
}

// Hearts: fair curls and a moustache, a cap with a turned-up white brim, a burning torch.
Figure makeKnightOfHearts()
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
    const QPointF hand = addArm(f, kKnightShoulder, kKnightHalf, 38.6, Ink::White);
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

// Spades: dark hair under a crested steel helmet, a spear, and a round shield on his arm.
Figure makeKnightOfSpades()
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
    const QPointF hand = addArm(f, kKnightShoulder, kKnightHalf, 38.6, Ink::Grey);
    QPainterPath shaft;
    shaft.addRect(QRectF(hand.x() - 0.6, 17.5, 1.2, 31.5));
    f.push_back({shaft, Ink::Wood, Ink::Line, 0.35});
    f.push_back(
        {polygon(
             {{hand.x(), 10.8}, {hand.x() + 1.9, 16.6}, {hand.x(), 18.2}, {hand.x() - 1.9, 16.6}}),
         Ink::Steel, Ink::Line, 0.45});
    addHand(f, hand);
    // The shield hangs on his other forearm, covering the fist that holds it.
    const QPointF shieldHand = addArm(f, kKnightShoulder, kKnightHalf, 39.6, Ink::Grey, true);
    const QPointF boss(shieldHand.x() + 0.4, shieldHand.y() + 0.8);
    f.push_back({ellipse(boss.x(), boss.y(), 5.0, 5.0), Ink::Steel, Ink::Line, 0.6});
    f.push_back({ellipse(boss.x(), boss.y(), 3.6, 3.6), Ink::Purple, Ink::None, 0.0});
    f.push_back({suitSigns(Suit::Spades, {boss}, 3.6), Ink::Grey, Ink::None, 0.0});
    return bake(f);
}

} // namespace cards
