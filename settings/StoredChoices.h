#pragma once

#include <QString>

namespace settings {

class SettingsStore;

// The settings panel's start-up choices, as the store sees them.
struct StartupChoices {
    bool runAtStartUp = false;
    bool startAtSystemTray = false;
};

// What the store says the settings panel should show.
struct StoredChoices {
    bool startAtSystemTray = false;
    bool runAtStartUp = false;
    QString hour;
    QString minute;
    QString second;
};

void storeStartupChoices(SettingsStore &store, const StartupChoices &choices);
StoredChoices readStoredChoices(const SettingsStore &store);

} // namespace settings
