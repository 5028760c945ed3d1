#include "app/frmMain.h"

#include "app/CardPanel.h"
#include "app/CardPicture.h"
#include "ui/Colours.h"
#include "services/Clock.h"
#include "app/DisplaySchedule.h"
#include "ui/FittedLabel.h"
#include "ui/Geometry.h"
#include "ui/LinkLabel.h"
#include "services/MessageBoxes.h"
#include "ui/ProgramIcon.h"
#include "ui/PushButton.h"
#include "services/RandomGenerator.h"
#include "app/SecondTicker.h"
#include "app/SettingsPanel.h"
#include "services/TrayIcon.h"
#include "ui/Typeface.h"
#include "cards/CardDraw.h"
#include "cards/Deck.h"
#include "settings/SettingKeys.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"
#include "settings/StartupList.h"
#include "settings/modMoonPhase.h"
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
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace app {

namespace {

constexpr QSize kClientSize{474, 480};
constexpr int kTrayPollMs = 250;
const QColor kDarkRed(192, 0, 0);

ui::LinkLabel *addPromotion(QWidget *parent, const QString &text, const QColor &colour,
                        const QRect &geometry, Qt::Alignment alignment)
{
    auto *label = new ui::LinkLabel(parent);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    ui::fitLabelFont(label, ui::programFont(8.25, true));
    ui::setColour(label, QPalette::WindowText, colour);
    return label;
}

QComboBox *addHiddenList(QWidget *parent, const QStringList &entries, const QRect &geometry)
{
    auto *list = new QComboBox(parent);
    list->addItems(entries);
    list->setGeometry(geometry);
    list->setCurrentIndex(0);
    // They lie below the window's edge and nobody may reach them.
    list->setVisible(false);
    return list;
}

QStringList numberTexts(int first, int last)
{
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts.append(QString::number(n));
    return texts;
}

QStringList monthNames()
{
    // The list's entries are fixed English names, whatever the desktop's language.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names.append(english.standaloneMonthName(month, QLocale::LongFormat));
    return names;
}

} // namespace

frmMain::frmMain(Services services, LaunchInfo launch, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_launch(std::move(launch))
{
    setWindowTitle(u"Tarvelle v1.20"_s);
    setWindowRole(u"main"_s);
    // The close box is the only control on the title bar.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

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

    m_timer1 = new SecondTicker(m_services.clock, this);
    m_trayWait = new QTimer(this);
    m_trayWait->setInterval(kTrayPollMs);
    connectHandlers();
}

frmMain::~frmMain()
{
    m_services.tray.setMenu(nullptr);
}

void frmMain::buildFormLevel(QWidget *client)
{
    Label61 = addPromotion(client,
                           u"Talk about your cards with friends on the Quellmoor discussion board: "
                           u"click here to visit us!"_s,
                           kDarkRed, ui::twipsRect(240, 120, 6600, 465), Qt::AlignCenter);

    auto *cmdExit = ui::newPushButton(u"&Exit"_s, client);
    cmdExit->setObjectName(u"cmdExit"_s);
    cmdExit->setFont(ui::programFont(9.0, true));
    cmdExit->setGeometry(ui::twipsRect(60, 6000, 7005, 495));
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);

    auto *frame5 = new QFrame(client);
    frame5->setFrameShape(QFrame::Box);
    ui::setColour(frame5, QPalette::Window, Qt::white);
    frame5->setGeometry(ui::twipsRect(-120, 6480, 7245, 855));
    const QRect promotion = ui::twipsRect(240, 120, 6945, 615);
    lblCobrand = addPromotion(
        frame5,
        u"Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        u"your site's name &  link here. See \"Help\" for details.    Click Here for more info on "
        u"co-branding."_s,
        Qt::blue, promotion, Qt::AlignLeft | Qt::AlignTop);
    lblFullBrand = addPromotion(
        frame5,
        u"Home Business Opportunity. Start your own Internet business and make money online. Get "
        u"this software fully branded for your website. Click here for more details."_s,
        Qt::blue, promotion, Qt::AlignLeft | Qt::AlignTop);
    bringPromotionToFront(true);

    cboDate = addHiddenList(client, numberTexts(1, 31), ui::twipsRect(2640, 7560, 900, 315));
    cboMonth = addHiddenList(client, monthNames(), ui::twipsRect(3840, 7560, 1380, 315));
    cboYear = addHiddenList(client, numberTexts(1901, 2050), ui::twipsRect(5400, 7560, 1020, 315));
}

void frmMain::buildMenus()
{
    QMenu *file = menuBar()->addMenu(u"&File"_s);
    file->addAction(u"Show &Cartomancy Card"_s, this, &frmMain::cmdCalculateMoonPhase_Click);
    file->addSeparator();
    file->addAction(u"E&xit"_s, this, &frmMain::cmdExit_Click);

    QMenu *tools = menuBar()->addMenu(u"&Tools"_s);
    tools->addAction(u"&Settings"_s, this, &frmMain::mnuSettings_Click);

    QMenu *help = menuBar()->addMenu(u"&Help"_s);
    help->addAction(u"&Online Help"_s, this, [this] { openPage(web::pages::HelpWebPage); });
    help->addAction(u"&Visit Us Online"_s, this, [this] { openPage(web::pages::HomePage); });
    help->addSeparator();
    help->addAction(u"Check for Software &Update"_s, this,
                    [this] { openPage(web::pages::DownloadWebPage); });
    help->addSeparator();
    mnuAbout = help->addAction(u"&About Software"_s, this, &frmMain::mnuAbout_Click);

    menuBar()->addAction(u"&Donate"_s, this, [this] { openPage(web::pages::Donate); });

    mnuPopUp = new QMenu(this);
    mnuPop = mnuPopUp->addAction(u"Show"_s, this, &frmMain::mnuPop_Click);
    QFont bold = mnuPop->font();
    bold.setBold(true);
    mnuPop->setFont(bold);
    mnuPopUp->setDefaultAction(mnuPop);
    mnuExit1 = mnuPopUp->addAction(u"Exit"_s, this, &frmMain::mnuExit1_Click);
    m_services.tray.setMenu(mnuPopUp);
}

void frmMain::connectHandlers()
{
    connect(fraRune->cmdSettings, &QPushButton::clicked, this, &frmMain::mnuSettings_Click);
    connect(Label61, &ui::LinkLabel::clicked, this, [this] { openPage(web::pages::HomePage); });
    connect(lblCobrand, &ui::LinkLabel::clicked, this, [this] { openPage(web::pages::CoBrand); });
    connect(lblFullBrand, &ui::LinkLabel::clicked, this,
            [this] { openPage(web::pages::FullyBranded); });
    connect(&m_services.tray, &services::TrayIcon::doubleClicked, this, &frmMain::mnuPop_Click);
    connect(&m_services.tray, &services::TrayIcon::availabilityChanged, this,
            &frmMain::trayAvailabilityChanged);
    connect(m_timer1, &SecondTicker::tick, this, &frmMain::Timer1_Timer);
    connect(m_trayWait, &QTimer::timeout, this, &frmMain::waitForTray);
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
            selectOption(true);
    });
    connect(panel->optDontRun, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            selectOption(false);
    });
    connect(panel->chkSysTray, &QCheckBox::toggled, this, &frmMain::setTrayTicked);
    // Only a pick by the user stores a time; setting the lists from the store writes nothing.
    connect(panel->cboHour, &QComboBox::activated, this, [this, panel](int entry) {
        pickTime(&PanelChoices::hour, panel->cboHour, entry, settings::keys::Hour);
    });
    connect(panel->cboMinute, &QComboBox::activated, this, [this, panel](int entry) {
        pickTime(&PanelChoices::minute, panel->cboMinute, entry, settings::keys::Minute);
    });
    connect(panel->cboSecond, &QComboBox::activated, this, [this, panel](int entry) {
        pickTime(&PanelChoices::second, panel->cboSecond, entry, settings::keys::Second);
    });
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
    (m_choices.runAtStartUp ? panel->optRun : panel->optDontRun)->setChecked(true);
    panel->chkSysTray->setChecked(m_choices.trayTicked);
    panel->chkSysTray->setEnabled(m_choices.trayEnabled);
    panel->cboHour->setCurrentIndex(m_choices.hour);
    panel->cboMinute->setCurrentIndex(m_choices.minute);
    panel->cboSecond->setCurrentIndex(m_choices.second);
    if (m_choices.card)
        panel->picCard2->setCard(*m_choices.card);
}

