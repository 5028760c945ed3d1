#include "cards/CourtFigures.h"

#include <array>

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
    case Ink::Blonde: return {238, 214, 140}; // straw, well clear of the crowns' gold
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

// Each figure is baked the first time its card is drawn, not all twelve at once.
template <Figure (*make)()> const Figure &baked()
{
    static const Figure figure = make();
    return figure;
}

} // namespace

const Figure &courtFigure(Suit suit, Rank rank)
{
    using Getter = const Figure &(*)();
    static constexpr std::array<Getter, 12> figures{
        baked<makeKingOfClubs>,    baked<makeQueenOfClubs>,    baked<makeKnightOfClubs>,
        baked<makeKingOfDiamonds>, baked<makeQueenOfDiamonds>, baked<makeKnightOfDiamonds>,
        baked<makeKingOfHearts>,   baked<makeQueenOfHearts>,   baked<makeKnightOfHearts>,
        baked<makeKingOfSpades>,   baked<makeQueenOfSpades>,   baked<makeKnightOfSpades>};
    const int row =
        static_cast<int>(suit) * 3 + static_cast<int>(rank) - static_cast<int>(Rank::King);
    return figures[static_cast<std::size_t>(row)]();
}

} // namespace cards
