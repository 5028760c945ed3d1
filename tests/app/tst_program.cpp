#include "app/CardPanel.h"
#include "app/CardPicture.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/SettingsPanel.h"
#include "cards/Deck.h"
#include "rules/CommandLine.h"
#include "services/RandomGenerator.h"
#include "settings/DateText.h"
#include "ui/FittedLabel.h"
#include "ui/LinkLabel.h"

#include "MainWindowUser.h"
#include "ProgramDoubles.h"
#include "WidgetNamed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using Writes = QList<QPair<QString, QString>>;

class TestProgram : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void firstRun();
    void laterStartsOnOneDay();
    void aJournalThatRefusesHoldsUpNothing();
    void dueDateDaysBack();
    void unreadableDayOrCardDrawsAnew();
    void secondCopyIsRefusedUntouched();
    void startsHiddenOnlyAtLogOn_data();
    void startsHiddenOnlyAtLogOn();
    void logOnWithoutTrayFallsBackToTheTaskBar();
    void logOnTrayArrivingLateKeepsTheWindowHidden();
    void leftoverEntryIsRewrittenThenRemoved();
    void storedChoiceRestoresTheEntry();
    void promotionPickIsFair();
    void updateQuestionComesFirstEvenAtLogOn();

private:
    std::unique_ptr<app::Program> start(ProgramDoubles &world)
    {
        auto program =
            std::make_unique<app::Program>(world.services(), world.launch, [this] { ++m_quits; });
        m_started = program->start();
        return program;
    }
    static QString dateText(QDate date) { return settings::dateToText(date); }
    // Started by the log-on entry, with the box "Start at system tray" ticked.
    static void meetEveryLogOnCondition(ProgramDoubles &world)
    {
        world.launch.startedAtLogOn = true;
        world.startupList.entries.insert(u"Tarvelle"_s, u"/opt/Tarvelle/Tarvelle"_s);
        world.settleDay(3, {{u"RunAtSysTray"_s, u"True"_s},
                            {u"AutorunStartUp"_s, u"True"_s},
                            {u"SystemTray"_s, u"True"_s}});
    }

    const QDate m_today{2026, 12, 8};
    int m_quits = 0;
    bool m_started = false;
};

void TestProgram::initTestCase()
{
    QLocale::setDefault(QLocale(u"en_US"_s));
}

void TestProgram::firstRun()
{
    ProgramDoubles world;
    world.random.values = {0.25F, 0.0F};
    const auto program = start(world);
    QVERIFY(m_started);
    app::MainWindow *window = program->mainWindow();

    // The update reminder starts its count first; then the first-run values, in order.
    QCOMPARE(world.store.writes, (Writes{{u"UpdateCheckStamp"_s, dateText(m_today)},
                                         {u"Date"_s, dateText(m_today)},
                                         {u"Hour"_s, u"7"_s},
                                         {u"Minute"_s, u"0"_s},
                                         {u"Second"_s, u"0"_s},
                                         {u"Card"_s, u"1"_s},
                                         {u"Card"_s, u"14"_s}}));
    // All in one write: a crash between them would leave a store that is no first run and
    // holds no display time.
    QCOMPARE(world.store.together.size(), 1);
    QCOMPARE(world.store.together.first(), world.store.writes);
    QCOMPARE(world.store.values.value(u"Date"_s), u"2026-12-08"_s);
    QVERIFY(!user::cardPanelInFront(window));
    const auto *panel = widgetNamed<app::SettingsPanel>(window, "settingsPanel");
    QVERIFY(panel->isVisibleTo(window));
    QCOMPARE(widgetNamed<app::CardPicture>(panel, "settingsCardPicture")->card(), 14);
    QCOMPARE(widgetNamed<QComboBox>(panel, "hourList")->currentText(), u"7"_s);
    QCOMPARE(widgetNamed<QComboBox>(panel, "minuteList")->currentText(), u"0"_s);
    QCOMPARE(widgetNamed<QComboBox>(panel, "secondList")->currentText(), u"0"_s);
    QVERIFY(widgetNamed<QRadioButton>(panel, "dontRunAtStartUp")->isChecked());
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")->isEnabled());
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")->isChecked());
    QVERIFY(window->isVisible());
    QVERIFY(!world.tray.added);
    QVERIFY(world.messages.shown.isEmpty());
    QCOMPARE(world.random.seeds,
             (QList<quint64>{static_cast<quint64>(world.clock.now().toMSecsSinceEpoch())}));
    program->endSession();
    QCOMPARE(world.journal.days.value(m_today).card, 14);
}

