#include "app/Program.h"
#include "app/Translations.h"
#include "journal/OnDemandJournalStore.h"
#include "rules/CommandLine.h"
#include "services/Browser.h"
#include "services/Clock.h"
#include "services/DesktopState.h"
#include "services/InstanceLock.h"
#include "services/MessageBoxes.h"
#include "services/Notifications.h"
#include "services/RandomGenerator.h"
#include "services/SessionBus.h"
#include "services/SignalWatcher.h"
#include "services/TrayIcon.h"
#include "services/WallClockAlarm.h"
#include "settings/IniSettingsStore.h"
#include "settings/XdgAutostartList.h"
#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QPixmapCache>
#include <QScopeGuard>
#include <QThreadPool>

#include <cstdio>
#include <malloc.h>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace {

rules::CommandLine readCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return rules::parseCommandLine(arguments);
}

// Answered before a display is needed, so they work on any terminal.
std::optional<int> answerCommandLine(const rules::CommandLine &commandLine, int argc, char *argv[])
{
    const char *argv0 = argc > 0 ? argv[0] : nullptr;
    const QString name = QString::fromLocal8Bit(argv0 ? argv0 : TARVELLE_NAME);
    switch (commandLine.action) {
    case rules::CommandLine::Action::Run: return std::nullopt;
    case rules::CommandLine::Action::Help: {
        // Told in the desktop's language; no display is needed for that.
        QCoreApplication translated(argc, argv);
        app::installTranslations(translated, app::translationFolders());
        std::fputs(rules::helpText(name).toLocal8Bit().constData(), stdout);
        return 0;
    }
    case rules::CommandLine::Action::Version:
        std::fputs(rules::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    return std::nullopt;
}

// Without HOME, Qt would put the settings under the root folder; the account's own home is
// where they belong.
void ensureHomeIsSet()
{
    if (!qEnvironmentVariableIsEmpty("HOME"))
        return;
    if (const passwd *account = ::getpwuid(::getuid()); account && account->pw_dir)
        qputenv("HOME", account->pw_dir);
}

// Once what there is to save is saved: nothing else may run, whichever loop we are in (a
// modal box's included), and the kernel releases the lock and the tray's window with us.
[[noreturn]] void endProcessNow()
{
    std::fflush(nullptr);
    ::_exit(0);
}

} // namespace

int main(int argc, char *argv[])
{
    // The few helper threads (the bus's, the display's) allocate little: one heap serves them
    // all, where each would otherwise get a heap of its own that stays with the process.
    ::mallopt(M_ARENA_MAX, 1);
    services::endAtOnceOnEndingSignals();
    const rules::CommandLine commandLine = readCommandLine(argc, argv);
    if (const std::optional<int> answered = answerCommandLine(commandLine, argc, argv))
        return *answered;

    ensureHomeIsSet();
    // Asked first, so that its answer is in while the rest starts.
    services::SessionBus sessionBus;
    QApplication application(argc, argv);
    sessionBus.connectInBackground();
    app::installTranslations(application, app::translationFolders());
    // Runs once all the rest of main has ended and saved: a bus that took the connection and
    // never finished it must not keep the program from ending.
    const auto endBusThread = qScopeGuard([&sessionBus] {
        if (!sessionBus.finishConnecting(QDeadlineTimer(std::chrono::seconds(5))))
            endProcessNow();
    });
    // Qt hands big image fills to pool threads; parked for good they never wake us again.
    QThreadPool::globalInstance()->setExpiryTimeout(-1);
    // The style caches its drawn bevels in QPixmapCache, whose clean-up timer then wakes the idle
    // program half a minute after every repaint; our few controls are drawn quickly enough anew.
    QPixmapCache::setCacheLimit(0);
    // Closing the main window only hides it; the program ends through its own exit path.
    QApplication::setQuitOnLastWindowClosed(false);
    // A Wayland compositor finds the windows' icon and task entry through the desktop entry.
    const QString desktopEntry = QStringLiteral("com.quellmoor.Tarvelle");
    QGuiApplication::setDesktopFileName(desktopEntry);

    const QString appName = settings::IniSettingsStore::executableAppName();
    services::SystemClock clock;
    services::TimerfdAlarm alarm;
    services::MersenneRandomGenerator random;
    settings::IniSettingsStore store(&settings::IniSettingsStore::executableAppName);
    services::DialogMessageBoxes messages(&ui::useProgramIconForWindows);
    services::SystemTrayIcon tray(sessionBus);
    settings::XdgAutostartList startupList;
    services::DesktopBrowser browser;
    services::FileInstanceLock instanceLock(services::FileInstanceLock::defaultPaths(appName));
    services::DBusNotifications notifications(sessionBus, QStringLiteral(TARVELLE_NAME),
                                              desktopEntry);

    journal::OnDemandJournalStore journal(
        journal::OnDemandJournalStore::defaultPath(appName), [&clock] { return clock.today(); },
        {QCoreApplication::applicationDirPath(), QStringLiteral(TARVELLE_MODULE_DIR)});

    const std::unique_ptr<services::DesktopState> desktop = services::desktopStateHere(sessionBus);

    const app::Services services{store,        clock,         alarm,       random,
                                 messages,     tray,          startupList, browser,
                                 instanceLock, notifications, journal,     *desktop};
    app::LaunchInfo launch{commandLine.startedAtLogOn, QApplication::applicationFilePath(),
                           appName};
    app::Program program(services, launch, [] { QCoreApplication::exit(0); });

    services::SignalWatcher terminations;
    const auto endSession = [&program] {
        program.endSession();
        endProcessNow();
    };
    QObject::connect(&terminations, &services::SignalWatcher::terminationRequested, &program,
                     endSession);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &program, endSession);

    sessionBus.awaitBeforeWindows(std::chrono::seconds(1));
    if (!program.start())
        return 0;
    return QApplication::exec();
}
