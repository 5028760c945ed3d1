// The daily rules and the settings panel's choices on their own, without a window.

#include "rules/CardHold.h"
#include "rules/DisplaySchedule.h"
#include "rules/DisplayTimer.h"
#include "rules/PanelChoices.h"
#include "settings/DateText.h"

#include "FakeAlarm.h"
#include "FakeClock.h"
#include "FakeDesktopState.h"
#include "MemorySettingsStore.h"
#include "MemoryStartupList.h"
#include "RecordingMessageBoxes.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <ctime>

using namespace Qt::StringLiterals;
using Writes = QList<std::pair<QString, QString>>;
namespace schedule = rules::schedule;

class TestDisplayRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(u"en_GB"_s)); }
    void cardForTheDayAtEachStart();
    void windowComesUpOnlyAtTheChosenSecond();
    void nextDisplayAcrossClockChanges();
    void hiddenDateCheck();
    void choicesKeepTheStartupEntryAndTrayBoxInStep();
    void cardHeldWhileBusyAndBroughtUpWhenFree();
    void heldCardDroppedWhenTheDayEnds();
    void reminderKeptUntilItComesOrTheDisplayTime();
    void timerRingsForTheEarliestMoment();

private:
    static QString text(QDate date) { return settings::dateToText(date); }
    const QDate m_today{2026, 12, 8};
};

void TestDisplayRules::cardForTheDayAtEachStart()
{
    MemorySettingsStore store;
    // A first run stores its values together, today as the due date, and draws.
    schedule::CardForTheDay start = schedule::cardForTheDay(store, m_today);
    QVERIFY(start.firstRun);
    QVERIFY(!start.keep);
    QCOMPARE(store.together.size(), 1);
    QCOMPARE(store.writes, (Writes{{u"Date"_s, text(m_today)},
                                   {u"Hour"_s, u"7"_s},
                                   {u"Minute"_s, u"0"_s},
                                   {u"Second"_s, u"0"_s},
                                   {u"Card"_s, u"1"_s}}));

    // The same day again: the due date has come, so a new card and tomorrow's date.
    store.writes.clear();
    start = schedule::cardForTheDay(store, m_today);
    QVERIFY(!start.firstRun);
    QVERIFY(!start.keep);
    QCOMPARE(store.writes, (Writes{{u"Date"_s, text(m_today.addDays(1))}}));

    // Until then the stored card stays, and nothing is written, even after the user changed
    // language and region; so does a due date in the short form earlier versions wrote.
    store.values.insert(u"Card"_s, u"30"_s);
    store.writes.clear();
    QLocale::setDefault(QLocale(u"de_DE"_s));
    start = schedule::cardForTheDay(store, m_today);
    QLocale::setDefault(QLocale(u"en_GB"_s));
    QCOMPARE(start.keep, std::optional<int>(30));
    store.values.insert(u"Date"_s, u"09/12/2026"_s);
    QCOMPARE(schedule::cardForTheDay(store, m_today).keep, std::optional<int>(30));
    QVERIFY(store.writes.isEmpty());

    // A card that is none of the deck, or a due date beyond tomorrow, draws anew.
    for (const auto &[key, value] :
         {std::pair{u"Card"_s, u"53"_s}, std::pair{u"Date"_s, text(m_today.addDays(9))}}) {
        MemorySettingsStore odd;
        odd.values = store.values;
        odd.values.insert(key, value);
        QVERIFY(!schedule::cardForTheDay(odd, m_today).keep);
    }
}

void TestDisplayRules::windowComesUpOnlyAtTheChosenSecond()
{
    MemorySettingsStore store;
    store.values = {{u"Hour"_s, u"23"_s},
                    {u"Minute"_s, u"59"_s},
                    {u"Second"_s, u"59"_s},
                    {u"Card"_s, u"4"_s},
                    {u"Date"_s, text(m_today)}};
    const auto at = [this](int h, int m, int s) { return QDateTime(m_today, QTime(h, m, s)); };
    for (const QDateTime &near : {at(23, 59, 58), at(23, 58, 59), at(22, 59, 59), at(0, 0, 0)})
        QVERIFY(!schedule::decideAt(store, near).show);
    QVERIFY(store.writes.isEmpty());

    // Due at 23:59:59: a new card, due again the next day, which begins a second later.
    schedule::DisplayDecision decision = schedule::decideAt(store, at(23, 59, 59));
    QVERIFY(decision.show && decision.draw);
    QCOMPARE(store.values.value(u"Date"_s), text(m_today.addDays(1)));
    // The same second again (a clock set back) shows the window but draws nothing more.
    decision = schedule::decideAt(store, at(23, 59, 59));
    QVERIFY(decision.show && !decision.draw);

    // A time that is no entry of its list never matches.
    store.values.insert(u"Second"_s, u"60"_s);
    QVERIFY(!schedule::decideAt(store, at(23, 59, 59)).show);
}

