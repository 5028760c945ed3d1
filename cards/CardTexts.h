#pragma once

#include <array>

namespace cards {

// The English words of a card's reading, each the source text of its translation in the
// "CardReading" context. Plain single-line ASCII text.
struct CardText {
    const char *description;
    const char *keywords;
    // A prompt for the day's note in the journal: one short question of the card's own.
    const char *question;
};

// Entry k - 1 belongs to card k (deck order: Clubs 1-13, Diamonds 14-26, Hearts 27-39,
// Spades 40-52; within a suit Ace, Two ... Ten, King, Queen, Knight).
extern const std::array<CardText, 52> kCardTexts;

} // namespace cards
