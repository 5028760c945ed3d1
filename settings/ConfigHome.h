#pragma once

#include <QString>

namespace settings {

// The user's configuration folder by the XDG base-directory rules: $XDG_CONFIG_HOME when it is
// an absolute path (a relative one is ignored), otherwise ~/.config.
QString configHome();

} // namespace settings
