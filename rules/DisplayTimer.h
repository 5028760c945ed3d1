#pragma once

#include <QDateTime>
#include <QObject>

#include <optional>

namespace services {
class Clock;
class WallClockAlarm;
} // namespace services
namespace settings {
class SettingsStore;
}

namespace rules {

// Rings within the stored display second, and sleeps until then: between two moments that
// matter the program does not wake at all. What can move that second (a pick in a time list, the
// settings file edited, the clock set or stepped, the zone changed, a resume) reschedules it,
// and every wake looks at the real time before ringing, so a late wake never rings. The same
// alarm brings a stored reminder, and midnight while a held card waits for it.
class DisplayTimer final : public QObject {
    Q_OBJECT

public:
    DisplayTimer(const services::Clock &clock, services::WallClockAlarm &alarm,
                 const settings::SettingsStore &store, QObject *parent);

    void start();
    void stop();
    bool isActive() const { return m_active; }
    // Works out the next display second again, from the store and the clock as they are now.
    void reschedule();
    // Whether the coming midnight is one of the moments.
    void watchDayEnd(bool watch);

Q_SIGNALS:
    void displayTimeReached();
    // The stored reminder's moment has come, or lies behind.
    void reminderReached();
    void dayEnded();

private:
    void rang();

    const services::Clock &m_clock;
    services::WallClockAlarm &m_alarm;
    const settings::SettingsStore &m_store;
    std::optional<QDateTime> m_next;
    std::optional<QDateTime> m_dayEnd;
    bool m_active = false;
};

} // namespace rules
