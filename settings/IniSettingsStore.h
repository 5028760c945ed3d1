#pragma once

#include "settings/SettingsStore.h"

#include <functional>
#include <memory>

class QSettings;

namespace settings {

// The store as an INI file: $XDG_CONFIG_HOME/<app>/<app>.ini, section [Settings].
// The application name is asked for at every use, so a renamed executable has a store of its own.
class IniSettingsStore final : public SettingsStore {
public:
    using AppNameSource = std::function<QString()>;

    explicit IniSettingsStore(AppNameSource appName);
    ~IniSettingsStore() override;

    std::optional<QString> storedValue(const QString &key) const override;
    bool store(const QString &key, const QString &text) override;

    // The running executable's file name without its extension.
    static QString executableAppName();

private:
    QString filePath() const;
    QSettings &file() const;

    AppNameSource m_appName;
    mutable std::unique_ptr<QSettings> m_ini;
};

} // namespace settings
