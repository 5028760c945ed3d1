#pragma once

#include "settings/StartupList.h"

namespace settings {

// Entries are desktop files in $XDG_CONFIG_HOME/autostart, named after the program.
class XdgAutostartList final : public StartupList {
public:
    // Empty: the folder of the freedesktop autostart rules, looked up at each use.
    explicit XdgAutostartList(QString folder = {});

    bool contains(const QString &name) const override;
    std::optional<Failure> write(const QString &name, const QString &executablePath) override;
    std::optional<Failure> remove(const QString &name) override;

    static QString defaultFolder();

private:
    QString folder() const;
    QString entryPath(const QString &name) const;

    QString m_folder;
};

// The desktop file text that starts `executablePath` with /STARTUP at log-on.
QString autostartEntryText(const QString &executablePath);
// `path` as one argument of an Exec line, quoted and escaped by the desktop entry rules.
QString quotedExecArgument(const QString &path);

} // namespace settings
