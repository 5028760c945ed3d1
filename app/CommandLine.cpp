#include "app/CommandLine.h"

using namespace Qt::StringLiterals;

namespace app {

CommandLineAction parseCommandLine(const QStringList &arguments)
{
    // Anything else is left to Qt, which takes options of its own (-platform, -session ...).
    for (const QString &argument : arguments) {
        if (argument == "--help"_L1 || argument == "-h"_L1)
            return CommandLineAction::Help;
        if (argument == "--version"_L1 || argument == "-v"_L1)
            return CommandLineAction::Version;
    }
    return CommandLineAction::Run;
}

QString helpText(const QString &programName)
{
    return u"Usage: "_s + programName
           + u" [/STARTUP]\n"
             u"Shows a playing card for the day with its reading.\n\n"
             u"  /STARTUP       started at log-on: wait in the system tray when so chosen\n"
             u"  -h, --help     show this help and exit\n"
             u"  -v, --version  show the version and exit\n"_s;
}

QString versionText()
{
    return u"Tarvelle " TARVELLE_VERSION "\n"_s;
}

} // namespace app
