#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

namespace settings {

// The program's named text values, all in one section of the per-user store.
class SettingsStore {
public:
    using Entries = QList<std::pair<QString, QString>>;

    virtual ~SettingsStore() = default;

    // The stored text of `key`; while the key is absent, what its entry in keys::table reads as
    // then. A key stored with an empty value reads as empty, not as absent.
    QString read(const QString &key) const;
    // The same with a fallback of the caller's for an absent key.
    QString read(const QString &key, const QString &fallback) const;
    // Stores `text` under `key`, replacing any earlier value. Failures are not reported to the
    // caller: the program carries on with what it shows.
    void write(const QString &key, const QString &text);

    // While one is open, writes are held (and read back) and then land in the store together,
    // in one durable write, or not at all: values that only make sense as a set.
    class Batch {
    public:
        explicit Batch(SettingsStore &store);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        SettingsStore &m_store;
    };
    // Makes what an open batch holds durable now, for an end that cannot wait for the batch.
    void commitPending();

    // Called when the stored values may have changed without a write of ours (the file edited
    // by hand or by another program), once the store has been read.
    void setChangeListener(std::function<void()> listener)
    {
        m_changeListener = std::move(listener);
    }

    // nullopt when the key is absent.
    virtual std::optional<QString> storedValue(const QString &key) const = 0;
    // False when the value could not be made durable.
    virtual bool store(const QString &key, const QString &text) = 0;
    // All of them in one durable write, in this order; false when it could not be made.
    virtual bool storeTogether(const Entries &entries) = 0;

protected:
    void changedOutside() const
    {
        if (m_changeListener)
            m_changeListener();
    }

private:
    std::function<void()> m_changeListener;
    Entries m_pending;
    int m_openBatches = 0;
};

} // namespace settings
