#include "rules/DisplayTimer.h"

#include "rules/DisplaySchedule.h"
#include "services/Clock.h"
#include "services/WallClockAlarm.h"

namespace rules {

DisplayTimer::DisplayTimer(const services::Clock &clock, services::WallClockAlarm &alarm,
                           const settings::SettingsStore &store, QObject *parent)
    : QObject(parent), m_clock(clock), m_alarm(alarm), m_store(store)
{
    connect(&m_alarm, &services::WallClockAlarm::rang, this, &DisplayTimer::rang);
    connect(&m_alarm, &services::WallClockAlarm::clockChanged, this, &DisplayTimer::reschedule);
}

void DisplayTimer::start()
{
    m_active = true;
    reschedule();
}

void DisplayTimer::stop()
{
    m_active = false;
    m_next.reset();
    m_alarm.cancel();
}

void DisplayTimer::reschedule()
{
    if (!m_active)
        return;
    m_next = schedule::nextDisplayAfter(m_store, m_clock.now());
    if (m_next)
        m_alarm.ringAt(m_next->toMSecsSinceEpoch());
    else
        m_alarm.cancel();
}

void DisplayTimer::rang()
{
    if (!m_active || !m_next)
        return;
    const qint64 now = m_clock.now().toSecsSinceEpoch();
    const qint64 due = m_next->toSecsSinceEpoch();
    if (now < due) {
        // Woken early: the same second is still ahead.
        m_alarm.ringAt(m_next->toMSecsSinceEpoch());
        return;
    }
    // Within the second it rings; woken any later, that day's display is missed.
    if (now == due)
        Q_EMIT displayTimeReached();
    reschedule();
}

} // namespace rules
