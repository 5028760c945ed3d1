#pragma once

#include <array>
#include <string_view>

namespace cards {

// The words of a card's reading. Plain single-line ASCII text.
struct CardText {
    std::string_view description;
    std::string_view keywords;
    // A prompt for the day's note in the journal: one short question of the card's own.
    std::string_view question;
};

// Entry k - 1 belongs to card k (deck order: Clubs 1-13, Diamonds 14-26, Hearts 27-39,
// Spades 40-52; within a suit Ace, Two ... Ten, King, Queen, Knight).
extern const std::array<CardText, 52> kCardTexts;

} // namespace cards
