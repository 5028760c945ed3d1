#include "services/WallClockAlarm.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace services {

namespace {

const QString kZoneFile = u"/etc/localtime"_s;
// With nothing to ring for, the timer still waits (till 2200) so that a clock change is heard.
constexpr qint64 kFarAheadMs = 7'258'118'400'000;

timespec fromMsecs(qint64 msecs)
{
    timespec time = {};
    time.tv_sec = static_cast<time_t>(msecs / 1000);
    time.tv_nsec = static_cast<long>((msecs % 1000) * 1'000'000);
    return time;
}

} // namespace

TimerfdAlarm::TimerfdAlarm(QObject *parent) : WallClockAlarm(parent)
{
    m_fd = ::timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC | TFD_NONBLOCK);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &TimerfdAlarm::readTimer);
        arm(kFarAheadMs);
    }
    watchZone();
}

TimerfdAlarm::~TimerfdAlarm()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void TimerfdAlarm::ringAt(qint64 msecsSinceEpoch)
{
    m_due = msecsSinceEpoch;
    arm(msecsSinceEpoch);
}

void TimerfdAlarm::cancel()
{
    m_due = -1;
    arm(kFarAheadMs);
}

void TimerfdAlarm::arm(qint64 msecsSinceEpoch)
{
    if (m_fd < 0)
        return;
    itimerspec when = {};
    when.it_value = fromMsecs(msecsSinceEpoch);
    // A moment already past rings at once; zero would disarm the timer instead.
    if (when.it_value.tv_sec == 0 && when.it_value.tv_nsec == 0)
        when.it_value.tv_nsec = 1;
    ::timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
}

void TimerfdAlarm::readTimer()
{
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(m_fd, &expirations, sizeof expirations);
    if (got < 0 && errno == ECANCELED) {
        // The clock was set, or the machine woke: the timer must be armed again.
        arm(m_due >= 0 ? m_due : kFarAheadMs);
        Q_EMIT clockChanged();
        return;
    }
    if (got != sizeof expirations || m_due < 0)
        return;
    m_due = -1;
    arm(kFarAheadMs);
    Q_EMIT rang();
}

void TimerfdAlarm::watchZone()
{
    if (!QFileInfo::exists(kZoneFile))
        return;
    m_zone = new QFileSystemWatcher(this);
    connect(m_zone, &QFileSystemWatcher::fileChanged, this, [this] {
        // A zone file replaced by a new one drops out of the watch.
        if (!m_zone->files().contains(kZoneFile) && QFileInfo::exists(kZoneFile))
            m_zone->addPath(kZoneFile);
        Q_EMIT clockChanged();
    });
    m_zone->addPath(kZoneFile);
}

} // namespace services
