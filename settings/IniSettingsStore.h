#pragma once

#include "settings/SettingsStore.h"

#include <QString>

#include <functional>
#include <memory>

class QFileSystemWatcher;
class QSettings;

namespace settings {

// The store as an INI file: $XDG_CONFIG_HOME/<app>/<app>.ini, section [Settings].
// The application name is asked for once, at first use: a renamed executable is a new process.
// Changes made to the file by others are heard of through the event loop of the thread the
// store is used on, which must be the main thread.
class IniSettingsStore final : public SettingsStore {
public:
    using AppNameSource = std::function<QString()>;

    explicit IniSettingsStore(AppNameSource appName);
    ~IniSettingsStore() override;

    std::optional<QString> storedValue(const QString &key) const override;
    bool store(const QString &key, const QString &text) override;
    bool storeTogether(const Entries &entries) override;

    // The running executable's file name without its extension.
    static QString executableAppName();

private:
    enum class Use { Reading, Writing };

    QSettings &file(Use use) const;
    bool watch() const;

    AppNameSource m_appName;
    mutable QString m_folder;
    mutable QString m_path;
    mutable std::unique_ptr<QSettings> m_ini;
    mutable std::unique_ptr<QFileSystemWatcher> m_watcher;
    mutable bool m_changed = true;
    mutable bool m_cannotWatch = false;
};

} // namespace settings