void TestDisplayRules::nextDisplayAcrossClockChanges()
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    ::tzset();
    MemorySettingsStore store;
    store.values = {{u"Hour"_s, u"2"_s}, {u"Minute"_s, u"30"_s}, {u"Second"_s, u"0"_s}};
    const auto utc = [](QDate day, QTime time) { return QDateTime(day, time, Qt::UTC); };
    const auto next = [&store](const QDateTime &now) {
        return schedule::nextDisplayAfter(store, now).value_or(QDateTime()).toUTC();
    };
    // Spring: 02:00 becomes 03:00, so 02:30 does not come that day.
    QCOMPARE(next(utc({2027, 3, 28}, {0, 0})), utc({2027, 3, 29}, {0, 30}));
    // Autumn: 03:00 becomes 02:00, so 02:30 comes twice, an hour apart.
    const QDateTime summer = utc({2026, 10, 25}, {0, 30});
    QCOMPARE(next(utc({2026, 10, 24}, {23, 0})), summer);
    QCOMPARE(next(summer), summer.addSecs(3600));
    QCOMPARE(next(summer.addSecs(3600)), utc({2026, 10, 26}, {1, 30}));
    // Only a later second counts: within the display second, the next one is a day away.
    QCOMPARE(next(utc({2026, 12, 8}, {1, 30}).addMSecs(400)), utc({2026, 12, 9}, {1, 30}));
    qputenv("TZ", zone);
    if (zone.isEmpty())
        qunsetenv("TZ");
    ::tzset();
}

void TestDisplayRules::hiddenDateCheck()
{
    QVERIFY(schedule::isDateAccepted({0, 0}));  // 1 January
    QVERIFY(schedule::isDateAccepted({1, 28})); // 29 February, whatever the year
    QVERIFY(!schedule::isDateAccepted({1, 29}));
    QVERIFY(!schedule::isDateAccepted({1, 30}));
    for (const int thirtyDays : {3, 5, 8, 10}) {
        QVERIFY(schedule::isDateAccepted({thirtyDays, 29}));
        QVERIFY(!schedule::isDateAccepted({thirtyDays, 30}));
    }
    QVERIFY(schedule::isDateAccepted({11, 30})); // 31 December
}

void TestDisplayRules::choicesKeepTheStartupEntryAndTrayBoxInStep()
{
    MemorySettingsStore store;
    MemoryStartupList startupList;
    RecordingMessageBoxes messages;
    rules::PanelChoices choices({store, startupList, messages, u"Tarvelle"_s, u"/opt/Tarvelle"_s});
    int changes = 0;
    connect(&choices, &rules::PanelChoices::changed, this, [&changes] { ++changes; });

    choices.selectOption(true);
    QCOMPARE(startupList.entries.value(u"Tarvelle"_s), u"/opt/Tarvelle"_s);
    QVERIFY(choices.trayEnabled());
    choices.setTrayTicked(true);
    QCOMPARE(store.values.value(u"RunAtSysTray"_s), u"True"_s);
    // Setting the state the box has runs nothing.
    store.writes.clear();
    choices.setTrayTicked(true);
    QVERIFY(store.writes.isEmpty());

    // "Don't run" removes the entry, disables the box and clears it, which is stored.
    choices.selectOption(false);
    QVERIFY(startupList.entries.isEmpty());
    QVERIFY(!choices.trayEnabled());
    QVERIFY(!choices.trayTicked());
    QCOMPARE(store.values.value(u"RunAtSysTray"_s), u"False"_s);
    choices.pickTime(rules::PanelChoices::TimeList::Minute, 13);
    QCOMPARE(store.values.value(u"Minute"_s), u"13"_s);
    QCOMPARE(choices.entry(rules::PanelChoices::TimeList::Minute), 13);
    QVERIFY(changes > 0);
    QVERIFY(messages.shown.isEmpty());
}

