#pragma once

#include <QString>

namespace settings {

class SettingsStore;

// The settings panel's start-up choices, as the store sees them.
struct PanelChoices {
    bool runAtStartUp = false;
    bool startAtSystemTray = false;
};

// What the store says the settings panel should show.
struct StoredPanel {
    bool startAtSystemTray = false;
    bool runAtStartUp = false;
    QString hour;
    QString minute;
    QString second;
};

void SaveSettings(SettingsStore &store, const PanelChoices &choices);
StoredPanel LoadSettings(const SettingsStore &store);

} // namespace settings
