#include "settings/SettingsStore.h"

namespace settings {

QString SettingsStore::ReadSetting(const QString &key, const QString &defaultValue) const
{
    return storedValue(key).value_or(defaultValue);
}

void SettingsStore::WriteSetting(const QString &key, const QString &text)
{
    (void)store(key, text);
}

} // namespace settings