void TestDisplayRules::cardHeldWhileBusyAndBroughtUpWhenFree()
{
    using services::Busy;
    FakeClock clock(QDateTime(m_today, QTime(7, 0)));
    FakeDesktopState desktop;
    MemorySettingsStore store;
    rules::CardHold hold(desktop, clock, store, nullptr);
    QSignalSpy bringUp(&hold, &rules::CardHold::bringUp);
    QSignalSpy quietly(&hold, &rules::CardHold::notifyQuietly);
    QSignalSpy holding(&hold, &rules::CardHold::holdingChanged);

    // Free: up at once, with the notification, and nothing is watched.
    hold.cardDue();
    QCOMPARE(bringUp.takeFirst().at(0).toBool(), true);
    QVERIFY(!desktop.watching);
    QVERIFY(holding.isEmpty());

    // Do-not-disturb: the notification alone, once, while the desktop is watched.
    desktop.busy = Busy::DoNotDisturb;
    hold.cardDue();
    QVERIFY(hold.isHolding() && desktop.watching);
    QCOMPARE(quietly.size(), 1);
    desktop.become(Busy::FullScreen);
    desktop.become(Busy::DoNotDisturb);
    QCOMPARE(quietly.size(), 1);
    QVERIFY(bringUp.isEmpty());
    // Free again: up, and not told a second time.
    desktop.become(Busy::No);
    QCOMPARE(bringUp.takeFirst().at(0).toBool(), false);
    QVERIFY(!hold.isHolding() && !desktop.watching);
    QCOMPARE(holding.size(), 2);

    // A full-screen window: nothing is sent; once it goes, up with the notification.
    desktop.busy = Busy::FullScreen;
    hold.cardDue();
    desktop.become(Busy::DoNotDisturb);
    QCOMPARE(quietly.size(), 2); // it was never sent: now quietly
    desktop.busy = Busy::FullScreen;
    quietly.clear();
    hold.release();
    hold.cardDue();
    QVERIFY(quietly.isEmpty());
    desktop.become(Busy::No);
    QCOMPARE(bringUp.takeFirst().at(0).toBool(), true);

    // An answer that comes after the user took the card themselves changes nothing.
    desktop.holdAnswers = true;
    desktop.busy = Busy::No;
    hold.cardDue();
    QVERIFY(!hold.isHolding()); // nothing is up yet, nor held
    hold.release();
    desktop.answerPending();
    QVERIFY(bringUp.isEmpty());

    // The option off: the display time as it always was, the desktop never asked.
    desktop.holdAnswers = false;
    desktop.busy = Busy::FullScreen;
    store.values.insert(u"WaitWhileBusy"_s, u"False"_s);
    const int asked = desktop.questions;
    hold.cardDue();
    QCOMPARE(bringUp.takeFirst().at(0).toBool(), true);
    QCOMPARE(desktop.questions, asked);
    QVERIFY(!hold.isHolding());
    // Absent or unreadable, it is on.
    store.values.insert(u"WaitWhileBusy"_s, u"maybe"_s);
    QVERIFY(!rules::waitsWhileBusy(store));
    store.values.remove(u"WaitWhileBusy"_s);
    QVERIFY(rules::waitsWhileBusy(store));
}

void TestDisplayRules::heldCardDroppedWhenTheDayEnds()
{
    FakeClock clock(QDateTime(m_today, QTime(23, 0)));
    FakeDesktopState desktop;
    MemorySettingsStore store;
    rules::CardHold hold(desktop, clock, store, nullptr);
    QSignalSpy bringUp(&hold, &rules::CardHold::bringUp);
    desktop.busy = services::Busy::FullScreen;
    hold.cardDue();
    hold.dayEnded(); // still the same day
    QVERIFY(hold.isHolding());
    clock.current = QDateTime(m_today.addDays(1), QTime(0, 0));
    hold.dayEnded();
    QVERIFY(!hold.isHolding() && !desktop.watching);
    desktop.become(services::Busy::No);
    QVERIFY(bringUp.isEmpty());

    // Freed only after midnight, without the day's end heard (a machine asleep): dropped too.
    clock.current = QDateTime(m_today, QTime(23, 0));
    desktop.busy = services::Busy::FullScreen;
    hold.cardDue();
    clock.current = QDateTime(m_today.addDays(1), QTime(6, 0));
    desktop.become(services::Busy::No);
    QVERIFY(bringUp.isEmpty());
    QVERIFY(!hold.isHolding());
}

