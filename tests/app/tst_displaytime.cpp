#include "app/CardPanel.h"
#include "app/JournalKeeper.h"
#include "app/JournalWindow.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/SettingsPanel.h"
#include "cards/CardFace.h"
#include "cards/Deck.h"
#include "rules/DisplayTimer.h"
#include "settings/DateText.h"
#include "ui/FittedLabel.h"

#include "MainWindowUser.h"
#include "ProgramDoubles.h"
#include "WidgetNamed.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPropertyAnimation>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDisplayTime : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void displayTimeWithTheWindowHidden();
    void displayTimeWithTheWindowShownAndNoCardDue();
    void nearMissesDoNothing();
    void lastSecondOfTheDay();
    void listPickTakesEffectAtTheNextTick();
    void storedTimeThatIsNoEntryNeverMatches();
    void showCartomancyCardPutsTheProgramAway();
    void timerSleepsUntilTheDisplaySecond();
    void aPickOrAnEditReachesTheTimer();
    void aDayOfTicksAccumulatesNothing();
    void busyAtTheDisplayTimeHoldsTheCard();
    void laterBringsTheCardBackAtTheChosenTime();
    void displayTimeLeavesTheKeyboardWhereTheUserTypes();

private:
    void startOn(QDate day, QTime time = QTime(10, 0));
    void displayTimeAt(QDate day, QTime time)
    {
        user::clockReaches(*m_world, QDateTime(day, time));
    }
    static QString dateText(QDate date) { return settings::dateToText(date); }

    const QDate m_day{2026, 12, 8};
    std::unique_ptr<ProgramDoubles> m_world;
    std::unique_ptr<app::MainWindow> m_window;
};

void TestDisplayTime::initTestCase()
{
    QLocale::setDefault(QLocale(u"de_DE"_s));
}

void TestDisplayTime::init()
{
    m_world = std::make_unique<ProgramDoubles>();
    m_world->store.values = {{u"Hour"_s, u"7"_s},
                             {u"Minute"_s, u"0"_s},
                             {u"Second"_s, u"0"_s},
                             {u"Card"_s, u"9"_s},
                             {u"Date"_s, dateText(m_day.addDays(1))}};
}

void TestDisplayTime::cleanup()
{
    m_window.reset();
    m_world.reset();
}

void TestDisplayTime::startOn(QDate day, QTime time)
{
    m_world->clock.current = QDateTime(day, time);
    m_window = std::make_unique<app::MainWindow>(m_world->services(), m_world->launch);
    m_window->start();
    m_window->show();
}

void TestDisplayTime::displayTimeWithTheWindowHidden()
{
    startOn(m_day);
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"9"_s);
    user::closeBox(m_window.get());
    QVERIFY(!m_window->isVisible());
    m_world->random.values = {0.5F};

    displayTimeAt(m_day.addDays(1), QTime(6, 59, 59));
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_world->notifications.sent.isEmpty()); // nothing at start-up or before the time
    displayTimeAt(m_day.addDays(1), QTime(7, 0, 0));
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"27"_s);
    QCOMPARE(m_world->store.values.value(u"Date"_s), dateText(m_day.addDays(2)));
    QVERIFY(m_world->tray.added); // the icon stays until "Show"
    QVERIFY(user::cardPanelInFront(m_window.get()));

    // The notification names the newly drawn card, not the one before it.
    QCOMPARE(m_world->notifications.sent.size(), 1);
    const services::Notifications::Notification told = m_world->notifications.sent.constLast();
    const cards::Card drawn = cards::card(27);
    QCOMPARE(told.summary, drawn.name);
    QCOMPARE(told.body, drawn.favourablePeriod + u'\n' + drawn.keywords);
    QCOMPARE(told.image.size(), cards::renderCardFace(27, 2.0).size());
    QCOMPARE(told.image, cards::renderCardFace(27, 2.0).toImage());
    QCOMPARE(told.defaultAction, u"Show"_s);

    // Its action brings the window back from the tray as "Show" does: the icon goes.
    user::closeBox(m_window.get());
    m_world->notifications.chooseDefaultAction(u"token-1"_s);
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
    QVERIFY(!m_world->tray.added);

    // The same second again (a clock set back): shown again, but no second card that day.
    user::closeBox(m_window.get());
    m_world->random.values = {0.0F};
    displayTimeAt(m_day.addDays(1), QTime(7, 0, 0));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"27"_s);
    QCOMPARE(m_world->random.draws, 1);
    QCOMPARE(m_world->notifications.sent.size(), 2); // one per display

    // The journal begun at the start with the card kept, and the day drawn at the display time.
    m_window->endSession();
    QCOMPARE(m_world->journal.days.keys(), (QList<QDate>{m_day, m_day.addDays(1)}));
    QCOMPARE(m_world->journal.days.value(m_day.addDays(1)).card, 27);
}