void frmMain::setTrayTicked(bool ticked)
{
    if (ticked == m_choices.trayTicked)
        return;
    m_choices.trayTicked = ticked;
    showChoicesOnPanel();
    chkSysTray_Click(ticked);
}

void frmMain::setTrayEnabled(bool enabled)
{
    m_choices.trayEnabled = enabled;
    showChoicesOnPanel();
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
        selectOption(true);
        setTrayTicked(settings::isExactlyTrue(
            m_services.store.ReadSetting(settings::keys::RunAtSysTray, u"False"_s)));
    }
    // Otherwise "Don't run at start-up" is already selected, as it is from the start.

    const bool startedAtLogOn = m_launch.arguments.join(u' ').contains("/STARTUP"_L1);
    if (m_choices.trayTicked && startedAtLogOn) {
        m_waitingForLogOnTray = true;
        SendToTray();
        m_waitingForLogOnTray = false;
    }

    showCardForTheDay();
    firstRun.reset();
    LoadSettings();
    m_timer1->start();
}

void frmMain::showCardForTheDay()
{
    settings::SettingsStore &store = m_services.store;
    const QDate today = m_services.clock.today();
    if (schedule::isFirstRun(store)) {
        m_choices.hour = m_choices.minute = m_choices.second = 0;
        schedule::writeFirstRunValues(store, today);
        ShowRandomCard();
        bringSettingsPanelToFront();
        return;
    }
    const std::optional<int> stored = schedule::storedCard(store);
    if (schedule::takeDueCard(store, today) || !stored)
        ShowRandomCard();
    else
        ShowCard(*stored);
    bringCardPanelToFront();
}

