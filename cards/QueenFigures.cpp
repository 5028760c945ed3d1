#include "cards/CourtFigures.h"
#include "cards/FigureKit.h"

#include <QPainterPath>
#include <QPointF>

namespace cards {

using namespace kit;

namespace {

constexpr qreal kQueenShoulder = 31.5;
constexpr qreal kQueenHalf = 15.5;

void addNeckline(std::vector<Layer> &f, Ink trim)
{
    // A neck about half the head's width, widening only where the neckline opens.
    f.push_back({polygon({{33.4, 27.5},
                          {37.6, 27.5},
                          {37.8, 30.0},
                          {40.4, 31.8},
                          {kMid, 35.8},
                          {30.6, 31.8},
                          {33.2, 30.0}}),
                 Ink::Skin, Ink::None, 0.0});
    QPainterPath neckline;
    neckline.moveTo(29.4, 31.3);
    neckline.cubicTo(31.4, 37.0, 39.6, 37.0, 41.6, 31.3);
    f.push_back({neckline, Ink::None, trim, 1.3});
}

} // namespace

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
    addGown(f, Suit::Clubs, 6.0, kQueenShoulder, kQueenHalf, 36.8);
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
    addGown(f, Suit::Diamonds, 6.0, kQueenShoulder, kQueenHalf, 36.8);
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
    // Pleats of alternating white and gold, so the fan stays a fan at the smallest size.
    constexpr qreal kFanRadius = 8.0;
    constexpr int kPleats = 6;
    const QRectF reach(hand.x() - kFanRadius, hand.y() - kFanRadius, 2.0 * kFanRadius,
                       2.0 * kFanRadius);
    for (int pleat = 0; pleat < kPleats; ++pleat) {
        QPainterPath wedge;
        wedge.moveTo(hand);
        wedge.arcTo(reach, 40.0 + pleat * 100.0 / kPleats, 100.0 / kPleats);
        wedge.closeSubpath();
        f.push_back({wedge, pleat % 2 == 0 ? Ink::White : Ink::Gold, Ink::Line, 0.4});
    }
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
    addGown(f, Suit::Hearts, 6.0, kQueenShoulder, kQueenHalf, 36.8);
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
    addGown(f, Suit::Spades, 6.0, kQueenShoulder, kQueenHalf, 36.8);
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
    const QPointF hand = addArm(f, kQueenShoulder, kQueenHalf, 40.6, Ink::Grey);
    QPainterPath rod;
    rod.addRect(QRectF(hand.x() - 0.55, 15.0, 1.1, 34.0));
    f.push_back({rod, Ink::Gold, Ink::GoldDark, 0.35});
    f.push_back({ellipse(hand.x(), 14.2, 1.5, 1.5), Ink::Gold, Ink::GoldDark, 0.4});
    f.push_back({suitSigns(Suit::Spades, {{hand.x(), 11.0}}, 3.0), Ink::Gold, Ink::GoldDark, 0.35});
    addHand(f, hand);
    return bake(f);
}

} // namespace cards