void TestDisplayTime::displayTimeWithTheWindowShownAndNoCardDue()
{
    startOn(m_day, QTime(6, 0));
    user::openSettings(m_window.get());
    m_world->store.writes.clear();
    displayTimeAt(m_day, QTime(7, 0, 0));
    QVERIFY(m_window->isVisible());
    QVERIFY(!user::cardPanelInFront(m_window.get())); // the panel order is left alone
    QCOMPARE(m_world->random.draws, 0);
    QVERIFY(m_world->store.writes.isEmpty());
}

void TestDisplayTime::nearMissesDoNothing()
{
    startOn(m_day);
    user::closeBox(m_window.get());
    for (const QTime time :
         {QTime(7, 1, 0), QTime(7, 0, 1), QTime(8, 0, 0), QTime(19, 0, 0), QTime(0, 0, 0)}) {
        displayTimeAt(m_day.addDays(1), time);
        QVERIFY2(!m_window->isVisible(), qPrintable(time.toString()));
    }
    QCOMPARE(m_world->random.draws, 0);
    QCOMPARE(m_world->store.values.value(u"Date"_s), dateText(m_day.addDays(1)));
}

void TestDisplayTime::lastSecondOfTheDay()
{
    m_world->store.values.insert(u"Hour"_s, u"23"_s);
    m_world->store.values.insert(u"Minute"_s, u"59"_s);
    m_world->store.values.insert(u"Second"_s, u"59"_s);
    startOn(m_day);
    user::closeBox(m_window.get());
    m_world->random.values = {0.0F};
    displayTimeAt(m_day.addDays(1), QTime(23, 59, 59));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"1"_s);
    QCOMPARE(m_world->store.values.value(u"Date"_s), dateText(m_day.addDays(2)));
    // A second later the new day has begun; its card waits for its own display time or start.
    user::closeBox(m_window.get());
    displayTimeAt(m_day.addDays(2), QTime(0, 0, 0));
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_world->random.draws, 1);
}

void TestDisplayTime::listPickTakesEffectAtTheNextTick()
{
    startOn(m_day);
    QComboBox *hour = widgetNamed<QComboBox>(user::openSettings(m_window.get()), "hourList");
    QCOMPARE(hour->currentText(), u"7"_s);
    m_world->store.writes.clear();
    hour->setCurrentIndex(13); // moved by code: nothing stored
    QVERIFY(m_world->store.writes.isEmpty());
    Q_EMIT hour->activated(13);
    QCOMPARE(m_world->store.writes, (QList<QPair<QString, QString>>{{u"Hour"_s, u"13"_s}}));

    user::closeBox(m_window.get());
    displayTimeAt(m_day, QTime(7, 0, 0));
    QVERIFY(!m_window->isVisible());
    displayTimeAt(m_day, QTime(13, 0, 0));
    QVERIFY(m_window->isVisible());

    QComboBox *second = widgetNamed<QComboBox>(user::openSettings(m_window.get()), "secondList");
    second->setCurrentIndex(59);
    Q_EMIT second->activated(59);
    QCOMPARE(m_world->store.values.value(u"Second"_s), u"59"_s);
}

void TestDisplayTime::storedTimeThatIsNoEntryNeverMatches()
{
    for (const QString &hour : {u"07"_s, u"24"_s, u"-1"_s, u"seven"_s, u" 7"_s, u"7.0"_s}) {
        m_world->store.values.insert(u"Hour"_s, hour);
        startOn(m_day);
        QCOMPARE(
            widgetNamed<QComboBox>(user::openSettings(m_window.get()), "hourList")->currentIndex(),
            -1);
        user::closeBox(m_window.get());
        for (int h = 0; h < 24; ++h)
            displayTimeAt(m_day, QTime(h, 0, 0));
        QVERIFY2(!m_window->isVisible(), qPrintable(hour));
        QCOMPARE(m_world->store.values.value(u"Hour"_s), hour); // left as the user wrote it
    }
}

