#include "app/SecondTicker.h"

#include "app/Clock.h"

namespace app {

namespace {

// Wake a little after the second turns, so an early timer never lands in the old second.
constexpr int kMarginMs = 5;

} // namespace

SecondTicker::SecondTicker(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SecondTicker::fire);
}

int SecondTicker::delayToNextSecond(int msecOfSecond)
{
    return 1000 - msecOfSecond + kMarginMs;
}

void SecondTicker::start()
{
    m_active = true;
    scheduleNext();
}

void SecondTicker::stop()
{
    m_active = false;
    m_timer.stop();
}

void SecondTicker::fire()
{
    const qint64 now = m_clock.now().toMSecsSinceEpoch();
    // One tick per second even if the timer came back early.
    if (now / 1000 != m_lastSecond) {
        m_lastSecond = now / 1000;
        Q_EMIT tick();
    }
    if (m_active)
        m_timer.start(delayToNextSecond(static_cast<int>(now % 1000)));
}

void SecondTicker::scheduleNext()
{
    m_timer.start(delayToNextSecond(static_cast<int>(m_clock.now().toMSecsSinceEpoch() % 1000)));
}

} // namespace app
