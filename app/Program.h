#pragma once

#include "app/Services.h"

#include <QObject>

#include <functional>
#include <memory>

namespace dialogs {
class ExitScreen;
}

namespace app {

class MainWindow;

// The program's life: the one-copy rule, the main window, and the end.
class Program final : public QObject {
    Q_OBJECT

public:
    using QuitFunction = std::function<void()>;

    Program(Services services, LaunchInfo launch, QuitFunction quit);
    ~Program() override;

    // False when another copy runs: this one has then said so and ends.
    bool start();
    // Closes every window and ends the process's event loop.
    void end();
    // Log-out, shutdown and termination signals: save and end at once, no exit screen.
    void endSession();

    MainWindow *mainWindow() const { return m_main.get(); }
    dialogs::ExitScreen *exitScreen() const { return m_exitScreen.get(); }
    // 1 to 6: odd puts the co-branding text on top, even the full-branding one.
    int coBrandPick() const { return m_coBrandPick; }

private:
    void pickPromotion();
    void showExitScreen();

    Services m_services;
    LaunchInfo m_launch;
    QuitFunction m_quit;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<dialogs::ExitScreen> m_exitScreen;
    int m_coBrandPick = 0;
    bool m_ended = false;
};

} // namespace app
