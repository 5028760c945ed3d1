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
    m_dayEnd.reset();
    m_alarm.cancel();
}

void DisplayTimer::watchDayEnd(bool watch)
{
    m_dayEnd.reset();
    if (watch)
        m_dayEnd = QDateTime(m_clock.today().addDays(1), QTime(0, 0));
    reschedule();
}

void DisplayTimer::reschedule()
{
    if (!m_active)
        return;
    m_next = schedule::nextDisplayAfter(m_store, m_clock.now());
    std::optional<qint64> ring;
    const auto earliest = [&ring](const std::optional<QDateTime> &moment) {
        if (moment && (!ring || moment->toMSecsSinceEpoch() < *ring))
            ring = moment->toMSecsSinceEpoch();
    };
    earliest(m_next);
    earliest(schedule::storedReminder(m_store));
    earliest(m_dayEnd);
    if (ring)
        m_alarm.ringAt(*ring);
    else
        m_alarm.cancel();
}

void DisplayTimer::rang()
{
    if (!m_active)
        return;
    const QDateTime now = m_clock.now();
    const qint64 seconds = now.toSecsSinceEpoch();
    // Woken early, the same moments are still ahead; woken any later than the display second,
    // that day's display is missed.
    if (m_next && seconds == m_next->toSecsSinceEpoch())
        Q_EMIT displayTimeReached();
    if (const auto reminder = schedule::storedReminder(m_store);
        reminder && reminder->toSecsSinceEpoch() <= seconds)
        Q_EMIT reminderReached();
    if (m_dayEnd && m_dayEnd->toSecsSinceEpoch() <= seconds) {
        m_dayEnd.reset();
        Q_EMIT dayEnded();
    }
    reschedule();
}

} // namespace rules
