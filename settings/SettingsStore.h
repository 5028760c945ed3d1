#pragma once

#include <QString>

#include <optional>

namespace settings {

// The program's named text values, all in one section of the per-user store.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text of `key`, or `defaultValue` when the key is absent. A key stored with an
    // empty value reads as empty, not as the default.
    QString ReadSetting(const QString &key, const QString &defaultValue = {}) const;
    // Stores `text` under `key`, replacing any earlier value. Failures are not reported to the
    // caller: the program carries on with what it shows.
    void WriteSetting(const QString &key, const QString &text);

    // nullopt when the key is absent.
    virtual std::optional<QString> storedValue(const QString &key) const = 0;
    // False when the value could not be made durable.
    virtual bool store(const QString &key, const QString &text) = 0;
};

} // namespace settings
