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

    bool storeTogether(const Entries &entries) override
    {
        for (const auto &[key, text] : entries) {
            values.insert(key, text);
            writes.append({key, text});
        }
        together.append(entries);
        return true;
    }

    // As the file watch reports an edit by another program.
    void editedOutside() const { changedOutside(); }

    QMap<QString, QString> values;
    // Each write of several values at once.
    QList<Entries> together;
    QList<QPair<QString, QString>> writes;
    mutable QStringList reads;
};
