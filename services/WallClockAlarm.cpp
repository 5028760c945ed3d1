#include "services/WallClockAlarm.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace services {

namespace {

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

TimerfdAlarm::TimerfdAlarm(QString zoneFile, QObject *parent)
    : WallClockAlarm(parent), m_zoneFile(std::move(zoneFile))
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
    if (m_zoneFd >= 0)
        ::close(m_zoneFd);
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
    const QFileInfo zone(m_zoneFile);
    m_zoneFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_zoneFd < 0)
        return;
    // Only what happens to entries, so that the folder's other files, rewritten in place, wake
    // nobody.
    m_zoneFolderWatch =
        ::inotify_add_watch(m_zoneFd, QFile::encodeName(zone.absolutePath()).constData(),
                            IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR);
    watchZoneFile();
    auto *notifier = new QSocketNotifier(m_zoneFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TimerfdAlarm::readZoneEvents);
}

// The file the entry leads to now (a link is followed), for a zone rewritten in place.
void TimerfdAlarm::watchZoneFile()
{
    if (m_zoneFileWatch >= 0)
        ::inotify_rm_watch(m_zoneFd, m_zoneFileWatch);
    m_zoneFileWatch =
        ::inotify_add_watch(m_zoneFd, QFile::encodeName(m_zoneFile).constData(),
                            IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF);
}

void TimerfdAlarm::readZoneEvents()
{
    const QByteArray name = QFile::encodeName(QFileInfo(m_zoneFile).fileName());
    bool changed = false;
    bool entryReplaced = false;
    alignas(inotify_event) char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(m_zoneFd, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < got;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->wd == m_zoneFolderWatch) {
                if (event->len > 0 && name == event->name)
                    changed = entryReplaced = true;
            } else if (event->wd == m_zoneFileWatch) {
                changed = true;
                // The file went with the entry, or is no longer watched.
                if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF))
                    entryReplaced = true;
            }
        }
    }
    if (entryReplaced)
        watchZoneFile();
    if (changed)
        Q_EMIT clockChanged();
}

} // namespace services
