#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace services {

// Wakes the program at a moment of the wall clock, and whenever the wall clock's relation to
// what was asked may have changed: the clock set or stepped, the machine resumed from sleep,
// the time zone changed. In between, nothing runs.
class WallClockAlarm : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Replaces any earlier moment; `msecsSinceEpoch` is a moment of the wall clock (UTC).
    virtual void ringAt(qint64 msecsSinceEpoch) = 0;
    virtual void cancel() = 0;

Q_SIGNALS:
    // The moment has come (or lies behind: a late wake-up rings at once).
    void rang();
    // What the wall clock says may no longer follow from what it said before.
    void clockChanged();
};

// A timerfd on the real-time clock: it keeps to the wall clock across slewing and sleep, and
// the kernel cancels it when the clock is set or the machine resumes. The zone is watched
// through its file and through the file's entry in its folder: the usual way to change the zone
// (timedatectl, a desktop's automatic time zone) puts a new link in the entry's place, which a
// watch on the file alone never hears of.
class TimerfdAlarm final : public WallClockAlarm {
    Q_OBJECT

public:
    explicit TimerfdAlarm(QString zoneFile = QStringLiteral("/etc/localtime"),
                          QObject *parent = nullptr);
    ~TimerfdAlarm() override;

    void ringAt(qint64 msecsSinceEpoch) override;
    void cancel() override;

private:
    void arm(qint64 msecsSinceEpoch);
    void readTimer();
    void watchZone();
    void watchZoneFile();
    void readZoneEvents();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    qint64 m_due = -1;
    QString m_zoneFile;
    int m_zoneFd = -1;
    int m_zoneFolderWatch = -1;
    int m_zoneFileWatch = -1;
};

} // namespace services