void TestDisplayTime::showCartomancyCardPutsTheProgramAway()
{
    startOn(m_day);
    user::openSettings(m_window.get());
    QVERIFY(!user::cardPanelInFront(m_window.get()));
    QCOMPARE(widgetNamed<ui::FittedLabel>(m_window, "cardName")->text(), u"Nine Of Clubs"_s);
    user::choose(m_window.get(), "showCardAction");
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_window->isInTray());
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"9"_s);
    QCOMPARE(m_world->store.values.value(u"Date"_s), dateText(m_day.addDays(1)));
    m_world->tray.requestShow();
    QVERIFY(m_window->isVisible());
    QVERIFY(user::cardPanelInFront(m_window.get()));
    QVERIFY(!m_world->tray.added);
}

void TestDisplayTime::timerSleepsUntilTheDisplaySecond()
{
    MemorySettingsStore store;
    store.values = {{u"Hour"_s, u"7"_s}, {u"Minute"_s, u"0"_s}, {u"Second"_s, u"0"_s}};
    FakeClock clock(QDateTime(m_day, QTime(6, 59, 55, 300)));
    FakeAlarm alarm;
    rules::DisplayTimer timer(clock, alarm, store, nullptr);
    int ticks = 0;
    connect(&timer, &rules::DisplayTimer::displayTimeReached, this, [&ticks] { ++ticks; });
    const auto msecsAt = [this](QDate day, QTime time) {
        return QDateTime(day, time).toMSecsSinceEpoch();
    };

    // Asleep until 07:00:00: one alarm, nothing in between.
    timer.start();
    QCOMPARE(alarm.due, msecsAt(m_day, QTime(7, 0)));
    // Woken early, it looks at the clock and sleeps on to the same second.
    clock.current = QDateTime(m_day, QTime(6, 59, 59, 990));
    alarm.ring();
    QCOMPARE(ticks, 0);
    QCOMPARE(alarm.due, msecsAt(m_day, QTime(7, 0)));
    // Within the second: one tick, then asleep until tomorrow's.
    clock.current = QDateTime(m_day, QTime(7, 0, 0, 4));
    alarm.ring();
    QCOMPARE(ticks, 1);
    QCOMPARE(alarm.due, msecsAt(m_day.addDays(1), QTime(7, 0)));

    // The clock set back before the display time: it comes again, and rings again.
    clock.current = QDateTime(m_day, QTime(6, 59, 58));
    alarm.clockWasChanged();
    QCOMPARE(alarm.due, msecsAt(m_day, QTime(7, 0)));
    // Asleep (or busy) through the second: waking late never rings it.
    clock.current = QDateTime(m_day, QTime(7, 0, 1));
    alarm.ring();
    QCOMPARE(ticks, 1);
    QCOMPARE(alarm.due, msecsAt(m_day.addDays(1), QTime(7, 0)));

    // A hand edit of the store moves it once the timer is told.
    store.values.insert(u"Hour"_s, u"23"_s);
    store.values.insert(u"Minute"_s, u"59"_s);
    store.values.insert(u"Second"_s, u"59"_s);
    timer.reschedule();
    QCOMPARE(alarm.due, msecsAt(m_day, QTime(23, 59, 59)));
    // A time that is no entry of its list: nothing to wake for.
    store.values.insert(u"Second"_s, u"61"_s);
    timer.reschedule();
    QVERIFY(!alarm.due);
    timer.stop();
    QVERIFY(!timer.isActive());
}

void TestDisplayTime::aPickOrAnEditReachesTheTimer()
{
    startOn(m_day, QTime(6, 0));
    const auto dueAt = [this](int hour) {
        return QDateTime(m_day, QTime(hour, 0)).toMSecsSinceEpoch();
    };
    QCOMPARE(m_world->alarm.due, dueAt(7));
    // A pick in the hour list.
    app::SettingsPanel *panel = user::openSettings(m_window.get());
    widgetNamed<QComboBox>(panel, "hourList")->setCurrentIndex(13);
    Q_EMIT widgetNamed<QComboBox>(panel, "hourList")->activated(13);
    QCOMPARE(m_world->alarm.due, dueAt(13));
    // The file edited from outside.
    m_world->store.values.insert(u"Hour"_s, u"9"_s);
    m_world->store.editedOutside();
    QCOMPARE(m_world->alarm.due, dueAt(9));
    // While a box of the program is open the timer still rings and the window comes up.
    user::closeBox(m_window.get());
    bool shownWhileAsking = false;
    m_world->messages.answers = {services::MessageBoxes::Answer::No};
    m_world->messages.whileOpen = [this,
                                   &shownWhileAsking](const services::MessageBoxes::Message &) {
        user::clockReaches(*m_world, QDateTime(m_day, QTime(9, 0)));
        shownWhileAsking = m_window->isVisible();
    };
    user::choose(m_window.get(), "exitAction");
    QVERIFY(shownWhileAsking);
    // Unloaded, the window has no timer any more.
    m_world->messages.whileOpen = {};
    user::choose(m_window.get(), "trayExitAction");
    QVERIFY(!m_world->alarm.due);
}

