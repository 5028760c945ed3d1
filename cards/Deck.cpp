#include "cards/Deck.h"

#include "cards/CardTexts.h"

#include <QCoreApplication>

#include <array>

namespace cards {

namespace {

constexpr const char *kNameContext = "CardName";

// The Knight is named in the plural and the Diamonds suit in the singular, as the deck has
// always shown them.
constexpr std::array<const char *, 13> kRankWords = {
    //: Rank of a playing card, in "%1 Of %2"
    QT_TRANSLATE_NOOP("CardName", "Ace"), QT_TRANSLATE_NOOP("CardName", "Two"),
    QT_TRANSLATE_NOOP("CardName", "Three"), QT_TRANSLATE_NOOP("CardName", "Four"),
    QT_TRANSLATE_NOOP("CardName", "Five"), QT_TRANSLATE_NOOP("CardName", "Six"),
    QT_TRANSLATE_NOOP("CardName", "Seven"), QT_TRANSLATE_NOOP("CardName", "Eight"),
    QT_TRANSLATE_NOOP("CardName", "Nine"), QT_TRANSLATE_NOOP("CardName", "Ten"),
    QT_TRANSLATE_NOOP("CardName", "King"), QT_TRANSLATE_NOOP("CardName", "Queen"),
    //: The lowest court card (the Jack), in "%1 Of %2"
    QT_TRANSLATE_NOOP("CardName", "Knights")};
constexpr std::array<const char *, 4> kSuitWords = {
    //: Suit of a playing card, in "%1 Of %2"
    QT_TRANSLATE_NOOP("CardName", "Clubs"), QT_TRANSLATE_NOOP("CardName", "Diamond"),
    QT_TRANSLATE_NOOP("CardName", "Hearts"), QT_TRANSLATE_NOOP("CardName", "Spades")};
constexpr std::array<const char *, 4> kSeasons = {
    //: Season of a card's favourable period, in "%1 week of %2."
    QT_TRANSLATE_NOOP("CardName", "the spring season"), QT_TRANSLATE_NOOP("CardName", "fall"),
    QT_TRANSLATE_NOOP("CardName", "the summer season"),
    QT_TRANSLATE_NOOP("CardName", "the winter season")};
// The weeks a favourable period can name; the court cards count theirs backwards from the end
// of the season.
constexpr std::array<const char *, 13> kOrdinals = {
    //: Week number of a card's favourable period, in "%1 week of %2."
    QT_TRANSLATE_NOOP("CardName", "1st"),  QT_TRANSLATE_NOOP("CardName", "2nd"),
    QT_TRANSLATE_NOOP("CardName", "3rd"),  QT_TRANSLATE_NOOP("CardName", "4th"),
    QT_TRANSLATE_NOOP("CardName", "5th"),  QT_TRANSLATE_NOOP("CardName", "6th"),
    QT_TRANSLATE_NOOP("CardName", "7th"),  QT_TRANSLATE_NOOP("CardName", "8th"),
    QT_TRANSLATE_NOOP("CardName", "9th"),  QT_TRANSLATE_NOOP("CardName", "10th"),
    QT_TRANSLATE_NOOP("CardName", "11th"), QT_TRANSLATE_NOOP("CardName", "12th"),
    QT_TRANSLATE_NOOP("CardName", "13th")};
constexpr std::array<int, 13> kWeekOfRank = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 12, 11};

QString translated(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

QString reading(const char *source)
{
    return translated("CardReading", source);
}

std::size_t rankSlot(int index)
{
    return static_cast<std::size_t>(rankPosition(index) - 1);
}

std::size_t suitSlot(int index)
{
    return static_cast<std::size_t>(suitOf(index));
}

} // namespace

QString cardName(int index)
{
    //: A playing card's name: %1 is its rank, %2 its suit
    return QCoreApplication::translate("CardName", "%1 Of %2")
        .arg(translated(kNameContext, kRankWords[rankSlot(index)]),
             translated(kNameContext, kSuitWords[suitSlot(index)]));
}

QString englishCardName(int index)
{
    return QLatin1StringView(kRankWords[rankSlot(index)]) + QLatin1StringView(" Of ")
           + QLatin1StringView(kSuitWords[suitSlot(index)]);
}

QString favourablePeriod(int index)
{
    const int week = kWeekOfRank[rankSlot(index)];
    //: A card's favourable time of the year: %1 is the week's number, %2 the season
    return QCoreApplication::translate("CardName", "%1 week of %2.")
        .arg(translated(kNameContext, kOrdinals[static_cast<std::size_t>(week - 1)]),
             translated(kNameContext, kSeasons[suitSlot(index)]));
}

Card card(int index)
{
    const CardText &text = kCardTexts[static_cast<std::size_t>(index - 1)];
    return {cardName(index), reading(text.description), reading(text.keywords),
            favourablePeriod(index)};
}

QString cardQuestion(int index)
{
    return reading(kCardTexts[static_cast<std::size_t>(index - 1)].question);
}

} // namespace cards
