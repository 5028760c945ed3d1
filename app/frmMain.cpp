#include "app/frmMain.h"

#include "app/CardPanel.h"
#include "app/CardPicture.h"
#include "app/DisplaySchedule.h"
#include "app/DisplayTimer.h"
#include "app/SettingsPanel.h"
#include "app/WindowPresence.h"
#include "cards/CardDraw.h"
#include "cards/CardFace.h"
#include "cards/Deck.h"
#include "services/Clock.h"
#include "services/MessageBoxes.h"
#include "services/Notifications.h"
#include "services/RandomGenerator.h"
#include "services/TrayIcon.h"
#include "settings/SettingKeys.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"
#include "settings/StartupList.h"
#include "settings/modMoonPhase.h"
#include "ui/Colours.h"
#include "ui/FittedLabel.h"
#include "ui/Geometry.h"
#include "ui/LinkLabel.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramWindow.h"
#include "ui/PushButton.h"
#include "ui/Typeface.h"
#include "ui/frmDisplay.h"
#include "web/SitePages.h"
#include "web/UpdateReminder.h"
#include "web/frmAbout.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// 7110 x 7200 twips under the menu bar.
constexpr QSize kClientSize{474, 480};

} // namespace

frmMain::frmMain(Services services, LaunchInfo launch, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_launch(std::move(launch)),
      m_choices(PanelChoices::Outside{m_services.store, m_services.startupList, m_services.messages,
                                      m_launch.appName, m_launch.executablePath},
                this)
{
    setWindowTitle(ui::programCaption());
    setWindowRole(u"main"_s);
    ui::giveCloseBoxOnly(this);

    auto *client = new QWidget(this);
    client->setFixedSize(kClientSize);
    client->setFont(ui::programFont(8.25));
    ui::setColour(client, QPalette::Window, Qt::white);
    setCentralWidget(client);

    m_panels = new QStackedWidget(client);
    m_panels->setGeometry(ui::twipsRect(60, 600, 7005, 5355));
    fraRune = new CardPanel(m_panels);
    m_panels->addWidget(fraRune);
    bringCardPanelToFront();

    buildFormLevel(client);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_timer1 = new DisplayTimer(m_services.clock, m_services.alarm, m_services.store, this);
    m_presence = new WindowPresence(*this, m_services.tray, m_launch.trayWait);
    m_presence->setBeforeShowing([this] { keepFocusOffLinks(); });
    connectHandlers();
}

frmMain::~frmMain()
{
    m_services.store.setChangeListener({});
    m_services.tray.setMenu(nullptr);
}

void frmMain::connectHandlers()
{
    connect(fraRune->cmdSettings, &QPushButton::clicked, this, &frmMain::mnuSettings_Click);
    connect(Label61, &ui::LinkLabel::clicked, this, [this] { openPage(web::pages::HomePage); });
    connect(lblCobrand, &ui::LinkLabel::clicked, this, [this] { openPage(web::pages::CoBrand); });
    connect(lblFullBrand, &ui::LinkLabel::clicked, this,
            [this] { openPage(web::pages::FullyBranded); });
    connect(&m_services.tray, &services::TrayIcon::showRequested, this, &frmMain::mnuPop_Click);
    connect(m_timer1, &DisplayTimer::tick, this, &frmMain::Timer1_Timer);
    connect(&m_services.notifications, &services::Notifications::defaultActionInvoked, this,
            &frmMain::showFromNotification);
    connect(&m_choices, &PanelChoices::displayTimeChanged, m_timer1, &DisplayTimer::reschedule);
    // A hand edit of the file can move the display time as a pick can.
    m_services.store.setChangeListener([this] { m_timer1->reschedule(); });
    connect(&m_choices, &PanelChoices::changed, this, &frmMain::showChoicesOnPanel);
}

SettingsPanel *frmMain::fraSettings()
{
    if (!m_settingsPanel) {
        m_settingsPanel = new SettingsPanel(m_panels);
        // Inserted behind the card panel, so whichever panel is in front stays there.
        m_panels->insertWidget(0, m_settingsPanel);
        showChoicesOnPanel();
        connectSettingsPanel();
    }
    return m_settingsPanel;
}

void frmMain::connectSettingsPanel()
{
    SettingsPanel *panel = m_settingsPanel;
    connect(panel->cmdCalculateMoonPhase, &QPushButton::clicked, this,
            &frmMain::cmdCalculateMoonPhase_Click);
    connect(panel->optRun, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_choices.selectOption(true);
    });
    connect(panel->optDontRun, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_choices.selectOption(false);
    });
    connect(panel->chkSysTray, &QCheckBox::toggled, &m_choices, &PanelChoices::setTrayTicked);
    // Only a pick by the user stores a time; setting the lists from the store writes nothing.
    const auto pickIn = [this](QComboBox *list, PanelChoices::TimeList which) {
        connect(list, &QComboBox::activated, this,
                [this, which](int entry) { m_choices.pickTime(which, entry); });
    };
    pickIn(panel->cboHour, PanelChoices::TimeList::Hour);
    pickIn(panel->cboMinute, PanelChoices::TimeList::Minute);
    pickIn(panel->cboSecond, PanelChoices::TimeList::Second);
}

