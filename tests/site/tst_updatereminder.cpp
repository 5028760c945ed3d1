#include "settings/DateText.h"
#include "site/UpdateReminder.h"

#include "MemorySettingsStore.h"
#include "RecordingBrowser.h"
#include "RecordingMessageBoxes.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Answer = services::MessageBoxes::Answer;

class TestUpdateReminder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void firstRunOnlyStartsTheCount();
    void window_data();
    void window();
    void unreadableStampCountsAsNone();
    void answerYesWritesTheStampThenOpens();
    void answerNoOpensNothing();

private:
    void check() { site::checkUpdateReminder(m_store, m_today, m_messages, m_browser); }
    QString text(QDate date) const { return settings::dateToText(date); }

    const QDate m_today{2026, 12, 8};
    MemorySettingsStore m_store;
    RecordingMessageBoxes m_messages;
    RecordingBrowser m_browser;
};

void TestUpdateReminder::initTestCase()
{
    QLocale::setDefault(QLocale(u"en_US"_s));
}

void TestUpdateReminder::init()
{
    m_store = MemorySettingsStore();
    m_messages = RecordingMessageBoxes();
    m_browser = RecordingBrowser();
}

void TestUpdateReminder::firstRunOnlyStartsTheCount()
{
    check();
    QVERIFY(m_messages.shown.isEmpty());
    QCOMPARE(m_store.writes,
             (QList<QPair<QString, QString>>{{u"UpdateCheckStamp"_s, u"2026-12-08"_s}}));
    QVERIFY(m_browser.opened.isEmpty());
}

void TestUpdateReminder::window_data()
{
    QTest::addColumn<int>("daysFromToday");
    QTest::addColumn<bool>("asks");
    QTest::newRow("today") << 0 << false;
    QTest::newRow("14 days back") << -14 << false;
    QTest::newRow("15 days back") << -15 << true;
    QTest::newRow("a year back") << -365 << true;
    QTest::newRow("14 days ahead") << 14 << false;
    QTest::newRow("15 days ahead") << 15 << true;
}

void TestUpdateReminder::window()
{
    QFETCH(int, daysFromToday);
    QFETCH(bool, asks);
    const QString stamp = text(m_today.addDays(daysFromToday));
    m_store.values.insert(u"UpdateCheckStamp"_s, stamp);
    m_messages.answers = {Answer::No};
    check();
    QCOMPARE(m_messages.shown.size(), asks ? 1 : 0);
    QCOMPARE(m_store.values.value(u"UpdateCheckStamp"_s), asks ? text(m_today) : stamp);
    if (!asks)
        QVERIFY(m_store.writes.isEmpty());
    if (asks) {
        QCOMPARE(m_messages.shown.first(),
                 (services::MessageBoxes::Message{
                     u"There maybe an update to this software available\rDo you want to check for "
                     u"an update?"_s,
                     services::MessageBoxes::Icon::Information,
                     services::MessageBoxes::Buttons::YesNo}));
        // Answered today: the next start on the same day asks nothing.
        check();
        QCOMPARE(m_messages.shown.size(), 1);
    }
}

void TestUpdateReminder::unreadableStampCountsAsNone()
{
    for (const QString &stamp : {u"soon"_s, u""_s, u"31/31/31"_s}) {
        m_store.values.insert(u"UpdateCheckStamp"_s, stamp);
        check();
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(m_store.values.value(u"UpdateCheckStamp"_s), text(m_today));
    }
}

void TestUpdateReminder::answerYesWritesTheStampThenOpens()
{
    m_store.values.insert(u"UpdateCheckStamp"_s, text(m_today.addDays(-30)));
    m_messages.answers = {Answer::Yes};
    QString stampWhenOpening;
    m_browser.whenOpening = [this, &stampWhenOpening](const QUrl &) {
        stampWhenOpening = m_store.values.value(u"UpdateCheckStamp"_s);
    };
    check();
    QCOMPARE(
        m_browser.opened,
        QList<QUrl>{QUrl(u"https://www.quellmoor.com/tarvelle/ssd.php?page=download-web-page"_s)});
    QCOMPARE(stampWhenOpening, text(m_today));
}

void TestUpdateReminder::answerNoOpensNothing()
{
    m_store.values.insert(u"UpdateCheckStamp"_s, text(m_today.addDays(20)));
    m_messages.answers = {Answer::No};
    check();
    QVERIFY(m_browser.opened.isEmpty());
    QCOMPARE(m_store.values.value(u"UpdateCheckStamp"_s), text(m_today));
}

QTEST_APPLESS_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
