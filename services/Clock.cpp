#include "services/Clock.h"

namespace services {

namespace {

constexpr qint64 kMinuteMs = 60'000;

qint64 minuteOf(qint64 msecsSinceEpoch)
{
    // Rounds down for moments before 1970 too.
    return msecsSinceEpoch / kMinuteMs - (msecsSinceEpoch % kMinuteMs < 0 ? 1 : 0);
}

} // namespace

QDateTime SystemClock::now() const
{
    const qint64 msecs = QDateTime::currentMSecsSinceEpoch();
    // A zone's offset only changes as a minute turns, so one look at the zone serves the whole
    // minute: the C library reads /etc/localtime again at every conversion, once a second while
    // the program waits in the tray.
    if (const qint64 minute = minuteOf(msecs); minute != m_offsetMinute) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecs);
        m_offsetMinute = minute;
        m_offsetSeconds = local.offsetFromUtc();
        return local;
    }
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::OffsetFromUTC, m_offsetSeconds);
}

} // namespace services