void TestProgram::laterStartsOnOneDay()
{
    ProgramDoubles world;
    world.random.values = {0.0F, 0.0F};
    start(world);

    world.store.writes.clear();
    world.random.values = {0.5F, 0.0F};
    world.clock.current = QDateTime(m_today, QTime(12, 0));
    const auto second = start(world);
    QCOMPARE(widgetNamed<ui::FittedLabel>(second->mainWindow(), "cardName")->text(),
             u"Ace Of Hearts"_s);
    QCOMPARE(world.store.values.value(u"Date"_s), dateText(m_today.addDays(1)));
    QCOMPARE(world.store.values.value(u"Card"_s), u"27"_s);
    QVERIFY(user::cardPanelInFront(second->mainWindow()));
    QCOMPARE(world.store.values.value(u"Hour"_s), u"7"_s);

    world.random.values = {0.9F, 0.0F};
    world.store.writes.clear();
    world.clock.current = QDateTime(m_today, QTime(23, 59, 59));
    const auto third = start(world);
    QCOMPARE(widgetNamed<ui::FittedLabel>(third->mainWindow(), "cardName")->text(),
             u"Ace Of Hearts"_s);
    QCOMPARE(world.store.values.value(u"Date"_s), dateText(m_today.addDays(1)));
    // The card is written back as it was; the due date is not touched.
    QVERIFY(world.store.writes.contains({u"Card"_s, u"27"_s}));
    for (const auto &write : std::as_const(world.store.writes))
        QVERIFY(write.first != u"Date"_s);

    // A start that keeps its card makes sure the journal has it once it is up, though the start
    // that drew it has not written it yet (as one that ended at once would never); a day drawn
    // twice keeps the last.
    QCOMPARE(world.journal.days.value(m_today).card, 1);
    QTRY_COMPARE(world.journal.days.value(m_today).card, 27);
    third->endSession();
    second->endSession();
    QCOMPARE(world.journal.days.value(m_today).card, 27);
}

void TestProgram::aJournalThatRefusesHoldsUpNothing()
{
    ProgramDoubles world;
    world.settleDay(30);
    const QString due = world.store.values.value(u"Date"_s);
    // As on a full disk: the card of the day and the settings go on as without a journal.
    world.journal.refusing = true;
    const auto program = start(world);
    QCOMPARE(widgetNamed<ui::FittedLabel>(program->mainWindow(), "cardName")->text(),
             cards::cardName(30));
    QVERIFY(program->mainWindow()->isVisible());
    // Once up, it makes sure of the day's card, which the journal keeps waiting.
    QTRY_VERIFY(world.journal.hasPending());
    program->endSession();
    QCOMPARE(world.store.values.value(u"Card"_s), u"30"_s);
    QCOMPARE(world.store.values.value(u"Date"_s), due);
    QVERIFY(world.messages.shown.isEmpty());
    // What it would not take waits: the stored card becomes the first entry once it can.
    QVERIFY(world.journal.days.isEmpty());
    world.journal.refusing = false;
    QVERIFY(world.journal.flush());
    QCOMPARE(world.journal.days.value(m_today).card, 30);
}

