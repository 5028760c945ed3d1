#include "services/RandomGenerator.h"

#include "services/Clock.h"

namespace services {

void MersenneRandomGenerator::seed(quint64 seed)
{
    std::seed_seq sequence{static_cast<quint32>(seed), static_cast<quint32>(seed >> 32)};
    m_engine.seed(sequence);
}

float MersenneRandomGenerator::next()
{
    // 24 bits fill a float's mantissa exactly, so the result is never rounded up to 1.
    constexpr float kScale = 1.0F / 16777216.0F;
    return static_cast<float>(m_engine() >> 8) * kScale;
}

quint64 seedFromClock(const Clock &clock)
{
    return static_cast<quint64>(clock.now().toMSecsSinceEpoch());
}

} // namespace services
