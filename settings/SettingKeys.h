#pragma once

#include <QLatin1String>

// The keys of the [Settings] section. Their spelling is part of every user's stored file.
namespace settings::keys {

inline constexpr QLatin1String Hour{"Hour"};
inline constexpr QLatin1String Minute{"Minute"};
inline constexpr QLatin1String Second{"Second"};
inline constexpr QLatin1String Card{"Card"};
inline constexpr QLatin1String Date{"Date"};
inline constexpr QLatin1String AutorunStartUp{"AutorunStartUp"};
inline constexpr QLatin1String SystemTray{"SystemTray"};
inline constexpr QLatin1String RunAtSysTray{"RunAtSysTray"};
inline constexpr QLatin1String UpdateCheckStamp{"UpdateCheckStamp"};

} // namespace settings::keys
