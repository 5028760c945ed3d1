#pragma once

#include "app/Services.h"
#include "rules/DisplaySchedule.h"
#include "rules/PanelChoices.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QAction;
class QMenu;
class QStackedWidget;

namespace rules {
class CardHold;
class DisplayTimer;
} // namespace rules

namespace ui {
class LinkLabel;
}

namespace app {

class CardPanel;
class JournalKeeper;
class SettingsPanel;
class WindowPresence;

// What "Remind Me Later" offers; the notification's "Later" takes the first.
struct LaterChoice {
    int minutes;
    const char *text;
    // Ends the object names of the menus' entries.
    const char *name;
};
inline constexpr std::array<LaterChoice, 3> kLaterChoices{{
    {10, QT_TRANSLATE_NOOP("app::MainWindow", "In &10 Minutes"), "In10Minutes"},
    {60, QT_TRANSLATE_NOOP("app::MainWindow", "In an &Hour"), "InAnHour"},
    {180, QT_TRANSLATE_NOOP("app::MainWindow", "In &Three Hours"), "InThreeHours"},
}};

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
    // Shows the window in the middle of the screen, frame included.
    void showCentred();

    enum class Promotion { CoBrand, FullBrand };
    // Which of the two promotional texts lies on top.
    void bringPromotionToFront(Promotion promotion);

    // For log-out and termination signals: save and let go without any question.
    void endSession();

Q_SIGNALS:
    // The program goes on to its exit screen.
    void closedForGood();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The only two ways the card on show changes; both remember it as the card for the day.
    void showCard(int index);
    void drawCard();

    void bringCardPanelToFront();
    void bringSettingsPanelToFront();
    bool isCardPanelInFront() const;
    void sendToTray();
    // The settings panel, built the first time it is needed; until then its choices are kept
    // as plain values.
    SettingsPanel *settingsPanel();

    void onDisplayTime();
    void onReminder();
    // "Later": away as the close box puts it, back with a notification after `minutes`.
    void remindLater(int minutes);
    void bringUpCard(bool notify);
    void saveAndSendToTray();
    void confirmExit();
    void showFromTray();
    void showAboutDialog();
    // Ends the main window's life: saves, removes the icon and reports closedForGood().
    void closeForGood();

    void setupMenus();
    void addLaterChoices(QMenu *menu, const char *namePrefix);
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
    rules::PanelChoices m_choices;
    QStackedWidget *m_panels;
    CardPanel *m_cardPanel;
    SettingsPanel *m_settingsPanel = nullptr;
    // Shown on the settings panel too, once it is built.
    std::optional<int> m_cardOnShow;
    rules::DisplayTimer *m_displayTimer;
    rules::CardHold *m_hold;
    WindowPresence *m_presence;
    JournalKeeper *m_journal;
    bool m_closedForGood = false;

    ui::LinkLabel *m_discussionLink;
    ui::LinkLabel *m_coBrandLink;
    ui::LinkLabel *m_fullBrandLink;
    rules::schedule::HiddenDate m_hiddenDate;
    QMenu *m_trayMenu;
    QAction *m_trayShowAction;
    QAction *m_trayExitAction;
    QAction *m_waitWhileBusyAction;
};

} // namespace app