void TestProgram::dueDateDaysBack()
{
    ProgramDoubles world;
    world.settleDay(5, {{u"Date"_s, dateText(m_today.addDays(-9))}});
    world.random.values = {0.99F, 0.0F};
    const auto program = start(world);
    QCOMPARE(world.store.values.value(u"Card"_s), u"52"_s);
    QCOMPARE(world.store.values.value(u"Date"_s), dateText(m_today.addDays(1)));
    QVERIFY(user::cardPanelInFront(program->mainWindow()));
}

void TestProgram::unreadableDayOrCardDrawsAnew()
{
    for (const auto &[card, date] :
         {std::pair{u"5"_s, u"someday"_s}, std::pair{u"0"_s, u"12/9/26"_s},
          std::pair{u"53"_s, u"12/9/26"_s}, std::pair{u"x"_s, u"12/9/26"_s},
          std::pair{u"5"_s, u"12/31/26"_s}, std::pair{u"5"_s, u"1/1/99"_s}}) {
        ProgramDoubles world;
        world.store.values = {{u"Hour"_s, u"7"_s}, {u"Card"_s, card}, {u"Date"_s, date}};
        world.random.values = {0.5F, 0.0F};
        start(world);
        QCOMPARE(world.store.values.value(u"Card"_s), u"27"_s);
        // Tomorrow, when read, stays; anything else becomes tomorrow, as the program writes it.
        QCOMPARE(world.store.values.value(u"Date"_s),
                 date == u"12/9/26"_s ? date : dateText(m_today.addDays(1)));
    }
}

void TestProgram::secondCopyIsRefusedUntouched()
{
    ProgramDoubles world;
    world.lock.free = false;
    world.store.values = {{u"Hour"_s, u"7"_s}, {u"Card"_s, u"3"_s}};
    m_quits = 0;
    const auto program = start(world);
    QVERIFY(!m_started);
    QCOMPARE(m_quits, 1);
    QCOMPARE(world.messages.shown.size(), 1);
    QCOMPARE(world.messages.shown.first(),
             (services::MessageBoxes::Message{u"Application is already running"_s,
                                              services::MessageBoxes::Icon::Information,
                                              services::MessageBoxes::Buttons::Ok}));
    QVERIFY(world.store.reads.isEmpty());
    QVERIFY(world.store.writes.isEmpty());
    QVERIFY(world.random.seeds.isEmpty());
    QCOMPARE(program->mainWindow(), nullptr);
    QCOMPARE(world.startupList.writes + world.startupList.removals, 0);
}

void TestProgram::startsHiddenOnlyAtLogOn_data()
{
    QTest::addColumn<bool>("entry");
    QTest::addColumn<QString>("runAtSysTray");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("every condition") << true << u"True"_s << QStringList{u"/STARTUP"_s} << true;
    QTest::newRow("among Qt's options")
        << true << u"True"_s << QStringList{u"-platform"_s, u"xcb"_s, u"/STARTUP"_s} << true;
    QTest::newRow("switch inside an argument")
        << true << u"True"_s << QStringList{u"x/STARTUPy"_s} << false;
    QTest::newRow("switch inside a path")
        << true << u"True"_s << QStringList{u"/STARTUP/notes.txt"_s} << false;
    QTest::newRow("lower case switch") << true << u"True"_s << QStringList{u"/startup"_s} << false;
    QTest::newRow("no switch") << true << u"True"_s << QStringList{} << false;
    QTest::newRow("box not ticked") << true << u"False"_s << QStringList{u"/STARTUP"_s} << false;
    QTest::newRow("box lower case") << true << u"true"_s << QStringList{u"/STARTUP"_s} << false;
    QTest::newRow("no entry") << false << u"True"_s << QStringList{u"/STARTUP"_s} << false;
}

