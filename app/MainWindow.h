#pragma once

#include "app/DisplaySchedule.h"
#include "app/PanelChoices.h"
#include "app/Services.h"

#include <QMainWindow>

#include <optional>

class QAction;
class QMenu;
class QStackedWidget;

namespace ui {
class LinkLabel;
}

namespace app {

class CardPanel;
class DisplayTimer;
class JournalKeeper;
class SettingsPanel;
class WindowPresence;

// The main window: the card for the day, the settings, the daily display and the tray.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Services services, LaunchInfo launch, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Runs once, before the window is first shown.
    void start();
    // Whether the start left the program waiting in the notification area.
    bool isInTray() const;
    // A start at log-on without a tray yet gives the panel a few seconds to appear.
    bool isWaitingForTray() const;

    // The only two ways the card on show changes; both remember it as the card for the day.
    void showCard(int index);
    void drawCard();

    void bringCardPanelToFront();
    void bringSettingsPanelToFront();
    bool isCardPanelInFront() const;
    enum class Promotion { CoBrand, FullBrand };
    // Which of the two promotional texts lies on top.
    void bringPromotionToFront(Promotion promotion);
    // Shows the window in the middle of the screen, frame included.
    void showCentred();
    void sendToTray();

    // The start-up option, the tray box and the display time, with the handlers they run.
    PanelChoices &choices() { return m_choices; }
    // The settings panel, built the first time it is needed; until then its choices are kept
    // as plain values.
    SettingsPanel *settingsPanel();
    bool isSettingsPanelBuilt() const { return m_settingsPanel != nullptr; }

    // Only a test moves the hidden date; the user cannot reach it.
    void setHiddenDate(schedule::HiddenDate date) { m_hiddenDate = date; }

    void onDisplayTime();
    void saveAndSendToTray();
    void confirmExit();
    void exitFromTray();
    void showFromTray();
    void showSettingsPanel();
    void showAboutDialog();

    enum class CloseReason { WindowSystem, Program };
    // Whether a close request goes ahead; the window system's close is always refused.
    bool queryClose(CloseReason reason);

    // Ends the main window's life: saves, removes the icon and reports closedForGood().
    void closeForGood();
    // For log-out and termination signals: save and let go without any question.
    void endSession();

Q_SIGNALS:
    // The program goes on to its exit screen.
    void closedForGood();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setupMenus();
    void setupControls(QWidget *client);
    void connectHandlers();
    void connectSettingsPanel();
    void showChoicesOnPanel();
    void showCardForTheDay();
    void notifyCardOfTheDay();
    void showFromNotification(const QString &activationToken);
    void keepFocusOffLinks();
    void openPage(QLatin1String pageKey);
    // The hidden date's check: refuses days the month does not have.
    bool isChosenDateAccepted();
    // Saves, takes the icon away and stops the timers: the window is done.
    void letGo();

    Services m_services;
    LaunchInfo m_launch;
    PanelChoices m_choices;
    QStackedWidget *m_panels;
    CardPanel *m_cardPanel;
    SettingsPanel *m_settingsPanel = nullptr;
    // Shown on the settings panel too, once it is built.
    std::optional<int> m_cardOnShow;
    DisplayTimer *m_displayTimer;
    WindowPresence *m_presence;
    JournalKeeper *m_journal;
    bool m_closedForGood = false;

    ui::LinkLabel *m_discussionLink;
    ui::LinkLabel *m_coBrandLink;
    ui::LinkLabel *m_fullBrandLink;
    schedule::HiddenDate m_hiddenDate;
    QMenu *m_trayMenu;
    QAction *m_trayShowAction;
    QAction *m_trayExitAction;
};

} // namespace app
