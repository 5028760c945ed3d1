#pragma once

#include <QObject>
#include <QString>

#include <array>

namespace services {
class MessageBoxes;
}
namespace settings {
class SettingsStore;
class StartupList;
} // namespace settings

namespace rules {

// What the settings panel shows, without its widgets: the start-up option with the start-up
// entry it keeps, the tray box and the three display-time lists. The controls' handlers live
// here; the panel, once built, only mirrors each change.
class PanelChoices final : public QObject {
    Q_OBJECT

public:
    struct Outside {
        settings::SettingsStore &store;
        settings::StartupList &startupList;
        services::MessageBoxes &messages;
        // The start-up entry is named after the program and starts this executable.
        QString appName;
        QString executablePath;
    };
    enum class TimeList { Hour, Minute, Second };

    explicit PanelChoices(Outside outside, QObject *parent = nullptr);

    bool runAtStartUp() const { return m_runAtStartUp; }
    bool trayTicked() const { return m_trayTicked; }
    bool trayEnabled() const { return m_trayEnabled; }
    // The chosen entry of a time list; -1 for none.
    int entry(TimeList list) const { return m_entries[static_cast<std::size_t>(list)]; }

    // Selecting an option always runs its handler, even when it is already selected, so the
    // start-up entry and the tray box always end as the choice says.
    void selectOption(bool runAtStartUp);
    // A change of the tray box runs its handler; setting the state it has runs nothing.
    void setTrayTicked(bool ticked);
    // A pick in a time list, stored at once.
    void pickTime(TimeList list, int entry);
    // A first run shows the first entry of each time list.
    void showFirstEntries();

    void chooseRunAtStartUp();
    void chooseNoRunAtStartUp();
    void onTrayBoxChanged(bool ticked);
    bool hasStartupEntry();
    void updateStartupEntry(bool runAtStartUp);
    // The start-up option and the tray box into the store; everything back from it.
    void save();
    void load();

Q_SIGNALS:
    void changed();
    // A pick stored a new display time.
    void displayTimeChanged();

private:
    void setTrayEnabled(bool enabled);

    Outside m_outside;
    bool m_runAtStartUp = false;
    bool m_trayTicked = false;
    bool m_trayEnabled = false;
    std::array<int, 3> m_entries{-1, -1, -1};
};

} // namespace rules
