#pragma once

#include <QString>
#include <QStringList>

namespace rules {

// What the command line asks for, read once. --help and --version are answered before any
// window exists.
struct CommandLine {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    // The start-up entry's own switch, given as an argument of its own.
    bool startedAtLogOn = false;
};

// `arguments` without the program itself; options of Qt's own (-platform ...) are let through.
CommandLine parseCommandLine(const QStringList &arguments);
QString helpText(const QString &programName);
QString versionText();

} // namespace rules
