#pragma once

#include <QString>

#include <algorithm>
#include <array>

// The keys of the [Settings] section. Their spelling is part of every user's stored file.
namespace settings::keys {

inline const QString Hour = QStringLiteral("Hour");
inline const QString Minute = QStringLiteral("Minute");
inline const QString Second = QStringLiteral("Second");
inline const QString Card = QStringLiteral("Card");
inline const QString Date = QStringLiteral("Date");
inline const QString AutorunStartUp = QStringLiteral("AutorunStartUp");
inline const QString SystemTray = QStringLiteral("SystemTray");
inline const QString RunAtSysTray = QStringLiteral("RunAtSysTray");
inline const QString UpdateCheckStamp = QStringLiteral("UpdateCheckStamp");
// When "Later" brings the card back: a local ISO date and time.
inline const QString RemindAt = QStringLiteral("RemindAt");
// Whether the display time waits while the desktop says its user is busy.
inline const QString WaitWhileBusy = QStringLiteral("WaitWhileBusy");

struct Key {
    const QString &name;
    // What the key reads as while it is absent.
    QString whenAbsent;
};

// Every key of the section, with what it reads as while absent.
inline const std::array<Key, 11> table{{
    {Hour, {}},
    {Minute, {}},
    {Second, {}},
    {Card, {}},
    {Date, {}},
    {AutorunStartUp, QStringLiteral("False")},
    {SystemTray, QStringLiteral("False")},
    {RunAtSysTray, QStringLiteral("False")},
    {UpdateCheckStamp, {}},
    {RemindAt, {}},
    {WaitWhileBusy, QStringLiteral("True")},
}};

inline QString whenAbsent(const QString &key)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&key](const Key &known) { return known.name == key; });
    return found == table.end() ? QString() : found->whenAbsent;
}

} // namespace settings::keys
