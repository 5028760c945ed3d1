#include "dialogs/ExitScreen.h"
#include "services/RandomGenerator.h"
#include "ui/LinkLabel.h"

#include "FakeClock.h"
#include "RecordingBrowser.h"
#include "RecordingMessageBoxes.h"
#include "ScriptedRandom.h"
#include "WidgetNamed.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

// The exit screen's share of the outside world.
struct ExitScreenWorld {
    dialogs::ExitScreenServices services() { return {browser, messages, clock, random}; }

    FakeClock clock;
    ScriptedRandom random;
    RecordingMessageBoxes messages;
    RecordingBrowser browser;
};

class TestExitScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void loadShowsItAboveEverything();
    void allFourTextsOverManyRuns();
    void placeholdersComeAndGo();
    void spaceIsRefusedInAddresses();
    void tabOrderLeadsIntoTheUnseenMessage();
    void check1OpensThePageOncePerClick();
    void softwareLinkOpensItsPage();
    void submissionRefusalsInOrder();
    void validReferralSendsExactlyWhatWasTyped();
    void bothWaysOfClosingEndTheProgram();
    void longestValuesStillMakeAnAddressABrowserTakes();

private:
    void type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->setText(text);
    }

    std::unique_ptr<ExitScreenWorld> m_world;
    std::unique_ptr<dialogs::ExitScreen> m_screen;
};

void TestExitScreen::init()
{
    m_world = std::make_unique<ExitScreenWorld>();
    m_world->random.values = {0.6F};
    m_screen = std::make_unique<dialogs::ExitScreen>(m_world->services());
    m_screen->present();
    // It opens active by itself, with the keyboard on "E&xit".
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
}

void TestExitScreen::cleanup()
{
    m_screen.reset();
    m_world.reset();
}

