#include "app/CardPanel.h"
#include "app/CardPicture.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/SettingsPanel.h"
#include "cards/Deck.h"
#include "settings/DateText.h"
#include "settings/IniSettingsStore.h"
#include "ui/FittedLabel.h"

#include "MainWindowUser.h"
#include "ProgramDoubles.h"
#include "WidgetNamed.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Whatever state the settings file is in, the program starts, shows a card and leaves a file
// that reads back.
class TestDamagedSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startsWithAnyFile_data();
    void startsWithAnyFile();

private:
    QString iniPath() const { return m_config.path() + u"/Tarvelle/Tarvelle.ini"_s; }

    QTemporaryDir m_config;
    const QDate m_today{2026, 12, 8};
};

void TestDamagedSettings::initTestCase()
{
    QLocale::setDefault(QLocale(u"en_US"_s));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestDamagedSettings::startsWithAnyFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    const QByteArray good = "[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=12\nDate=12/9/26\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated mid-line") << good.left(good.indexOf("Card=") + 3);
    QByteArray garbage(4096, '\0');
    QRandomGenerator random(7);
    for (char &c : garbage)
        c = static_cast<char>(random.bounded(256));
    QTest::newRow("binary garbage") << garbage;
    QTest::newRow("garbage after good lines") << good + garbage;
    QByteArray huge = good;
    for (int i = 0; i < 200000; ++i)
        huge += "Filler" + QByteArray::number(i) + "=" + QByteArray(20, 'x') + "\n";
    QTest::newRow("huge") << huge;
    QTest::newRow("key repeated") << QByteArray(good + "Card=99\nHour=abc\n");
    QTest::newRow("wrong group") << QByteArray("[Other]\nHour=7\nCard=3\n[General]\nDate=1/1/30\n");
    QTest::newRow("out of range") << QByteArray(
        "[Settings]\nHour=99\nMinute=-5\nSecond=61\nCard=0\nDate=13/45/26\n"
        "AutorunStartUp=maybe\nSystemTray=1\nRunAtSysTray=yes\nUpdateCheckStamp=x\n");
    QTest::newRow("not numbers") << QByteArray(
        "[Settings]\nHour=seven\nMinute=\nSecond=0x10\nCard=Ace\nDate=\n");
    QTest::newRow("date in another locale's form")
        << QByteArray("[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=12\nDate=09.12.26\n");
    QTest::newRow("date far in the past")
        << QByteArray("[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=12\nDate=1/1/1601\n");
    QTest::newRow("date far in the future")
        << QByteArray("[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=12\nDate=2026-12-31\n"
                      "UpdateCheckStamp=12/31/9999\n");
    QTest::newRow("serialised variant")
        << QByteArray("[Settings]\nHour=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x18QByteArrayList)\n"
                      "Card=@Rect(1 2 3 4)\nDate=@ByteArray(12/9/26)\n");
}

void TestDamagedSettings::startsWithAnyFile()
{
    QFETCH(QByteArray, contents);
    QDir(m_config.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_config.path() + u"/Tarvelle"_s));
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();

    ProgramDoubles world;
    world.random.values = {0.3F, 0.0F};
    // Some damage makes the update question come; the user agrees to look.
    world.messages.answers = {services::MessageBoxes::Answer::Yes};
    settings::IniSettingsStore store([] { return u"Tarvelle"_s; });
    app::Services services = world.services();
    const app::Services real{store,
                             services.clock,
                             services.alarm,
                             services.random,
                             services.messages,
                             services.tray,
                             services.startupList,
                             services.browser,
                             services.instanceLock,
                             services.notifications,
                             services.journal,
                             services.desktop};
    app::Program program(real, world.launch, [] {});
    QVERIFY(program.start());
    app::MainWindow *window = program.mainWindow();
    QVERIFY(window->isVisible());
    QVERIFY(cards::isCardIndex(widgetNamed<app::CardPicture>(window, "cardPicture")->card()));
    QCOMPARE(widgetNamed<ui::FittedLabel>(window, "cardName")->text(),
             cards::cardName(widgetNamed<app::CardPicture>(window, "cardPicture")->card()));

    // What the program wrote reads back: a card of the deck and a due date it understands.
    const settings::IniSettingsStore reader([] { return u"Tarvelle"_s; });
    const int card = reader.read(u"Card"_s).toInt();
    QVERIFY(cards::isCardIndex(card));
    QCOMPARE(card, widgetNamed<app::CardPicture>(window, "cardPicture")->card());
    const auto due = settings::dateFromText(reader.read(u"Date"_s), QLocale(), m_today);
    QVERIFY(due.has_value());
    QVERIFY(*due >= m_today && *due <= m_today.addDays(1));
    QVERIFY(settings::dateFromText(reader.read(u"UpdateCheckStamp"_s), QLocale(), m_today));
    // The hour the program will act on is one of its list, or no hour at all.
    const QString hour = reader.read(u"Hour"_s);
    const auto *hourList = widgetNamed<QComboBox>(user::openSettings(window), "hourList");
    QVERIFY(hourList->findText(hour) >= 0 || hourList->currentIndex() == -1);
    // Leaving saves too, and must not trip over the damage.
    user::choose(window, "trayExitAction");
    QVERIFY(program.exitScreen());
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).status(), QSettings::NoError);
}

QTEST_MAIN(TestDamagedSettings)
#include "tst_damagedsettings.moc"
