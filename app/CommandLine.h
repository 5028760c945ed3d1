#pragma once

#include <QString>
#include <QStringList>

namespace app {

// What the command line asks for. "/STARTUP" anywhere in it marks a start at log-on (the
// main window looks for it); --help and --version are answered before any window exists.
enum class CommandLineAction { Run, Help, Version };

CommandLineAction parseCommandLine(const QStringList &arguments);
QString helpText(const QString &programName);
QString versionText();

} // namespace app
