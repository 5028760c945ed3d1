#include "cards/Deck.h"

#include "cards/CardTexts.h"

#include <array>

using namespace Qt::StringLiterals;

namespace cards {

namespace {

// The Knight is named in the plural and the Diamonds suit in the singular, as the deck has
// always shown them.
constexpr std::array<const char *, 13> kRankWords = {"Ace",  "Two",   "Three",  "Four", "Five",
                                                     "Six",  "Seven", "Eight",  "Nine", "Ten",
                                                     "King", "Queen", "Knights"};
constexpr std::array<const char *, 4> kSuitWords = {"Clubs", "Diamond", "Hearts", "Spades"};
constexpr std::array<const char *, 4> kSeasons = {"the spring season", "fall", "the summer season",
                                                  "the winter season"};
// The court cards count their weeks backwards from the end of the season.
constexpr std::array<int, 13> kWeekOfRank = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 12, 11};

QString ordinal(int n)
{
    const char *suffix = "th";
    if (n % 100 < 11 || n % 100 > 13) {
        switch (n % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return QString::number(n) + QLatin1String(suffix);
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString cardName(int index)
{
    const auto suit = static_cast<std::size_t>(suitOf(index));
    const auto rank = static_cast<std::size_t>(rankPosition(index) - 1);
    return QLatin1String(kRankWords[rank]) + " Of "_L1 + QLatin1String(kSuitWords[suit]);
}

QString favourablePeriod(int index)
{
    const auto suit = static_cast<std::size_t>(suitOf(index));
    const int week = kWeekOfRank[static_cast<std::size_t>(rankPosition(index) - 1)];
    return ordinal(week) + " week of "_L1 + QLatin1String(kSeasons[suit]) + u'.';
}

Card card(int index)
{
    const CardText &text = kCardTexts[static_cast<std::size_t>(index - 1)];
    return {cardName(index), toQString(text.description), toQString(text.keywords),
            favourablePeriod(index)};
}

QString cardQuestion(int index)
{
    return toQString(kCardTexts[static_cast<std::size_t>(index - 1)].question);
}

} // namespace cards
