#pragma once

#include "settings/SettingsStore.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

// Keeps the values in memory and remembers every read and write in order.
class MemorySettingsStore final : public settings::SettingsStore {
public:
    std::optional<QString> storedValue(const QString &key) const override
    {
        reads.append(key);
        const auto found = values.constFind(key);
        if (found == values.cend())
            return std::nullopt;
        return *found;
    }

    bool store(const QString &key, const QString &text) override
    {
        values.insert(key, text);
        writes.append({key, text});
        return true;
    }

    QMap<QString, QString> values;
    QList<QPair<QString, QString>> writes;
    mutable QStringList reads;
};
