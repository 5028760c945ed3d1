#pragma once

#include <QtGlobal>

#include <random>

namespace services {

class Clock;

// Uniform numbers in [0, 1), in single precision.
class RandomGenerator {
public:
    virtual ~RandomGenerator() = default;
    virtual void seed(quint64 seed) = 0;
    virtual float next() = 0;
};

class MersenneRandomGenerator final : public RandomGenerator {
public:
    void seed(quint64 seed) override;
    float next() override;

private:
    std::mt19937 m_engine;
};

// A seed that differs from run to run.
quint64 seedFromClock(const Clock &clock);

} // namespace services