void TestExitScreen::loadShowsItAboveEverything()
{
    QCOMPARE(m_screen->windowTitle(), u"Tarvelle v1.20"_s);
    QCOMPARE(widgetNamed<QLabel>(m_screen, "caption")->text(), u"Tarvelle v1.20"_s);
    QVERIFY(!m_screen->windowIcon().isNull());
    QVERIFY(m_screen->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(QApplication::focusWidget(), widgetNamed<QPushButton>(m_screen, "exitButton"));
    QVERIFY(m_screen->isVisible());
    // Reseeded from the clock, then one draw: 0.6 picks the third text.
    QCOMPARE(m_world->random.seeds.size(), 1);
    QCOMPARE(m_screen->promotionNumber(), 2);
    QCOMPARE(widgetNamed<QLabel>(m_screen, "promotionText")->text(),
             dialogs::ExitScreen::promotionText(2));
    QVERIFY(widgetNamed<QLabel>(m_screen, "promotionText")
                ->text()
                .startsWith(u"Quellmoor is a FREE online discussion forum"_s));
    QCOMPARE(widgetNamed<QCheckBox>(m_screen, "visitSiteBox")->text(),
             u"Click Here To Visit www.quellmoor.com Now"_s);
    QCOMPARE(m_screen->focusWidget(), widgetNamed<QPushButton>(m_screen, "exitButton"));
    QCOMPARE(widgetNamed<QPlainTextEdit>(m_screen, "message")->toPlainText(), u"Your Message\n"_s);
    QVERIFY(!widgetNamed<QGroupBox>(m_screen, "referralFrame")
                 ->rect()
                 .intersects(widgetNamed<QPlainTextEdit>(m_screen, "message")->geometry()));
    QVERIFY(
        m_screen->rect().contains(widgetNamed<QGroupBox>(m_screen, "referralFrame")->geometry()));
}

void TestExitScreen::allFourTextsOverManyRuns()
{
    services::MersenneRandomGenerator random;
    const dialogs::ExitScreenServices real{m_world->browser, m_world->messages, m_world->clock,
                                           random};
    QSet<int> seen;
    for (int run = 0; run < 60; ++run) {
        m_world->clock.current = m_world->clock.current.addMSecs(1237);
        dialogs::ExitScreen screen(real);
        screen.present();
        seen.insert(screen.promotionNumber());
        QCOMPARE(widgetNamed<QLabel>(&screen, "promotionText")->text(),
                 dialogs::ExitScreen::promotionText(screen.promotionNumber()));
    }
    QCOMPARE(seen, (QSet<int>{0, 1, 2, 3}));
    QVERIFY(!dialogs::ExitScreen::promotionText(1).endsWith(u'.'));
}

void TestExitScreen::placeholdersComeAndGo()
{
    QLineEdit *name = widgetNamed<QLineEdit>(m_screen, "yourName");
    QCOMPARE(name->text(), u"Your Name"_s);
    name->setFocus();
    QCOMPARE(name->text(), QString());
    widgetNamed<QLineEdit>(m_screen, "friendName")->setFocus();
    QCOMPARE(name->text(), u"Your Name"_s);
    QCOMPARE(widgetNamed<QLineEdit>(m_screen, "friendName")->text(), QString());

    name->setText(u"  Your Name  "_s);
    name->setFocus();
    QCOMPARE(name->text(), QString()); // blanks around the placeholder still count as it
    name->setText(u"   "_s);
    widgetNamed<QPushButton>(m_screen, "exitButton")->setFocus();
    QCOMPARE(name->text(), u"Your Name"_s);
    name->setText(u"your name"_s);
    name->setFocus();
    QCOMPARE(name->text(), u"your name"_s); // letter case matters

    // The unseen message keeps its first text: it is not the bare placeholder.
    widgetNamed<QPlainTextEdit>(m_screen, "message")->setFocus();
    QCOMPARE(widgetNamed<QPlainTextEdit>(m_screen, "message")->toPlainText(), u"Your Message\n"_s);
    widgetNamed<QPlainTextEdit>(m_screen, "message")->setPlainText(QString());
    widgetNamed<QPushButton>(m_screen, "exitButton")->setFocus();
    QCOMPARE(widgetNamed<QPlainTextEdit>(m_screen, "message")->toPlainText(), u"Your Message"_s);
}

void TestExitScreen::spaceIsRefusedInAddresses()
{
    for (QLineEdit *box : {widgetNamed<QLineEdit>(m_screen, "yourEmail"),
                           widgetNamed<QLineEdit>(m_screen, "friendEmail")}) {
        m_world->messages.shown.clear();
        box->setFocus();
        QTest::keyClicks(box, u"ab c"_s);
        QCOMPARE(box->text(), u"abc"_s);
        QCOMPARE(m_world->messages.shown,
                 (QList<services::MessageBoxes::Message>{{u"Email Address Cannot Contain Space"_s,
                                                          services::MessageBoxes::Icon::Critical,
                                                          services::MessageBoxes::Buttons::Ok}}));
        QCOMPARE(QApplication::focusWidget(), box);
        box->clear();
        box->insert(u"pasted text"_s); // only typing is checked
        QCOMPARE(box->text(), u"pasted text"_s);
    }
    m_world->messages.shown.clear();
    widgetNamed<QLineEdit>(m_screen, "yourName")->setFocus();
    QTest::keyClicks(widgetNamed<QLineEdit>(m_screen, "yourName"), u"Ann Lee"_s);
    QCOMPARE(widgetNamed<QLineEdit>(m_screen, "yourName")->text(), u"Ann Lee"_s);
    QVERIFY(m_world->messages.shown.isEmpty());
}

void TestExitScreen::tabOrderLeadsIntoTheUnseenMessage()
{
    const QList<QWidget *> expected = {widgetNamed<QPushButton>(m_screen, "exitButton"),
                                       widgetNamed<QCheckBox>(m_screen, "visitSiteBox"),
                                       widgetNamed<QLineEdit>(m_screen, "yourName"),
                                       widgetNamed<QPushButton>(m_screen, "referButton"),
                                       widgetNamed<QLineEdit>(m_screen, "yourEmail"),
                                       widgetNamed<QLineEdit>(m_screen, "friendEmail"),
                                       widgetNamed<QLineEdit>(m_screen, "friendName"),
                                       widgetNamed<QPlainTextEdit>(m_screen, "message")};
    widgetNamed<QPushButton>(m_screen, "exitButton")->setFocus();
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected[i]);
    }
}

void TestExitScreen::check1OpensThePageOncePerClick()
{
    QTest::mouseClick(widgetNamed<QCheckBox>(m_screen, "visitSiteBox"), Qt::LeftButton);
    QVERIFY(!widgetNamed<QCheckBox>(m_screen, "visitSiteBox")->isChecked());
    QTest::mouseClick(widgetNamed<QCheckBox>(m_screen, "visitSiteBox"), Qt::LeftButton);
    QVERIFY(!widgetNamed<QCheckBox>(m_screen, "visitSiteBox")->isChecked());
    QCOMPARE(
        m_world->browser.opened,
        (QList<QUrl>(2, QUrl(u"https://www.quellmoor.com/tarvelle/ssd.php?page=home-page"_s))));
}

void TestExitScreen::softwareLinkOpensItsPage()
{
    QTest::mouseClick(widgetNamed<ui::LinkLabel>(m_screen, "homeLink"), Qt::LeftButton);
    QCOMPARE(
        m_world->browser.opened,
        QList<QUrl>{QUrl(u"https://www.quellmoor.com/tarvelle/ssd.php?page=quellmoorsoftwares"_s)});
    QVERIFY(m_screen->isVisible());
}

