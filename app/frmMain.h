#pragma once

#include "app/PanelChoices.h"
#include "app/Services.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QMenu;
class QStackedWidget;

namespace ui {
class frmDisplay;
class LinkLabel;
} // namespace ui

namespace app {

class CardPanel;
class DisplayTimer;
class SettingsPanel;
class WindowPresence;

// The main window: the card for the day, the settings, the daily display and the tray.
class frmMain final : public QMainWindow {
    Q_OBJECT

public:
    frmMain(Services services, LaunchInfo launch, QWidget *parent = nullptr);
    ~frmMain() override;

    // Runs once, before the window is first shown.
    void Form_Load();
    // Whether the load left the program waiting in the notification area.
    bool isInTray() const;
    // A start at log-on without a tray yet gives the panel a few seconds to appear.
    bool isWaitingForTray() const;

    // The only two ways the card on show changes; both remember it as the card for the day.
    void ShowCard(int index);
    void ShowRandomCard();

    void bringCardPanelToFront();
    void bringSettingsPanelToFront();
    bool isCardPanelInFront() const;
    // Which of the two promotional texts lies on top.
    void bringPromotionToFront(bool coBrand);
    // Shows the window in the middle of the screen, frame included.
    void showCentred();

    void SendToTray();
    void RemoveTrayIcon();
    void SaveSettings();
    void LoadSettings();
    bool HasStartupEntry();
    void UpdateStartupEntry(bool runAtStartUp);
    // The hidden date lists' check: refuses days the month does not have.
    bool isChosenDateAccepted();

    // Handlers, named after the control and its event.
    void Timer1_Timer();
    void cmdCalculateMoonPhase_Click();
    void cmdExit_Click();
    void mnuExit1_Click();
    void mnuPop_Click();
    void mnuSettings_Click();
    void mnuAbout_Click();
    void optRun_Click();
    void optDontRun_Click();
    void chkSysTray_Click(bool ticked);

    enum class CloseReason { WindowSystem, Program };
    // Whether a close request goes ahead; the window system's close is always refused.
    bool Form_QueryUnload(CloseReason reason);

    // Ends the main window's life: saves, removes the icon and reports unloaded().
    void unload();
    // For log-out and termination signals: save and let go without any question.
    void endSession();

    CardPanel *fraRune;
    // The settings panel, built the first time it is needed; until then its choices are kept
    // as plain values.
    SettingsPanel *fraSettings();
    bool isSettingsPanelBuilt() const { return m_settingsPanel != nullptr; }
    QComboBox *cboDate;
    QComboBox *cboMonth;
    QComboBox *cboYear;
    ui::LinkLabel *Label61;
    ui::LinkLabel *lblCobrand;
    ui::LinkLabel *lblFullBrand;
    QMenu *mnuPopUp;
    QAction *mnuPop;
    QAction *mnuExit1;
    // Built on the first "Show" from the tray.
    const ui::frmDisplay *iconHolder() const { return m_iconHolder.get(); }

Q_SIGNALS:
    // The main window has been unloaded; the program goes on to its exit screen.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildFormLevel(QWidget *client);
    void connectHandlers();
    void connectSettingsPanel();
    void showChoicesOnPanel();
    void showCardForTheDay();
    void notifyCardOfTheDay();
    void showFromNotification(const QString &activationToken);
    void keepFocusOffLinks();
    void openPage(QLatin1String pageKey);

    Services m_services;
    LaunchInfo m_launch;
    PanelChoices m_choices;
    QStackedWidget *m_panels;
    SettingsPanel *m_settingsPanel = nullptr;
    // Shown on the settings panel too, once it is built.
    std::optional<int> m_cardOnShow;
    DisplayTimer *m_timer1;
    WindowPresence *m_presence;
    bool m_unloaded = false;
    std::unique_ptr<ui::frmDisplay> m_iconHolder;
};

} // namespace app
