#include "settings/ConfigHome.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace settings {

QString configHome()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative, it would make the settings depend on the folder we were started from.
    if (!config.isEmpty() && QDir::isAbsolutePath(config))
        return QDir::cleanPath(config);
    return QDir::homePath() + "/.config"_L1;
}

} // namespace settings