void TestDisplayTime::aDayOfTicksAccumulatesNothing()
{
    ProgramDoubles world;
    world.settleDay();
    app::Program program(world.services(), world.launch, [] {});
    QVERIFY(program.start());
    app::MainWindow *window = program.mainWindow();
    user::closeBox(window);
    world.random.values = {0.5F};
    int shown = 0;
    const auto liveADay = [&](QDate day) {
        QDateTime now(day, QTime(0, 0));
        for (int second = 0; second < 24 * 60 * 60; ++second, now = now.addSecs(1)) {
            world.clock.current = now;
            const bool wasVisible = window->isVisible();
            world.alarm.ring();
            if (!wasVisible && window->isVisible()) {
                ++shown;
                user::closeBox(window);
            }
        }
    };
    // The first day lets the style create what it keeps for good; the second must add nothing.
    liveADay(m_day.addDays(1));
    QTRY_VERIFY(window->findChildren<QPropertyAnimation *>().isEmpty());
    const qsizetype objects = window->findChildren<QObject *>().size();
    const qsizetype windows = QApplication::topLevelWidgets().size();
    liveADay(m_day.addDays(2));
    QCOMPARE(shown, 2);
    QCOMPARE(world.random.draws, 3); // the start's promotional pick and one card a day
    // The window's layout animates each return; its animation goes once the event loop runs.
    QTRY_COMPARE(window->findChildren<QObject *>().size(), objects);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

void TestDisplayTime::busyAtTheDisplayTimeHoldsTheCard()
{
    using services::Busy;
    startOn(m_day);
    user::closeBox(m_window.get());
    const QString plain = m_world->tray.toolTip;
    QCOMPARE(plain, u"Recent"_s);

    // Do-not-disturb: the window stays away, the notification goes to the desktop to keep.
    m_world->desktop.busy = Busy::DoNotDisturb;
    displayTimeAt(m_day, QTime(7, 0, 0));
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_world->notifications.sent.size(), 1);
    QCOMPARE(m_world->notifications.sent.constLast().laterAction, u"Later"_s);
    QVERIFY(m_world->tray.added);
    QVERIFY(m_world->tray.toolTip.contains(u"waiting"_s));
    // Free again: up as at the display time, not told twice, the icon plain again.
    m_world->desktop.become(Busy::No);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_world->notifications.sent.size(), 1);
    QCOMPARE(m_world->tray.toolTip, plain);
    QVERIFY(!m_world->desktop.watching);

    // A full-screen window: nothing is sent. "Show" brings the card at once, and ends the wait.
    user::closeBox(m_window.get());
    m_world->desktop.busy = Busy::FullScreen;
    displayTimeAt(m_day.addDays(1), QTime(7, 0, 0));
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_world->notifications.sent.size(), 1);
    m_world->tray.requestShow();
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_world->desktop.watching);
    m_world->desktop.become(Busy::No);
    QCOMPARE(m_world->notifications.sent.size(), 1);

    // Still held at midnight: dropped, and the next day brings its own card.
    user::closeBox(m_window.get());
    m_world->desktop.busy = Busy::FullScreen;
    displayTimeAt(m_day.addDays(2), QTime(7, 0, 0));
    QVERIFY(m_world->tray.toolTip.contains(u"waiting"_s));
    QCOMPARE(m_world->alarm.due, QDateTime(m_day.addDays(3), QTime(0, 0)).toMSecsSinceEpoch());
    m_world->clock.current = QDateTime(m_day.addDays(3), QTime(0, 0));
    m_world->alarm.ring();
    QCOMPARE(m_world->tray.toolTip, plain);
    QVERIFY(!m_world->desktop.watching);
    m_world->desktop.become(Busy::No);
    QVERIFY(!m_window->isVisible());

    // "Wait While I'm Busy" off: the display time as it always was.
    QAction *wait = widgetNamed<QAction>(m_window.get(), "waitWhileBusyAction");
    QVERIFY(wait->isChecked());
    wait->trigger();
    QCOMPARE(m_world->store.values.value(u"WaitWhileBusy"_s), u"False"_s);
    m_world->desktop.busy = Busy::FullScreen;
    displayTimeAt(m_day.addDays(3), QTime(7, 0, 0));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_world->notifications.sent.size(), 2);
}

