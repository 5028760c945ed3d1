#pragma once

#include <QString>

namespace cards {

inline constexpr int kDeckSize = 52;

constexpr bool isCardIndex(int index)
{
    return index >= 1 && index <= kDeckSize;
}

enum class Suit { Clubs, Diamonds, Hearts, Spades };

// Deck order within a suit; the Knight, the lowest court card, comes last.
enum class Rank {
    Ace = 1,
    Two,
    Three,
    Four,
    Five,
    Six,
    Seven,
    Eight,
    Nine,
    Ten,
    King,
    Queen,
    Knight
};

// Within a suit: Ace 1, Two 2 ... Ten 10, King 11, Queen 12, Knight 13.
constexpr int rankPosition(int index)
{
    return (index - 1) % 13 + 1;
}

constexpr Rank rankOf(int index)
{
    return static_cast<Rank>(rankPosition(index));
}

constexpr Suit suitOf(int index)
{
    return static_cast<Suit>((index - 1) / 13);
}

struct Card {
    QString name;
    QString description;
    QString keywords;
    QString favourablePeriod;
};

// Everything shown about card `index` (1 to 52).
Card card(int index);
QString cardName(int index);
// The name in English whatever the language, as files written under any language may give it.
QString englishCardName(int index);
QString favourablePeriod(int index);
// The journal's prompt for a note on a day of card `index` (1 to 52); not part of the card panel.
QString cardQuestion(int index);

} // namespace cards