void frmMain::showChoicesOnPanel()
{
    SettingsPanel *panel = m_settingsPanel;
    if (!panel)
        return;
    // Mirrors the choices; the handlers have already run for them.
    const QSignalBlocker run(panel->optRun);
    const QSignalBlocker dontRun(panel->optDontRun);
    const QSignalBlocker tray(panel->chkSysTray);
    (m_choices.runAtStartUp() ? panel->optRun : panel->optDontRun)->setChecked(true);
    panel->chkSysTray->setChecked(m_choices.trayTicked());
    panel->chkSysTray->setEnabled(m_choices.trayEnabled());
    panel->cboHour->setCurrentIndex(m_choices.entry(PanelChoices::TimeList::Hour));
    panel->cboMinute->setCurrentIndex(m_choices.entry(PanelChoices::TimeList::Minute));
    panel->cboSecond->setCurrentIndex(m_choices.entry(PanelChoices::TimeList::Second));
    if (m_cardOnShow)
        panel->picCard2->setCard(*m_cardOnShow);
}

void frmMain::Form_Load()
{
    // A first run's values, the reminder's first stamp among them, land together or not at all.
    std::optional<settings::SettingsStore::Batch> firstRun;
    if (schedule::isFirstRun(m_services.store))
        firstRun.emplace(m_services.store);
    // Asked before anything of the window is shown, on every start.
    web::CheckUpdateReminder(m_services.store, m_services.clock.today(), m_services.messages,
                             m_services.browser);

    if (HasStartupEntry()) {
        m_choices.selectOption(true);
        m_choices.setTrayTicked(settings::isExactlyTrue(m_services.store.ReadSetting(
            settings::keys::RunAtSysTray,
            settings::keys::whenAbsent(settings::keys::RunAtSysTray))));
    }
    // Otherwise "Don't run at start-up" is already selected, as it is from the start.

    const bool startedAtLogOn = m_launch.arguments.join(u' ').contains("/STARTUP"_L1);
    if (m_choices.trayTicked() && startedAtLogOn)
        m_presence->sendToTray(true);

    showCardForTheDay();
    firstRun.reset();
    LoadSettings();
    m_timer1->start();
}

void frmMain::showCardForTheDay()
{
    const schedule::CardForTheDay choice =
        schedule::cardForTheDay(m_services.store, m_services.clock.today());
    if (choice.keep)
        ShowCard(*choice.keep);
    else
        ShowRandomCard();
    if (choice.firstRun) {
        m_choices.showFirstEntries();
        bringSettingsPanelToFront();
    } else {
        bringCardPanelToFront();
    }
}

void frmMain::ShowCard(int index)
{
    const cards::Card shown = cards::card(index);
    fraRune->picCard->setCard(index);
    m_cardOnShow = index;
    if (m_settingsPanel)
        m_settingsPanel->picCard2->setCard(index);
    fraRune->lblCardName->setFittedText(shown.name);
    fraRune->lblCardDesc->setFittedText(shown.description);
    fraRune->lblKeywards->setFittedText(shown.keywords);
    fraRune->lblAlternativeName->setFittedText(shown.favourablePeriod);
    m_services.store.WriteSetting(settings::keys::Card, settings::integerText(index));
}

void frmMain::ShowRandomCard()
{
    ShowCard(cards::cardForRandom(m_services.random.next()));
}

void frmMain::bringCardPanelToFront()
{
    m_panels->setCurrentWidget(fraRune);
    keepFocusOffLinks();
}

void frmMain::bringSettingsPanelToFront()
{
    m_panels->setCurrentWidget(fraSettings());
    keepFocusOffLinks();
}

// A window that comes up by itself must not wait with the keyboard on a link, where a Space
// typed at that moment would open a page; the front panel's first control takes it.
void frmMain::keepFocusOffLinks()
{
    const QWidget *focused = focusWidget();
    if (focused && !qobject_cast<const ui::LinkLabel *>(focused) && focused->isVisibleTo(this))
        return;
    if (isCardPanelInFront())
        fraRune->cmdSettings->setFocus();
    else
        m_settingsPanel->cboHour->setFocus();
}

bool frmMain::isCardPanelInFront() const
{
    return m_panels->currentWidget() == fraRune;
}

void frmMain::bringPromotionToFront(bool coBrand)
{
    ui::LinkLabel *front = coBrand ? lblCobrand : lblFullBrand;
    ui::LinkLabel *back = coBrand ? lblFullBrand : lblCobrand;
    // Hidden rather than merely covered: both texts are transparent and would show through.
    back->setVisible(false);
    front->setVisible(true);
    front->raise();
}

