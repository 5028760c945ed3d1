#include "app/MainWindow.h"

#include "app/CardPanel.h"
#include "app/CardPicture.h"
#include "app/JournalKeeper.h"
#include "app/SettingsPanel.h"
#include "app/WindowPresence.h"
#include "cards/CardDraw.h"
#include "cards/CardFace.h"
#include "cards/Deck.h"
#include "dialogs/AboutDialog.h"
#include "journal/JournalStore.h"
#include "rules/CardHold.h"
#include "rules/DisplaySchedule.h"
#include "rules/DisplayTimer.h"
#include "services/Clock.h"
#include "services/MessageBoxes.h"
#include "services/Notifications.h"
#include "services/RandomGenerator.h"
#include "services/TrayIcon.h"
#include "settings/SettingKeys.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"
#include "settings/StartupList.h"
#include "settings/StoredChoices.h"
#include "site/SitePages.h"
#include "site/UpdateReminder.h"
#include "ui/Colours.h"
#include "ui/FittedLabel.h"
#include "ui/Geometry.h"
#include "ui/LinkLabel.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramWindow.h"
#include "ui/PushButton.h"
#include "ui/Typeface.h"

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

MainWindow::MainWindow(Services services, LaunchInfo launch, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_launch(std::move(launch)),
      m_choices(rules::PanelChoices::Outside{m_services.settings, m_services.startupList,
                                             m_services.messages, m_launch.appName,
                                             m_launch.executablePath},
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
    m_cardPanel = new CardPanel(m_panels);
    m_panels->addWidget(m_cardPanel);
    bringCardPanelToFront();

    setupControls(client);
    m_journal = new JournalKeeper(m_services.journal, m_services.clock, this);
    setupMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_displayTimer =
        new rules::DisplayTimer(m_services.clock, m_services.alarm, m_services.settings, this);
    m_hold = new rules::CardHold(m_services.desktop, m_services.clock, m_services.settings, this);
    m_presence = new WindowPresence(*this, m_services.tray, m_launch.trayWait);
    m_presence->setBeforeShowing([this] { keepFocusOffLinks(); });
    connectHandlers();
}

MainWindow::~MainWindow()
{
    m_services.settings.setChangeListener({});
    m_services.tray.setMenu(nullptr);
}

void MainWindow::connectHandlers()
{
    connect(m_cardPanel, &CardPanel::settingsRequested, this,
            &MainWindow::bringSettingsPanelToFront);
    connect(m_discussionLink, &ui::LinkLabel::clicked, this,
            [this] { openPage(site::pages::HomePage); });
    connect(m_coBrandLink, &ui::LinkLabel::clicked, this,
            [this] { openPage(site::pages::CoBrand); });
    connect(m_fullBrandLink, &ui::LinkLabel::clicked, this,
            [this] { openPage(site::pages::FullyBranded); });
    connect(&m_services.tray, &services::TrayIcon::showRequested, this, &MainWindow::showFromTray);
    connect(m_displayTimer, &rules::DisplayTimer::displayTimeReached, this,
            &MainWindow::onDisplayTime);
    connect(&m_services.notifications, &services::Notifications::defaultActionInvoked, this,
            &MainWindow::showFromNotification);
    connect(&m_services.notifications, &services::Notifications::laterActionInvoked, this, [this] {
        if (!m_closedForGood)
            remindLater(kLaterChoices.front().minutes);
    });
    connect(m_displayTimer, &rules::DisplayTimer::reminderReached, this, &MainWindow::onReminder);
    connect(m_displayTimer, &rules::DisplayTimer::dayEnded, m_hold, &rules::CardHold::dayEnded);
    connect(m_hold, &rules::CardHold::bringUp, this, &MainWindow::bringUpCard);
    connect(m_hold, &rules::CardHold::notifyQuietly, this, &MainWindow::notifyCardOfTheDay);
    connect(m_hold, &rules::CardHold::holdingChanged, this, [this](bool holding) {
        m_presence->setCardWaiting(holding);
        m_displayTimer->watchDayEnd(holding);
    });
    connect(&m_choices, &rules::PanelChoices::displayTimeChanged, m_displayTimer,
            &rules::DisplayTimer::reschedule);
    // A hand edit of the file can move the display time as a pick can.
    m_services.settings.setChangeListener([this] { m_displayTimer->reschedule(); });
    connect(&m_choices, &rules::PanelChoices::changed, this, &MainWindow::showChoicesOnPanel);
}

SettingsPanel *MainWindow::settingsPanel()
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

void MainWindow::connectSettingsPanel()
{
    SettingsPanel *panel = m_settingsPanel;
    connect(panel, &SettingsPanel::showCardRequested, this, &MainWindow::saveAndSendToTray);
    connect(panel, &SettingsPanel::startUpOptionSelected, &m_choices,
            &rules::PanelChoices::selectOption);
    connect(panel, &SettingsPanel::trayBoxToggled, &m_choices, &rules::PanelChoices::setTrayTicked);
    connect(panel, &SettingsPanel::timePicked, &m_choices, &rules::PanelChoices::pickTime);
}

void MainWindow::showChoicesOnPanel()
{
    if (!m_settingsPanel)
        return;
    m_settingsPanel->showChoices(m_choices);
    if (m_cardOnShow)
        m_settingsPanel->showCard(*m_cardOnShow);
}

void MainWindow::start()
{
    // A first run's values, the reminder's first stamp among them, land together or not at all.
    std::optional<settings::SettingsStore::Batch> firstRun;
    if (rules::schedule::isFirstRun(m_services.settings))
        firstRun.emplace(m_services.settings);
    // Asked before anything of the window is shown, on every start.
    site::checkUpdateReminder(m_services.settings, m_services.clock.today(), m_services.messages,
                              m_services.browser);

    if (m_choices.hasStartupEntry()) {
        m_choices.selectOption(true);
        m_choices.setTrayTicked(
            settings::isExactlyTrue(m_services.settings.read(settings::keys::RunAtSysTray)));
    }
    // Otherwise "Don't run at start-up" is already selected, as it is from the start.

    if (m_choices.trayTicked() && m_launch.startedAtLogOn)
        m_presence->sendToTray(true);

    showCardForTheDay();
    firstRun.reset();
    m_choices.load();
    m_displayTimer->start();
}

void MainWindow::showCardForTheDay()
{
    const rules::schedule::CardForTheDay choice =
        rules::schedule::cardForTheDay(m_services.settings, m_services.clock.today());
    if (choice.keep) {
        showCard(*choice.keep);
        // Every start makes sure of its day: one that ended before writing its draw lost it.
        m_journal->keep(m_services.clock.today(), *choice.keep);
    } else {
        drawCard();
    }
    if (choice.firstRun) {
        m_choices.showFirstEntries();
        bringSettingsPanelToFront();
    } else {
        bringCardPanelToFront();
    }
}

void MainWindow::showCard(int index)
{
    m_cardPanel->showCard(index);
    m_cardOnShow = index;
    if (m_settingsPanel)
        m_settingsPanel->showCard(index);
    m_services.settings.write(settings::keys::Card, settings::integerText(index));
}

void MainWindow::drawCard()
{
    const int index = cards::cardForRandom(m_services.random.next());
    showCard(index);
    m_journal->record(m_services.clock.today(), index);
}

void MainWindow::bringCardPanelToFront()
{
    m_panels->setCurrentWidget(m_cardPanel);
    keepFocusOffLinks();
}

void MainWindow::bringSettingsPanelToFront()
{
    m_panels->setCurrentWidget(settingsPanel());
    keepFocusOffLinks();
}

// A window that comes up by itself must not wait with the keyboard on a link, where a Space
// typed at that moment would open a page; the front panel's first control takes it.
void MainWindow::keepFocusOffLinks()
{
    const QWidget *focused = focusWidget();
    if (focused && !qobject_cast<const ui::LinkLabel *>(focused) && focused->isVisibleTo(this))
        return;
    if (isCardPanelInFront())
        m_cardPanel->focusSettingsButton();
    else
        m_settingsPanel->focusHourList();
}

bool MainWindow::isCardPanelInFront() const
{
    return m_panels->currentWidget() == m_cardPanel;
}

void MainWindow::bringPromotionToFront(Promotion promotion)
{
    const bool coBrand = promotion == Promotion::CoBrand;
    ui::LinkLabel *front = coBrand ? m_coBrandLink : m_fullBrandLink;
    ui::LinkLabel *back = coBrand ? m_fullBrandLink : m_coBrandLink;
    // Hidden rather than merely covered: both texts are transparent and would show through.
    back->setVisible(false);
    front->setVisible(true);
    front->raise();
}

bool MainWindow::isInTray() const
{
    return m_presence->isInTray();
}

void MainWindow::showCentred()
{
    m_presence->showCentred();
}

void MainWindow::sendToTray()
{
    m_presence->sendToTray();
}

void MainWindow::showFromTray()
{
    // The user has the card now: nothing waits for them, nor needs to come back later.
    m_hold->release();
    rules::schedule::forgetReminder(m_services.settings);
    m_displayTimer->reschedule();
    setWindowIcon(ui::programIcon());
    m_presence->showFromTray();
}

void MainWindow::onDisplayTime()
{
    const rules::schedule::DisplayDecision decision =
        rules::schedule::decideAt(m_services.settings, m_services.clock.now());
    if (!decision.show)
        return;
    if (decision.draw)
        drawCard();
    m_hold->cardDue();
}

void MainWindow::onReminder()
{
    if (rules::schedule::takeDueReminder(m_services.settings, m_services.clock.now()))
        m_hold->cardDue();
}

void MainWindow::bringUpCard(bool notify)
{
    // The tray icon stays; which panel is in front does not change.
    m_presence->showAtDisplayTime();
    if (notify)
        notifyCardOfTheDay();
}

void MainWindow::remindLater(int minutes)
{
    m_hold->release();
    rules::schedule::remindAt(m_services.settings, m_services.clock.now().addSecs(minutes * 60));
    m_displayTimer->reschedule();
    sendToTray();
    bringCardPanelToFront();
}

// Where focus-stealing prevention keeps the window under the user's work, this still tells them.
void MainWindow::notifyCardOfTheDay()
{
    if (!m_cardOnShow)
        return;
    const cards::Card shown = cards::card(*m_cardOnShow);
    m_services.notifications.notify({shown.name, shown.favourablePeriod + u'\n' + shown.keywords,
                                     cards::renderCardFace(*m_cardOnShow, 2.0).toImage(),
                                     tr("Show"), tr("Later")});
}

void MainWindow::showFromNotification(const QString &activationToken)
{
    // Once closedForGood the window never comes back.
    if (m_closedForGood)
        return;
    m_presence->setActivationToken(activationToken);
    showFromTray();
}

bool MainWindow::isChosenDateAccepted()
{
    if (rules::schedule::isDateAccepted(m_hiddenDate))
        return true;
    m_services.messages.show({tr("Please Enter Correct Date !"),
                              services::MessageBoxes::Icon::Information,
                              services::MessageBoxes::Buttons::Ok});
    return false;
}

void MainWindow::saveAndSendToTray()
{
    if (!isChosenDateAccepted())
        return;
    m_choices.save();
    sendToTray();
    bringCardPanelToFront();
}

void MainWindow::confirmExit()
{
    const services::MessageBoxes::Answer answer = m_services.messages.show(
        {tr("Are You Sure You Want To Quit Tarvelle?"), services::MessageBoxes::Icon::Exclamation,
         services::MessageBoxes::Buttons::YesNo});
    if (answer == services::MessageBoxes::Answer::Yes)
        closeForGood();
    else
        saveAndSendToTray();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The program never closes this window itself (its ends go through closeForGood), so every
    // close request is the window system's: the close box, Alt+F4, the window menu, or a Wayland
    // compositor's close, which Qt delivers as an ordinary close() rather than a spontaneous one.
    // It only puts the program away.
    if (m_closedForGood)
        return;
    event->ignore();
    sendToTray();
    bringCardPanelToFront();
}

void MainWindow::closeForGood()
{
    if (m_closedForGood)
        return;
    bringCardPanelToFront();
    letGo();
    m_journal->finish();
    Q_EMIT closedForGood();
}

void MainWindow::endSession()
{
    if (m_closedForGood)
        return;
    letGo();
    // The process ends next, with no chance to finish a first run's values or the note typed.
    m_services.settings.commitPending();
    m_journal->flush();
}

// Saved once here: a close request before it would store the same two values.
void MainWindow::letGo()
{
    m_closedForGood = true;
    m_choices.save();
    m_presence->removeTrayIcon();
    m_displayTimer->stop();
    m_presence->stop();
    hide();
}

void MainWindow::showAboutDialog()
{
    dialogs::AboutDialog about(m_services.browser);
    about.exec();
}

void MainWindow::openPage(QLatin1String pageKey)
{
    site::openSitePage(m_services.browser, pageKey);
}

} // namespace app