void TestDisplayRules::reminderKeptUntilItComesOrTheDisplayTime()
{
    MemorySettingsStore store;
    store.values = {{u"Hour"_s, u"7"_s}, {u"Minute"_s, u"0"_s}, {u"Second"_s, u"0"_s}};
    const QDateTime at(m_today, QTime(10, 30));
    schedule::remindAt(store, at);
    QCOMPARE(schedule::storedReminder(store), at);
    // Read leniently: a plain local time counts, anything unreadable is none.
    store.values.insert(u"RemindAt"_s, u"2026-12-08T10:30:00"_s);
    QCOMPARE(schedule::storedReminder(store), at);
    for (const QString &odd : {u"tomorrow"_s, u"2026-13-08T10:30"_s, u""_s}) {
        store.values.insert(u"RemindAt"_s, odd);
        QVERIFY2(!schedule::storedReminder(store), qPrintable(odd));
    }

    schedule::remindAt(store, at);
    QVERIFY(!schedule::takeDueReminder(store, at.addSecs(-1)));
    QVERIFY(schedule::storedReminder(store));
    QVERIFY(schedule::takeDueReminder(store, at.addSecs(5)));
    QVERIFY(!schedule::storedReminder(store));
    // Found behind on a later day (the program was not running): gone without coming.
    schedule::remindAt(store, at);
    QVERIFY(!schedule::takeDueReminder(store, at.addDays(1)));
    QVERIFY(!schedule::storedReminder(store));

    // The next display second replaces it.
    schedule::remindAt(store, at.addDays(1));
    QVERIFY(schedule::decideAt(store, QDateTime(m_today.addDays(1), QTime(7, 0))).show);
    QVERIFY(!schedule::storedReminder(store));
}

void TestDisplayRules::timerRingsForTheEarliestMoment()
{
    MemorySettingsStore store;
    store.values = {{u"Hour"_s, u"7"_s}, {u"Minute"_s, u"0"_s}, {u"Second"_s, u"0"_s}};
    FakeClock clock(QDateTime(m_today, QTime(21, 0)));
    FakeAlarm alarm;
    rules::DisplayTimer timer(clock, alarm, store, nullptr);
    QSignalSpy display(&timer, &rules::DisplayTimer::displayTimeReached);
    QSignalSpy reminder(&timer, &rules::DisplayTimer::reminderReached);
    QSignalSpy dayEnded(&timer, &rules::DisplayTimer::dayEnded);
    const auto ms = [](const QDateTime &moment) { return moment.toMSecsSinceEpoch(); };
    const QDateTime sevenTomorrow(m_today.addDays(1), QTime(7, 0));
    timer.start();
    QCOMPARE(alarm.due, ms(sevenTomorrow));

    // A reminder before the display second comes first, and then the day's end if it is watched.
    const QDateTime later(m_today, QTime(22, 0));
    schedule::remindAt(store, later);
    timer.reschedule();
    QCOMPARE(alarm.due, ms(later));
    timer.watchDayEnd(true);
    QCOMPARE(alarm.due, ms(later));
    connect(&timer, &rules::DisplayTimer::reminderReached, &timer,
            [&] { schedule::takeDueReminder(store, clock.now()); });
    clock.current = later;
    alarm.ring();
    QCOMPARE(reminder.size(), 1);
    QVERIFY(display.isEmpty());
    QCOMPARE(alarm.due, ms(QDateTime(m_today.addDays(1), QTime(0, 0))));
    clock.current = QDateTime(m_today.addDays(1), QTime(0, 0));
    alarm.ring();
    QCOMPARE(dayEnded.size(), 1);
    QCOMPARE(alarm.due, ms(sevenTomorrow));
    // A reminder after the display second does not keep the display second back.
    schedule::remindAt(store, sevenTomorrow.addSecs(3600));
    timer.reschedule();
    QCOMPARE(alarm.due, ms(sevenTomorrow));
    clock.current = sevenTomorrow;
    alarm.ring();
    QCOMPARE(display.size(), 1);
    QCOMPARE(reminder.size(), 1);
}

QTEST_GUILESS_MAIN(TestDisplayRules)
#include "tst_displayrules.moc"
