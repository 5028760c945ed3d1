#include "settings/SettingsStore.h"

#include "settings/SettingKeys.h"

#include <algorithm>

namespace settings {

QString SettingsStore::read(const QString &key) const
{
    return read(key, keys::whenAbsent(key));
}

QString SettingsStore::read(const QString &key, const QString &fallback) const
{
    const auto held = std::find_if(m_pending.crbegin(), m_pending.crend(),
                                   [&key](const auto &entry) { return entry.first == key; });
    if (held != m_pending.crend())
        return held->second;
    return storedValue(key).value_or(fallback);
}

void SettingsStore::write(const QString &key, const QString &text)
{
    if (m_openBatches > 0)
        m_pending.append({key, text});
    else
        (void)store(key, text);
}

SettingsStore::Batch::Batch(SettingsStore &store) : m_store(store)
{
    ++m_store.m_openBatches;
}

SettingsStore::Batch::~Batch()
{
    if (--m_store.m_openBatches == 0)
        m_store.commitPending();
}

void SettingsStore::commitPending()
{
    if (m_pending.isEmpty())
        return;
    (void)storeTogether(std::exchange(m_pending, {}));
}

} // namespace settings
