#pragma once

namespace cards {

// The card for a uniform random value 0 <= r < 1: floor(r * 52 + 1), in single precision,
// so r in [(k - 1) / 52, k / 52) gives card k.
int cardForRandom(float r);

} // namespace cards