void frmMain::ShowCard(int index)
{
    const cards::Card shown = cards::card(index);
    fraRune->picCard->setCard(index);
    m_choices.card = index;
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

void frmMain::SendToTray()
{
    ui::useProgramIconForWindows();
    m_services.tray.add(ui::programIcon(), u"Recent"_s);
    m_inTray = true;
    if (m_services.tray.isAvailable()) {
        hide();
    } else if (m_waitingForLogOnTray) {
        // Never shown yet; the panel may still be on its way.
        m_trayWaitClock.start();
        m_trayWait->start();
    } else {
        // Without a notification area a hidden window could never be reached again.
        minimiseToTaskBar();
    }
}

bool frmMain::isWaitingForTray() const
{
    return m_trayWait->isActive();
}

void frmMain::waitForTray()
{
    if (m_services.tray.isAvailable()) {
        m_trayWait->stop();
        return;
    }
    if (m_trayWaitClock.elapsed() >= m_launch.trayWait.count()) {
        m_trayWait->stop();
        if (m_inTray)
            minimiseToTaskBar();
    }
}

// A tray host that goes away (a panel crashing or restarting) would leave the program with no
// way back; the task bar takes over until a tray returns.
void frmMain::trayAvailabilityChanged()
{
    if (!m_inTray || m_trayWait->isActive())
        return;
    if (!m_services.tray.isAvailable())
        minimiseToTaskBar();
    else if (isVisible())
        hide();
}

void frmMain::RemoveTrayIcon()
{
    m_services.tray.remove();
}

void frmMain::mnuPop_Click()
{
    m_trayWait->stop();
    const bool firstTime = !m_everPainted;
    keepFocusOffLinks();
    show();
    showNormal();
    if (!m_iconHolder)
        m_iconHolder = std::make_unique<ui::frmDisplay>();
    setWindowIcon(m_iconHolder->IMGIcon(ui::frmDisplay::kProgramIcon));
    centreOnScreen();
    if (firstTime)
        afterFirstPaint([this] { centreOnScreen(); });
    RemoveTrayIcon();
    m_inTray = false;
    raise();
    activateWindow();
}

void frmMain::showCentred()
{
    placeForFirstShowing();
    show();
}

// Whichever way the window first comes up, it comes up in the middle of the screen.
void frmMain::placeForFirstShowing()
{
    keepFocusOffLinks();
    if (m_everPainted || m_placedForFirstShowing)
        return;
    m_placedForFirstShowing = true;
    // Sized first, so that it maps in the middle and does not jump there after its first paint.
    layout()->activate();
    centreOnScreen();
    // The window manager's frame is known only once the window is on screen.
    afterFirstPaint([this] { centreOnScreen(); });
}

void frmMain::minimiseToTaskBar()
{
    if (m_everPainted) {
        showMinimized();
        return;
    }
    // A window that was never on screen does not minimise: map it first.
    placeForFirstShowing();
    show();
    afterFirstPaint([this] {
        centreOnScreen();
        showMinimized();
    });
}

void frmMain::afterFirstPaint(std::function<void()> action)
{
    if (m_everPainted)
        QTimer::singleShot(0, this, std::move(action));
    else
        m_afterFirstPaint = std::move(action);
}

bool frmMain::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint && !m_everPainted) {
        m_everPainted = true;
        // Drawn once the window is on screen, not before.
        QTimer::singleShot(0, this, &ui::useProgramIconForWindows);
        if (m_afterFirstPaint)
            QTimer::singleShot(0, this, std::exchange(m_afterFirstPaint, nullptr));
    }
    return handled;
}