void TestProgram::startsHiddenOnlyAtLogOn()
{
    QFETCH(bool, entry);
    QFETCH(QString, runAtSysTray);
    QFETCH(QStringList, arguments);
    QFETCH(bool, hidden);
    ProgramDoubles world;
    world.launch.startedAtLogOn = rules::parseCommandLine(arguments).startedAtLogOn;
    if (entry)
        world.startupList.entries.insert(u"Tarvelle"_s, u"/old/place/Tarvelle"_s);
    world.settleDay(3, {{u"RunAtSysTray"_s, runAtSysTray},
                        {u"AutorunStartUp"_s, u"True"_s},
                        {u"SystemTray"_s, runAtSysTray}});
    const auto program = start(world);
    app::MainWindow *window = program->mainWindow();
    QCOMPARE(window->isVisible(), !hidden);
    QCOMPARE(window->isInTray(), hidden);
    QCOMPARE(world.tray.added, hidden);
    if (hidden) {
        QCOMPARE(world.tray.toolTip, u"Recent"_s);
        QVERIFY(user::cardPanelInFront(window));
    }
    if (entry) // rewritten with where the program is now
        QCOMPARE(world.startupList.entries.value(u"Tarvelle"_s), u"/opt/Tarvelle/Tarvelle"_s);
}

void TestProgram::logOnWithoutTrayFallsBackToTheTaskBar()
{
    ProgramDoubles world;
    world.tray.available = false;
    meetEveryLogOnCondition(world);
    const auto program = start(world);
    app::MainWindow *window = program->mainWindow();
    QVERIFY(!window->isVisible()); // never flashes while it waits
    // Mapped first, minimised once painted: the two arrive in separate turns.
    QTRY_VERIFY(window->isVisible() && window->isMinimized());
}

void TestProgram::logOnTrayArrivingLateKeepsTheWindowHidden()
{
    ProgramDoubles world;
    world.tray.available = false;
    world.launch.trayWait = std::chrono::minutes(5);
    meetEveryLogOnCondition(world);
    const auto program = start(world);
    app::MainWindow *window = program->mainWindow();
    QVERIFY(!window->isVisible());
    // Announced, the tray ends the wait at once; a panel that then goes away again is not
    // waited for a second time.
    world.tray.setAvailable(true);
    QVERIFY(!window->isVisible());
    QVERIFY(world.tray.added);
    world.tray.setAvailable(false);
    QTRY_VERIFY(window->isVisible() && window->isMinimized());
}

void TestProgram::leftoverEntryIsRewrittenThenRemoved()
{
    ProgramDoubles world;
    world.startupList.entries.insert(u"Tarvelle"_s, u"/somewhere/else/Tarvelle"_s);
    world.settleDay(3, {{u"RunAtSysTray"_s, u"True"_s}, {u"AutorunStartUp"_s, u"False"_s}});
    const auto program = start(world);
    QCOMPARE(world.startupList.writes, 1);
    QVERIFY(world.startupList.removals >= 1);
    QVERIFY(world.startupList.entries.isEmpty());
    const app::SettingsPanel *panel = user::openSettings(program->mainWindow());
    QVERIFY(widgetNamed<QRadioButton>(panel, "dontRunAtStartUp")->isChecked());
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")->isEnabled());
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")->isChecked());
    QCOMPARE(world.store.values.value(u"RunAtSysTray"_s), u"False"_s);
    QVERIFY(world.messages.shown.isEmpty());
}

