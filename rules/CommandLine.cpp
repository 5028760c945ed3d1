#include "rules/CommandLine.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace rules {

CommandLine parseCommandLine(const QStringList &arguments)
{
    // Read by hand: QCommandLineParser would refuse the options Qt takes for itself (-platform,
    // -session ...), which are still here before QApplication removes them.
    CommandLine line;
    for (const QString &argument : arguments) {
        // The first of --help and --version is the one answered.
        if (line.action == CommandLine::Action::Run) {
            if (argument == "--help"_L1 || argument == "-h"_L1)
                line.action = CommandLine::Action::Help;
            else if (argument == "--version"_L1 || argument == "-v"_L1)
                line.action = CommandLine::Action::Version;
        }
        if (argument == "/STARTUP"_L1)
            line.startedAtLogOn = true;
    }
    return line;
}

QString helpText(const QString &programName)
{
    //: The help of the command line; the options themselves stay as they are
    return QCoreApplication::translate(
               "CommandLine", "Usage: %1 [/STARTUP]\n"
                              "Shows a playing card for the day with its reading.\n\n"
                              "  /STARTUP       started at log-on: wait in the system tray "
                              "when so chosen\n"
                              "  -h, --help     show this help and exit\n"
                              "  -v, --version  show the version and exit\n")
        .arg(programName);
}

QString versionText()
{
    return u"Tarvelle " TARVELLE_VERSION "\n"_s;
}

} // namespace rules