void frmMain::centreOnScreen()
{
    const QScreen *where = screen();
    if (!where)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(where->availableGeometry().center());
    move(frame.topLeft());
}

void frmMain::Timer1_Timer()
{
    const QDateTime now = m_services.clock.now();
    if (!schedule::isDisplayTime(m_services.store, now.time()))
        return;
    if (schedule::takeDueCard(m_services.store, now.date()))
        ShowRandomCard();
    // The tray icon stays; which panel is in front does not change.
    m_trayWait->stop();
    m_inTray = false;
    placeForFirstShowing();
    showNormal();
    raise();
    activateWindow();
}

bool frmMain::isChosenDateAccepted()
{
    const int month = cboMonth->currentIndex();
    const int day = cboDate->currentIndex();
    const bool february = month == 1 && (day == 29 || day == 30);
    const bool thirtyDays = (month == 3 || month == 5 || month == 8 || month == 10) && day == 30;
    if (!february && !thirtyDays)
        return true;
    m_services.messages.show({u"Please Enter Correct Date !"_s, services::MessageBoxes::Icon::Information,
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
    event->setAccepted(Form_QueryUnload(event->spontaneous() ? CloseReason::WindowSystem
                                                             : CloseReason::Program));
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
    m_trayWait->stop();
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
    m_trayWait->stop();
    hide();
}

void frmMain::SaveSettings()
{
    settings::SaveSettings(m_services.store, {m_choices.runAtStartUp, m_choices.trayTicked});
}

void frmMain::LoadSettings()
{
    const settings::StoredPanel stored = settings::LoadSettings(m_services.store);
    setTrayTicked(stored.startAtSystemTray);
    selectOption(stored.runAtStartUp);
    // A time that is no entry of its list leaves the list as it is.
    const auto setEntry = [](int &entry, const QString &text, int entries) {
        if (const std::optional<int> found = schedule::timeListEntry(text, entries))
            entry = *found;
    };
    setEntry(m_choices.hour, stored.hour, schedule::kHourEntries);
    setEntry(m_choices.minute, stored.minute, schedule::kMinuteEntries);
    setEntry(m_choices.second, stored.second, schedule::kSecondEntries);
    showChoicesOnPanel();
}

// Selecting an option always runs its handler, even when it is already selected, so the
// start-up entry and the tray box always end as the choice says.
void frmMain::selectOption(bool runAtStartUp)
{
    m_choices.runAtStartUp = runAtStartUp;
    showChoicesOnPanel();
    if (runAtStartUp)
        optRun_Click();
    else
        optDontRun_Click();
}

void frmMain::optRun_Click()
{
    UpdateStartupEntry(true);
    setTrayEnabled(true);
}

void frmMain::optDontRun_Click()
{
    UpdateStartupEntry(false);
    setTrayEnabled(false);
    setTrayTicked(false);
}

void frmMain::chkSysTray_Click(bool ticked)
{
    m_services.store.WriteSetting(settings::keys::RunAtSysTray, settings::booleanText(ticked));
}

bool frmMain::HasStartupEntry()
{
    return m_services.startupList.contains(m_launch.appName);
}

void frmMain::UpdateStartupEntry(bool runAtStartUp)
{
    using Failure = settings::StartupList::Failure;
    const std::optional<Failure> failure =
        runAtStartUp ? m_services.startupList.write(m_launch.appName, m_launch.executablePath)
                     : m_services.startupList.remove(m_launch.appName);
    // Whether a removal took effect is not examined; only a folder we cannot open is reported.
    if (!failure || (!runAtStartUp && failure->stage == Failure::Stage::Setting))
        return;
    const QString what = failure->stage == Failure::Stage::Opening ? u" opening key"_s
                                                                    : u" setting key"_s;
    m_services.messages.show({u"Error "_s + QString::number(failure->code) + what + "\r\n"_L1
                                  + failure->description,
                              services::MessageBoxes::Icon::None, services::MessageBoxes::Buttons::Ok});
}

void frmMain::mnuAbout_Click()
{
    web::frmAbout about(m_services.browser);
    about.exec();
}

void frmMain::pickTime(int PanelChoices::*field, QComboBox *list, int entry,
                       const QString &key)
{
    if (entry < 0)
        return;
    m_choices.*field = entry;
    m_services.store.WriteSetting(key, list->itemText(entry));
}

void frmMain::openPage(QLatin1String pageKey)
{
    web::OpenSitePage(m_services.browser, pageKey);
}

} // namespace app