void TestDisplayTime::laterBringsTheCardBackAtTheChosenTime()
{
    startOn(m_day, QTime(9, 0));
    const auto remindedAt = [this] { return m_world->store.values.value(u"RemindAt"_s); };
    // From the File menu: away as the close box puts it, back in an hour with its notification.
    user::choose(m_window.get(), "remindInAnHourAction");
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_window->isInTray());
    const QDateTime inAnHour(m_day, QTime(10, 0));
    QCOMPARE(QDateTime::fromString(remindedAt(), Qt::ISODate), inAnHour);
    QCOMPARE(m_world->alarm.due, inAnHour.toMSecsSinceEpoch());
    user::clockReaches(*m_world, inAnHour);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_world->notifications.sent.size(), 1);
    QVERIFY(remindedAt().isEmpty());

    // From the notification's "Later", and across a restart of the program in between.
    m_world->notifications.chooseLater();
    QVERIFY(!m_window->isVisible());
    const QDateTime inTenMinutes = inAnHour.addSecs(600);
    QCOMPARE(QDateTime::fromString(remindedAt(), Qt::ISODate), inTenMinutes);
    m_window->endSession();
    m_window.reset();
    startOn(m_day, QTime(10, 5));
    user::closeBox(m_window.get());
    QCOMPARE(m_world->alarm.due, inTenMinutes.toMSecsSinceEpoch());
    user::clockReaches(*m_world, inTenMinutes);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_world->notifications.sent.size(), 2);

    // From the tray's menu; a reminder held by a busy desktop waits as the display time does.
    user::choose(m_window.get(), "trayRemindInThreeHoursAction");
    QVERIFY(!m_window->isVisible());
    m_world->desktop.busy = services::Busy::FullScreen;
    user::clockReaches(*m_world, inTenMinutes.addSecs(3 * 3600));
    QVERIFY(!m_window->isVisible());
    m_world->desktop.become(services::Busy::No);
    QVERIFY(m_window->isVisible());

    // Brought up by the user in between, the card needs no reminder any more.
    user::choose(m_window.get(), "remindIn10MinutesAction");
    m_world->tray.requestShow();
    QVERIFY(remindedAt().isEmpty());

    // The next display second replaces a reminder set beyond it.
    user::choose(m_window.get(), "remindInThreeHoursAction");
    m_world->clock.current = QDateTime(m_day, QTime(23, 0));
    user::choose(m_window.get(), "trayRemindInAnHourAction");
    displayTimeAt(m_day.addDays(1), QTime(7, 0, 0));
    QVERIFY(remindedAt().isEmpty());
    QCOMPARE(m_world->alarm.due, QDateTime(m_day.addDays(2), QTime(7, 0)).toMSecsSinceEpoch());
}

void TestDisplayTime::displayTimeLeavesTheKeyboardWhereTheUserTypes()
{
    startOn(m_day);
    user::closeBox(m_window.get());
    user::choose(m_window.get(), "journalAction");
    app::JournalWindow *journal = m_window->findChild<app::JournalKeeper *>()->window();
    QVERIFY(QTest::qWaitForWindowActive(journal));
    auto *note = widgetNamed<QPlainTextEdit>(journal, "note");
    note->setFocus();
    QTest::keyClicks(static_cast<QWidget *>(nullptr), u"Calm "_s);

    displayTimeAt(m_day, QTime(7, 0, 0));
    QVERIFY(m_window->isVisible());
    // What follows is typed where the user was typing: the main window's lists and buttons
    // never see it.
    QTest::keyClicks(static_cast<QWidget *>(nullptr), u"at 7 "_s);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Space);
    QCOMPARE(QApplication::activeWindow(), journal);
    QCOMPARE(note->toPlainText(), u"Calm at 7  "_s);
    QCOMPARE(m_world->store.values.value(u"Hour"_s), u"7"_s);
    QVERIFY(user::cardPanelInFront(m_window.get()));

    // Without another window of the program in front, the display time takes the keyboard.
    journal->close();
    user::closeBox(m_window.get());
    displayTimeAt(m_day.addDays(1), QTime(7, 0, 0));
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

QTEST_MAIN(TestDisplayTime)
#include "tst_displaytime.moc"