void TestExitScreen::submissionRefusalsInOrder()
{
    const auto submit = [this] {
        m_world->messages.shown.clear();
        QTest::mouseClick(widgetNamed<QPushButton>(m_screen, "referButton"), Qt::LeftButton);
        return m_world->messages.texts();
    };
    QCOMPARE(submit(), QStringList{u"Please Enter Proper Email Address"_s});
    widgetNamed<QLineEdit>(m_screen, "yourEmail")->clear();
    widgetNamed<QLineEdit>(m_screen, "friendEmail")->clear();
    QCOMPARE(submit(), QStringList{u"Please Enter Distinct Email Addresses"_s});
    widgetNamed<QLineEdit>(m_screen, "yourEmail")->setText(u"Ann@Example.org"_s);
    widgetNamed<QLineEdit>(m_screen, "friendEmail")->setText(u"ann@example.org"_s);
    QCOMPARE(submit(), QStringList{u"Please Enter Your Name"_s});
    widgetNamed<QLineEdit>(m_screen, "friendEmail")->setText(u"bo@example"_s);
    QCOMPARE(submit(), QStringList{u"Please Enter Proper Email Address"_s});
    widgetNamed<QLineEdit>(m_screen, "friendEmail")->setText(u"bo@example.org"_s);
    widgetNamed<QLineEdit>(m_screen, "yourName")->setText(u"Ann"_s);
    QCOMPARE(submit(), QStringList{u"Please Enter Your Friend's Name"_s});
    QVERIFY(m_world->browser.opened.isEmpty());
    QCOMPARE(widgetNamed<QLineEdit>(m_screen, "yourName")->text(),
             u"Ann"_s); // texts stay as they are
}

void TestExitScreen::validReferralSendsExactlyWhatWasTyped()
{
    widgetNamed<QLineEdit>(m_screen, "yourName")->setText(u"  Ann & Co #1 "_s);
    widgetNamed<QLineEdit>(m_screen, "yourEmail")->setText(u"ann+cards@example.org"_s);
    widgetNamed<QLineEdit>(m_screen, "friendName")->setText(u"Zoë 50%"_s);
    widgetNamed<QLineEdit>(m_screen, "friendEmail")->setText(u"zoe@example.org"_s);
    QTest::mouseClick(widgetNamed<QPushButton>(m_screen, "referButton"), Qt::LeftButton);
    QVERIFY(m_world->messages.shown.isEmpty());
    QCOMPARE(m_world->browser.opened.size(), 1);
    const QUrlQuery query(m_world->browser.opened.first());
    QCOMPARE(query.queryItemValue(u"taf1"_s, QUrl::FullyDecoded), u"Ann & Co #1"_s);
    QCOMPARE(query.queryItemValue(u"taf2"_s, QUrl::FullyDecoded), u"ann+cards@example.org"_s);
    QCOMPARE(query.queryItemValue(u"taf3"_s, QUrl::FullyDecoded), u"Your Message\r\n"_s);
    QCOMPARE(query.queryItemValue(u"taf4"_s, QUrl::FullyDecoded), u"Zoë 50%"_s);
    QCOMPARE(m_screen->storedReferral().name, u"Ann & Co #1"_s);
    // A second submission sends the same request again; the screen stays.
    QTest::mouseClick(widgetNamed<QPushButton>(m_screen, "referButton"), Qt::LeftButton);
    QCOMPARE(m_world->browser.opened.size(), 2);
    QCOMPARE(m_world->browser.opened[0], m_world->browser.opened[1]);
    QVERIFY(m_screen->isVisible());
}

void TestExitScreen::bothWaysOfClosingEndTheProgram()
{
    int closed = 0;
    connect(m_screen.get(), &dialogs::ExitScreen::closed, this, [&closed] { ++closed; });
    QTest::mouseClick(widgetNamed<QPushButton>(m_screen, "exitButton"), Qt::LeftButton);
    QCOMPARE(closed, 1);
    QVERIFY(m_screen->close());
    QCOMPARE(closed, 2);
    // Enter on the focused "E&xit" presses it, as it does on every desktop.
    QTest::keyClick(widgetNamed<QPushButton>(m_screen, "exitButton"), Qt::Key_Return);
    QCOMPARE(closed, 3);
}

void TestExitScreen::longestValuesStillMakeAnAddressABrowserTakes()
{
    // Pasted walls of text, in characters that take the most room once encoded.
    const QString wall(100000, QChar(0x20AC));
    for (QLineEdit *box : {widgetNamed<QLineEdit>(m_screen, "yourName"),
                           widgetNamed<QLineEdit>(m_screen, "friendName")})
        box->setText(wall);
    widgetNamed<QLineEdit>(m_screen, "yourEmail")->setText(u"a@b."_s + wall);
    widgetNamed<QLineEdit>(m_screen, "friendEmail")->setText(u"c@d."_s + wall);
    widgetNamed<QPlainTextEdit>(m_screen, "message")->setPlainText(wall);
    QTest::keyClick(widgetNamed<QPushButton>(m_screen, "referButton"), Qt::Key_Return);
    QCOMPARE(m_world->browser.opened.size(), 1);
    // A single argument of a started program may hold 128 KiB; a quarter of it is plenty.
    const QByteArray address = m_world->browser.opened.first().toEncoded();
    QVERIFY2(address.size() < 32 * 1024, QByteArray::number(address.size()).constData());
    QVERIFY(m_screen->storedReferral().message.startsWith(QChar(0x20AC)));
}

QTEST_MAIN(TestExitScreen)
#include "tst_exitscreen.moc"
