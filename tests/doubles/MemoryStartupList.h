#pragma once

#include "settings/StartupList.h"

#include <QMap>

// Entries in memory, with failures the test asks for at either stage of writing or removing.
class MemoryStartupList final : public settings::StartupList {
public:
    bool contains(const QString &name) const override { return entries.contains(name); }

    std::optional<Failure> write(const QString &name, const QString &executablePath) override
    {
        ++writes;
        if (openingFails)
            return Failure{Failure::Stage::Opening, 13, QStringLiteral("Permission denied")};
        if (settingFails)
            return Failure{Failure::Stage::Setting, 28, QStringLiteral("No space left on device")};
        entries.insert(name, executablePath);
        return std::nullopt;
    }

    // The codes are the ones a removal meets: a folder that is no folder, an entry that may not go.
    std::optional<Failure> remove(const QString &name) override
    {
        ++removals;
        if (openingFails)
            return Failure{Failure::Stage::Opening, 20, QStringLiteral("Not a directory")};
        if (settingFails)
            return Failure{Failure::Stage::Setting, 30, QStringLiteral("Read-only file system")};
        entries.remove(name);
        return std::nullopt;
    }

    QMap<QString, QString> entries;
    bool openingFails = false;
    bool settingFails = false;
    int writes = 0;
    int removals = 0;
};
