#include "app/SecondTicker.h"

#include "services/Clock.h"

namespace app {

namespace {

// Wake a little after the second turns, so an early timer never lands in the old second.
constexpr int kMarginMs = 5;
// A repeating timer keeps its phase against the steady clock; the wall clock may slew or be
// set. Past this far into the second the timer is aligned afresh.
constexpr int kLatestPhaseMs = 100;
constexpr int kSecondMs = 1000;

} // namespace

SecondTicker::SecondTicker(const services::Clock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SecondTicker::fire);
}

int SecondTicker::delayToNextSecond(int msecOfSecond)
{
    return kSecondMs - msecOfSecond + kMarginMs;
}

void SecondTicker::start()
{
    m_active = true;
    alignTo(m_clock.msecsSinceEpoch());
}

void SecondTicker::stop()
{
    m_active = false;
    m_timer.stop();
}

void SecondTicker::fire()
{
    const qint64 now = m_clock.msecsSinceEpoch();
    // One tick per second even if the timer came back early.
    if (now / kSecondMs != m_lastSecond) {
        m_lastSecond = now / kSecondMs;
        Q_EMIT tick();
    }
    if (!m_active)
        return;
    const int phase = static_cast<int>(now % kSecondMs);
    if (phase < kMarginMs || phase > kLatestPhaseMs) {
        alignTo(now);
    } else if (m_timer.isSingleShot()) {
        // Aligned: from here one steady timer, with nothing to re-arm at each tick.
        m_timer.setSingleShot(false);
        m_timer.start(kSecondMs);
    }
}

void SecondTicker::alignTo(qint64 now)
{
    m_timer.setSingleShot(true);
    m_timer.start(delayToNextSecond(static_cast<int>(now % kSecondMs)));
}

} // namespace app
