#pragma once

// The twelve court figures, each the upper half of a court card's panel, built the first time
// its card is drawn. Internal to the cards library.

#include "cards/SuitShapes.h"

#include <QColor>
#include <QPainterPath>

#include <vector>

namespace cards {

enum class Ink : unsigned char {
    None,
    Suit,
    Gold,
    GoldDark,
    Skin,
    SkinShade,
    Hair,
    Blonde,
    Auburn,
    Grey,
    Blue,
    Green,
    Purple,
    White,
    Line,
    Rose,
    Cheek,
    Leaf,
    Steel,
    Wood,
    Flame,
};

QColor inkColour(Ink ink, const QColor &suit);

// What a court card replays: outlines are turned into filled shapes once, up front, so
// painting a figure is nothing but fills.
struct Shape {
    QPainterPath path;
    Ink ink;
};

using Figure = std::vector<Shape>;

// The figure of a King, Queen or Knight, built the first time it is asked for.
const Figure &courtFigure(Suit suit, Rank rank);

// Each builds its figure afresh, as a list of shapes in face coordinates: the upper half of the
// card's panel, which the face replays twice, the second time turned.
Figure makeKingOfClubs();
Figure makeKingOfDiamonds();
Figure makeKingOfHearts();
Figure makeKingOfSpades();
Figure makeQueenOfClubs();
Figure makeQueenOfDiamonds();
Figure makeQueenOfHearts();
Figure makeQueenOfSpades();
Figure makeKnightOfClubs();
Figure makeKnightOfDiamonds();
Figure makeKnightOfHearts();
Figure makeKnightOfSpades();

} // namespace cards
