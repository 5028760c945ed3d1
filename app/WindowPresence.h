#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <chrono>
#include <functional>

class QTimer;
class QWidget;

namespace services {
class TrayIcon;
}

namespace app {

// Where the main window is (on the screen, waiting in the tray, or minimised to the task bar
// where there is no tray) and how it comes back. It knows nothing of what the window shows.
class WindowPresence final : public QObject {
    Q_OBJECT

public:
    WindowPresence(QWidget &window, services::TrayIcon &tray,
                   std::chrono::milliseconds logOnTrayWait);

    // Runs whenever the window is about to come up, so it can choose where the keyboard goes.
    void setBeforeShowing(std::function<void()> prepare) { m_beforeShowing = std::move(prepare); }

    // Adds the icon and puts the window away: hidden, or minimised when no tray is there. At
    // log-on the panel may come up after us, so a missing tray is first waited for.
    void sendToTray(bool atLogOn = false);
    void removeTrayIcon();
    // The start's showing, in the middle of the screen.
    void showCentred();
    // "Show" from the tray: centred, in its normal state and active; the icon goes.
    void showFromTray();
    // The daily display: in its normal state and active; the icon stays. While another window of
    // the program has the keyboard (a note being typed, a question asked), it keeps it.
    void showAtDisplayTime();
    // Whether the icon says that today's card is waiting for the user to be free.
    void setCardWaiting(bool waiting);
    // The desktop's proof that the user asked for the window (a notification's action): used by
    // the next showing, where the platform takes one, to get past focus-stealing prevention.
    void setActivationToken(const QString &token) { m_activationToken = token; }
    // The window's life is over: nothing is waited for any more.
    void stop();

    bool isInTray() const { return m_inTray; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void waitForTray();
    void trayAvailabilityChanged();
    void minimiseToTaskBar();
    void placeForFirstShowing();
    void prepareShowing();
    void showNormally();
    void activate();
    void centreOnceFramed(std::size_t look);
    void afterFirstPaint(std::function<void()> action);
    QString toolTip() const;

    QWidget &m_window;
    services::TrayIcon &m_tray;
    std::chrono::milliseconds m_logOnTrayWait;
    QTimer *m_trayWait;
    QElapsedTimer m_trayWaitClock;
    std::function<void()> m_beforeShowing;
    std::function<void()> m_afterFirstPaint;
    QString m_activationToken;
    bool m_inTray = false;
    bool m_cardWaiting = false;
    bool m_everPainted = false;
    bool m_placedForFirstShowing = false;
};

} // namespace app
