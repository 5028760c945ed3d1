#include "settings/StoredChoices.h"

#include "settings/SettingKeys.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"

using namespace Qt::StringLiterals;

namespace settings {

void storeStartupChoices(SettingsStore &store, const StartupChoices &choices)
{
    store.write(keys::AutorunStartUp, booleanText(choices.runAtStartUp));
    store.write(keys::SystemTray, booleanText(choices.startAtSystemTray));
}

StoredChoices readStoredChoices(const SettingsStore &store)
{
    // The two Boolean keys are read by different rules: the tray box wants the exact word.
    StoredChoices panel;
    panel.startAtSystemTray = isExactlyTrue(store.read(keys::SystemTray));
    panel.runAtStartUp = lenientBoolean(store.read(keys::AutorunStartUp));
    panel.hour = store.read(keys::Hour);
    panel.minute = store.read(keys::Minute);
    panel.second = store.read(keys::Second);
    return panel;
}

} // namespace settings
