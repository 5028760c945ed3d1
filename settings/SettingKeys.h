#pragma once

#include <QString>

// The keys of the [Settings] section. Their spelling is part of every user's stored file.
// Literal QStrings: reading a key every second then allocates nothing.
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

} // namespace settings::keys
