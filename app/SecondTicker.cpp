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
    scheduleNext();
}

void SecondTicker::stop()
{
    m_timer.stop();
}

void SecondTicker::fire()
{
    const qint64 second = m_clock.now().toSecsSinceEpoch();
    // One tick per second even if the timer came back early.
    if (second != m_lastSecond) {
        m_lastSecond = second;
        Q_EMIT tick();
    }
    if (m_timer.isActive())
        return; // a tick handler restarted or stopped us
    scheduleNext();
}

void SecondTicker::scheduleNext()
{
    m_timer.start(delayToNextSecond(m_clock.now().time().msec()));
}

} // namespace app
