#include "app/WindowPresence.h"

#include "services/ActivationToken.h"
#include "services/TrayIcon.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramWindow.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QTimer>
#include <QWidget>

#include <array>

using namespace Qt::StringLiterals;

namespace app {

namespace {

constexpr int kTrayPollMs = 250;
// When to look again for a frame the window manager has not reported at the first paint.
constexpr std::array<int, 4> kFrameLooksMs{100, 250, 500, 1000};

bool onWayland()
{
    return QGuiApplication::platformName().startsWith("wayland"_L1);
}

} // namespace

WindowPresence::WindowPresence(QWidget &window, services::TrayIcon &tray,
                               std::chrono::milliseconds logOnTrayWait)
    : QObject(&window), m_window(window), m_tray(tray), m_logOnTrayWait(logOnTrayWait),
      m_trayWait(new QTimer(this))
{
    m_trayWait->setInterval(kTrayPollMs);
    connect(m_trayWait, &QTimer::timeout, this, &WindowPresence::waitForTray);
    connect(&m_tray, &services::TrayIcon::availabilityChanged, this,
            &WindowPresence::trayAvailabilityChanged);
    m_window.installEventFilter(this);
}

void WindowPresence::sendToTray(bool atLogOn)
{
    ui::useProgramIconForWindows();
    m_tray.add(ui::programIcon(), toolTip());
    m_inTray = true;
    if (m_tray.isAvailable()) {
        m_window.hide();
    } else if (atLogOn) {
        // Never shown yet; the panel may still be on its way.
        m_trayWaitClock.start();
        m_trayWait->start();
    } else {
        // Without a notification area a hidden window could never be reached again.
        minimiseToTaskBar();
    }
}

void WindowPresence::waitForTray()
{
    if (m_tray.isAvailable()) {
        m_trayWait->stop();
        return;
    }
    if (m_trayWaitClock.elapsed() >= m_logOnTrayWait.count()) {
        m_trayWait->stop();
        if (m_inTray)
            minimiseToTaskBar();
    }
}

// A tray host that goes away (a panel crashing or restarting) would leave the program with no
// way back; the task bar takes over until a tray returns.
void WindowPresence::trayAvailabilityChanged()
{
    // A tray that turns up while we wait for one ends the wait at once.
    if (m_trayWait->isActive()) {
        waitForTray();
        return;
    }
    if (!m_inTray)
        return;
    if (!m_tray.isAvailable())
        minimiseToTaskBar();
    else if (m_window.isVisible())
        m_window.hide();
}

void WindowPresence::removeTrayIcon()
{
    m_tray.remove();
}

void WindowPresence::showCentred()
{
    placeForFirstShowing();
    m_window.show();
}

void WindowPresence::showFromTray()
{
    m_trayWait->stop();
    const bool firstTime = !m_everPainted;
    prepareShowing();
    showNormally();
    ui::centreOnScreen(&m_window);
    if (firstTime)
        afterFirstPaint([this] { centreOnceFramed(0); });
    removeTrayIcon();
    m_inTray = false;
    activate();
}

void WindowPresence::showAtDisplayTime()
{
    m_trayWait->stop();
    m_inTray = false;
    placeForFirstShowing();
    // Keys typed into the other window at that second would otherwise land on this one's
    // controls and change settings the user never looked at.
    QWidget *active = QApplication::activeWindow();
    if (active && active != &m_window) {
        const bool before = m_window.testAttribute(Qt::WA_ShowWithoutActivating);
        m_window.setAttribute(Qt::WA_ShowWithoutActivating, true);
        showNormally();
        m_window.setAttribute(Qt::WA_ShowWithoutActivating, before);
        // Where the platform activates every window it maps regardless, the keyboard goes back
        // at once; elsewhere the request asks for what is already so.
        active->activateWindow();
        return;
    }
    showNormally();
    activate();
}

void WindowPresence::setCardWaiting(bool waiting)
{
    if (std::exchange(m_cardWaiting, waiting) == waiting)
        return;
    if (m_inTray)
        m_tray.add(ui::programIcon(), toolTip());
}

QString WindowPresence::toolTip() const
{
    return m_cardWaiting ? tr("Recent – today's card is waiting") : tr("Recent");
}

// A Wayland client can neither take its window out of the minimised state nor raise it, and is
// not even told that it was minimised: unless the window is the active one, it is mapped afresh,
// which the compositor places on top.
void WindowPresence::showNormally()
{
    if (onWayland() && m_window.isVisible() && !m_window.isActiveWindow())
        m_window.hide();
    // A window minimised and then hidden keeps X11's "start iconic" hint, and Qt, which has
    // already forgotten the minimised state, would not rewrite it: xfwm4 would map the window
    // minimised again. Stating the minimised state first makes showNormal() clear the hint.
    if (!onWayland() && !m_window.isVisible())
        m_window.setWindowState(Qt::WindowMinimized);
    m_window.showNormal();
}

void WindowPresence::activate()
{
    // Qt's Wayland client hands this token to xdg-activation with the request below. X11 has no
    // public way in Qt to give a startup id to a window already mapped; there the request alone
    // goes to the window manager.
    if (const QString token = std::exchange(m_activationToken, QString());
        !token.isEmpty() && onWayland())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    m_window.raise();
    m_window.activateWindow();
}

void WindowPresence::stop()
{
    m_trayWait->stop();
}

void WindowPresence::prepareShowing()
{
    // Before the window maps, where Qt may already send the token.
    services::dropUnsendableActivationToken();
    if (m_beforeShowing)
        m_beforeShowing();
}

// Whichever way the window first comes up, it comes up in the middle of the screen.
void WindowPresence::placeForFirstShowing()
{
    prepareShowing();
    if (m_everPainted || m_placedForFirstShowing)
        return;
    m_placedForFirstShowing = true;
    // Sized first, so that it maps in the middle and does not jump there after its first paint.
    if (QLayout *layout = m_window.layout())
        layout->activate();
    ui::centreOnScreen(&m_window);
    // The window manager's frame is known only once the window is on screen.
    afterFirstPaint([this] { centreOnceFramed(0); });
}

void WindowPresence::minimiseToTaskBar()
{
    if (m_everPainted) {
        m_window.showMinimized();
        return;
    }
    // A window that was never on screen does not minimise: map it first.
    placeForFirstShowing();
    m_window.show();
    afterFirstPaint([this] {
        centreOnceFramed(0);
        m_window.showMinimized();
    });
}

// Some window managers (xfwm4 among them) report the frame only after the window's first paint;
// until then the window would be centred by its client area, a title bar's height too low.
void WindowPresence::centreOnceFramed(std::size_t look)
{
    ui::centreOnScreen(&m_window);
    if (onWayland() || m_window.frameGeometry() != m_window.geometry()
        || look >= kFrameLooksMs.size())
        return;
    QTimer::singleShot(kFrameLooksMs[look], this, [this, look] { centreOnceFramed(look + 1); });
}

void WindowPresence::afterFirstPaint(std::function<void()> action)
{
    if (m_everPainted)
        QTimer::singleShot(0, this, std::move(action));
    else
        m_afterFirstPaint = std::move(action);
}

bool WindowPresence::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Paint && !m_everPainted) {
        m_everPainted = true;
        // Drawn once the window is on screen, not before.
        QTimer::singleShot(0, this, &ui::useProgramIconForWindows);
        if (m_afterFirstPaint)
            QTimer::singleShot(0, this, std::exchange(m_afterFirstPaint, nullptr));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
