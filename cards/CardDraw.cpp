#include "cards/CardDraw.h"

#include "cards/Deck.h"

#include <algorithm>
#include <cmath>

namespace cards {

int cardForRandom(float r)
{
    const float scaled = r * static_cast<float>(kDeckSize) + 1.0F;
    // A generator that broke its [0, 1) promise must still name a card.
    return std::clamp(static_cast<int>(std::floor(scaled)), 1, kDeckSize);
}

} // namespace cards
