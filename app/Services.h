#pragma once

#include <QString>

#include <chrono>

namespace settings {
class SettingsStore;
class StartupList;
} // namespace settings

namespace journal {
class JournalStore;
}

namespace services {
class Browser;
class Clock;
class DesktopState;
class InstanceLock;
class MessageBoxes;
class Notifications;
class RandomGenerator;
class TrayIcon;
class WallClockAlarm;
} // namespace services

namespace app {

// What the program asks of the outside world. main() hands down the real set; tests a set of
// doubles.
struct Services {
    settings::SettingsStore &settings;
    services::Clock &clock;
    services::WallClockAlarm &alarm;
    services::RandomGenerator &random;
    services::MessageBoxes &messages;
    services::TrayIcon &tray;
    settings::StartupList &startupList;
    services::Browser &browser;
    services::InstanceLock &instanceLock;
    services::Notifications &notifications;
    journal::JournalStore &journal;
    services::DesktopState &desktop;
};

// How this copy was started.
struct LaunchInfo {
    // Started by the start-up entry at log-on ("/STARTUP" on the command line).
    bool startedAtLogOn = false;
    QString executablePath;
    // Set by the program's own name, as the store and the start-up entry are.
    QString appName;
    // At log-on the panel may come up after us: how long a /STARTUP start waits for a tray.
    std::chrono::milliseconds trayWait{10000};
};

} // namespace app