bool frmMain::isInTray() const
{
    return m_presence->isInTray();
}

bool frmMain::isWaitingForTray() const
{
    return m_presence->isWaitingForTray();
}

void frmMain::showCentred()
{
    m_presence->showCentred();
}

void frmMain::SendToTray()
{
    m_presence->sendToTray();
}

void frmMain::RemoveTrayIcon()
{
    m_presence->removeTrayIcon();
}

void frmMain::mnuPop_Click()
{
    if (!m_iconHolder)
        m_iconHolder = std::make_unique<ui::frmDisplay>();
    setWindowIcon(m_iconHolder->IMGIcon(ui::frmDisplay::kProgramIcon));
    m_presence->showFromTray();
}

void frmMain::Timer1_Timer()
{
    const schedule::Tick tick = schedule::tickAt(m_services.store, m_services.clock.now());
    if (!tick.show)
        return;
    if (tick.draw)
        ShowRandomCard();
    // The tray icon stays; which panel is in front does not change.
    m_presence->showAtDisplayTime();
    notifyCardOfTheDay();
}

// Where focus-stealing prevention keeps the window under the user's work, this still tells them.
void frmMain::notifyCardOfTheDay()
{
    if (!m_cardOnShow)
        return;
    const cards::Card shown = cards::card(*m_cardOnShow);
    m_services.notifications.notify({shown.name, shown.favourablePeriod + u'\n' + shown.keywords,
                                     cards::renderCardFace(*m_cardOnShow, 2.0).toImage(),
                                     u"Show"_s});
}

void frmMain::showFromNotification(const QString &activationToken)
{
    // Once unloaded the window never comes back.
    if (m_unloaded)
        return;
    m_presence->setActivationToken(activationToken);
    mnuPop_Click();
}

bool frmMain::isChosenDateAccepted()
{
    if (schedule::isDateAccepted(cboMonth->currentIndex(), cboDate->currentIndex()))
        return true;
    m_services.messages.show({u"Please Enter Correct Date !"_s,
                              services::MessageBoxes::Icon::Information,
                              services::MessageBoxes::Buttons::Ok});
    return false;
}

void frmMain::cmdCalculateMoonPhase_Click()
{
    if (!isChosenDateAccepted())
        return;
    SaveSettings();
    SendToTray();
    bringCardPanelToFront();
}

void frmMain::mnuSettings_Click()
{
    bringSettingsPanelToFront();
}

void frmMain::cmdExit_Click()
{
    const services::MessageBoxes::Answer answer = m_services.messages.show(
        {u"Are You Sure You Want To Quit Tarvelle?"_s, services::MessageBoxes::Icon::Exclamation,
         services::MessageBoxes::Buttons::YesNo});
    if (answer == services::MessageBoxes::Answer::Yes)
        unload();
    else
        cmdCalculateMoonPhase_Click();
}

void frmMain::mnuExit1_Click()
{
    unload();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // The window system's close (close box, Alt+F4, window menu) arrives spontaneously.
    event->setAccepted(
        Form_QueryUnload(event->spontaneous() ? CloseReason::WindowSystem : CloseReason::Program));
}

bool frmMain::Form_QueryUnload(CloseReason reason)
{
    if (m_unloaded)
        return true;
    if (reason == CloseReason::WindowSystem) {
        // The close box only puts the program away.
        SendToTray();
        bringCardPanelToFront();
        return false;
    }
    unload();
    return true;
}

void frmMain::unload()
{
    if (m_unloaded)
        return;
    // Saved once: the close request and the unload would store the same two values.
    SaveSettings();
    bringCardPanelToFront();
    m_unloaded = true;
    RemoveTrayIcon();
    m_timer1->stop();
    m_presence->stop();
    hide();
    Q_EMIT unloaded();
}

void frmMain::endSession()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    SaveSettings();
    // The process ends next, with no chance to finish a first run's values.
    m_services.store.commitPending();
    RemoveTrayIcon();
    m_timer1->stop();
    m_presence->stop();
    hide();
}

void frmMain::SaveSettings()
{
    m_choices.SaveSettings();
}

void frmMain::LoadSettings()
{
    m_choices.LoadSettings();
}

void frmMain::optRun_Click()
{
    m_choices.optRun_Click();
}

void frmMain::optDontRun_Click()
{
    m_choices.optDontRun_Click();
}

void frmMain::chkSysTray_Click(bool ticked)
{
    m_choices.chkSysTray_Click(ticked);
}

bool frmMain::HasStartupEntry()
{
    return m_choices.HasStartupEntry();
}

void frmMain::UpdateStartupEntry(bool runAtStartUp)
{
    m_choices.UpdateStartupEntry(runAtStartUp);
}

void frmMain::mnuAbout_Click()
{
    web::frmAbout about(m_services.browser);
    about.exec();
}

void frmMain::openPage(QLatin1String pageKey)
{
    web::OpenSitePage(m_services.browser, pageKey);
}

} // namespace app
