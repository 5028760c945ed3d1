#include "settings/modMoonPhase.h"

#include "settings/SettingKeys.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"

using namespace Qt::StringLiterals;

namespace settings {

void SaveSettings(SettingsStore &store, const PanelChoices &choices)
{
    store.WriteSetting(keys::AutorunStartUp, booleanText(choices.runAtStartUp));
    store.WriteSetting(keys::SystemTray, booleanText(choices.startAtSystemTray));
}

StoredPanel LoadSettings(const SettingsStore &store)
{
    // The two Boolean keys are read by different rules: the tray box wants the exact word.
    StoredPanel panel;
    panel.startAtSystemTray =
        isExactlyTrue(store.ReadSetting(keys::SystemTray, keys::whenAbsent(keys::SystemTray)));
    panel.runAtStartUp = lenientBoolean(
        store.ReadSetting(keys::AutorunStartUp, keys::whenAbsent(keys::AutorunStartUp)));
    panel.hour = store.ReadSetting(keys::Hour);
    panel.minute = store.ReadSetting(keys::Minute);
    panel.second = store.ReadSetting(keys::Second);
    return panel;
}

} // namespace settings
