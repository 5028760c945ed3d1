#pragma once

#include "app/JournalWindow.h"
#include "app/MainWindow.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ExitScreen.h"

#include "MainWindowUser.h"
#include "MemoryJournalStore.h"
#include "ProgramDoubles.h"

#include <QTabWidget>

#include <functional>
#include <memory>

// Each window of the program on show, as its user meets it, with the doubles it needs.
namespace windows {

// `surface` is what the program paints itself.
struct Shown {
    std::unique_ptr<ProgramDoubles> world = std::make_unique<ProgramDoubles>();
    std::unique_ptr<MemoryJournalStore> journal = std::make_unique<MemoryJournalStore>();
    std::unique_ptr<QWidget> window;
    QWidget *surface = nullptr;
};

using Builder = std::function<Shown()>;

inline Shown mainWindow(bool settingsInFront)
{
    Shown shown;
    // The longest reading of the deck.
    shown.world->settleDay(27);
    auto *window = new app::MainWindow(shown.world->services(), shown.world->launch);
    shown.window.reset(window);
    window->start();
    if (settingsInFront)
        user::openSettings(window);
    window->show();
    // The menu bar is the desktop's own, drawn in its theme.
    shown.surface = window->centralWidget();
    return shown;
}

inline Shown aboutWindow()
{
    Shown shown;
    shown.window = std::make_unique<dialogs::AboutDialog>(shown.world->browser);
    shown.window->show();
    shown.surface = shown.window.get();
    return shown;
}

inline Shown exitScreen()
{
    Shown shown;
    auto *screen = new dialogs::ExitScreen(
        {shown.world->browser, shown.world->messages, shown.world->clock, shown.world->random});
    shown.window.reset(screen);
    // The longest of the four promotional texts.
    shown.world->random.values = {0.0F};
    screen->present();
    screen->show();
    shown.surface = screen;
    return shown;
}

inline const QString kNote = QStringLiteral("First line of the note\nand a second one");

// `tab`: the days, the calendar or the year, as the journal's tabs hold them.
inline Shown journalWindow(int tab = 0)
{
    Shown shown;
    const QDate today = shown.world->clock.today();
    // The longest reading of the deck on the day shown, with a note of several lines.
    shown.journal->put({today, 27, kNote});
    for (int day = 1; day < 40; ++day)
        shown.journal->put({today.addDays(-day), day % 52 + 1, {}});
    shown.window = std::make_unique<app::JournalWindow>(*shown.journal, today);
    widgetNamed<QTabWidget>(shown.window, "views")->setCurrentIndex(tab);
    shown.window->show();
    shown.surface = shown.window.get();
    return shown;
}

// A window, and a control in it whose words the translations hold (`context`, `source`).
struct Window {
    const char *name;
    Builder build;
    const char *control;
    const char *context;
    const char *source;
};

inline QList<Window> everyWindow()
{
    const auto journal = [](int tab) { return [tab] { return journalWindow(tab); }; };
    return {
        {"main window, card panel", [] { return mainWindow(false); }, "exitButton",
         "app::MainWindow", "&Exit"},
        {"main window, settings panel", [] { return mainWindow(true); }, "exitButton",
         "app::MainWindow", "&Exit"},
        {"about window", aboutWindow, "okButton", "dialogs::AboutDialog", "&OK"},
        {"exit screen", exitScreen, "exitButton", "dialogs::ExitScreen", "E&xit"},
        {"journal window", journal(0), "export", "app::JournalWindow", "&Export…"},
        {"journal window, calendar", journal(1), "export", "app::JournalWindow", "&Export…"},
        {"journal window, your year", journal(2), "export", "app::JournalWindow", "&Export…"},
    };
}

} // namespace windows