void TestProgram::storedChoiceRestoresTheEntry()
{
    // Removed by hand, written again because the stored choice says so; the Boolean is lenient.
    ProgramDoubles world;
    world.settleDay(3, {{u"AutorunStartUp"_s, u"true"_s}, {u"SystemTray"_s, u"True"_s}});
    world.store.values.remove(u"Minute"_s); // the minute list then shows no entry
    const auto program = start(world);
    QCOMPARE(world.startupList.entries.value(u"Tarvelle"_s), u"/opt/Tarvelle/Tarvelle"_s);
    // Not built at start-up; built later, it shows what the start chose.
    QVERIFY(!program->mainWindow()->findChild<app::SettingsPanel *>());
    const app::SettingsPanel *panel = user::openSettings(program->mainWindow());
    QCOMPARE(widgetNamed<app::CardPicture>(panel, "settingsCardPicture")->card(), 3);
    QCOMPARE(widgetNamed<QComboBox>(panel, "hourList")->currentText(), u"7"_s);
    QCOMPARE(widgetNamed<QComboBox>(panel, "minuteList")->currentIndex(), -1);
    QVERIFY(widgetNamed<QRadioButton>(panel, "runAtStartUp")->isChecked());
    QVERIFY(widgetNamed<QCheckBox>(panel, "startInTray")->isEnabled());
    QVERIFY(widgetNamed<QCheckBox>(panel, "startInTray")->isChecked());
    QCOMPARE(world.store.values.value(u"RunAtSysTray"_s), u"True"_s);
    QVERIFY(program->mainWindow()->isVisible()); // not a log-on start

    // SystemTray in lower case leaves the box clear.
    ProgramDoubles other;
    other.store.values = {
        {u"Hour"_s, u"7"_s}, {u"AutorunStartUp"_s, u"1"_s}, {u"SystemTray"_s, u"true"_s}};
    const auto second = start(other);
    const app::SettingsPanel *secondPanel = user::openSettings(second->mainWindow());
    QVERIFY(widgetNamed<QRadioButton>(secondPanel, "runAtStartUp")->isChecked());
    QVERIFY(!widgetNamed<QCheckBox>(secondPanel, "startInTray")->isChecked());
}

void TestProgram::promotionPickIsFair()
{
    ProgramDoubles world;
    world.settleDay();
    services::MersenneRandomGenerator random;
    app::Services services = world.services();
    app::Services realRandom{
        services.settings,     services.clock,         services.alarm,       random,
        services.messages,     services.tray,          services.startupList, services.browser,
        services.instanceLock, services.notifications, services.journal,     services.desktop};
    constexpr int kStarts = 200;
    int coBrand = 0;
    QSet<int> picks;
    for (int run = 0; run < kStarts; ++run) {
        world.clock.current = world.clock.current.addMSecs(7919);
        app::Program program(realRandom, world.launch, [] {});
        QVERIFY(program.start());
        const int pick = program.coBrandPick();
        picks.insert(pick);
        const bool odd = pick % 2 == 1;
        coBrand += odd ? 1 : 0;
        QCOMPARE(widgetNamed<ui::LinkLabel>(program.mainWindow(), "coBrandLink")
                     ->isVisibleTo(program.mainWindow()),
                 odd);
        QCOMPARE(widgetNamed<ui::LinkLabel>(program.mainWindow(), "fullBrandLink")
                     ->isVisibleTo(program.mainWindow()),
                 !odd);
    }
    QCOMPARE(picks, (QSet<int>{1, 2, 3, 4, 5, 6}));
    QVERIFY2(coBrand > kStarts * 35 / 100 && coBrand < kStarts * 65 / 100,
             QByteArray::number(coBrand).constData());
}

void TestProgram::updateQuestionComesFirstEvenAtLogOn()
{
    ProgramDoubles world;
    meetEveryLogOnCondition(world);
    world.store.values.insert(u"UpdateCheckStamp"_s, u"11/1/26"_s);
    world.messages.answers = {services::MessageBoxes::Answer::Yes};
    bool trayWhileAsking = true;
    int storeWritesWhileAsking = -1;
    world.messages.whileOpen = [&](const services::MessageBoxes::Message &) {
        trayWhileAsking = world.tray.added;
        storeWritesWhileAsking = static_cast<int>(world.store.writes.size());
    };
    const auto program = start(world);
    QCOMPARE(world.messages.shown.size(), 1);
    QVERIFY(world.messages.shown.first().text.startsWith(u"There maybe an update"_s));
    QVERIFY(!trayWhileAsking);
    QCOMPARE(storeWritesWhileAsking, 0);
    QCOMPARE(world.store.values.value(u"UpdateCheckStamp"_s), dateText(m_today));
    QCOMPARE(world.browser.opened.size(), 1);
    QVERIFY(program->mainWindow()->isInTray());
    QVERIFY(!program->mainWindow()->isVisible());
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
