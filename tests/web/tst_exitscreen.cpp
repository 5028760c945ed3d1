#include "services/RandomGenerator.h"
#include "ui/LinkLabel.h"
#include "web/frmNagScreen2.h"

#include "FakeClock.h"
#include "RecordingBrowser.h"
#include "RecordingMessageBoxes.h"
#include "ScriptedRandom.h"

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
    web::ExitScreenServices services() { return {browser, messages, clock, random}; }

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
    std::unique_ptr<web::frmNagScreen2> m_screen;
};

void TestExitScreen::init()
{
    m_world = std::make_unique<ExitScreenWorld>();
    m_world->random.values = {0.6F};
    m_screen = std::make_unique<web::frmNagScreen2>(m_world->services());
    m_screen->Form_Load();
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
    QCOMPARE(m_screen->lblNagScreen2Caption->text(), u"Tarvelle v1.20"_s);
    QVERIFY(!m_screen->windowIcon().isNull());
    QVERIFY(m_screen->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(QApplication::focusWidget(), m_screen->cmdClose);
    QVERIFY(m_screen->isVisible());
    // Reseeded from the clock, then one draw: 0.6 picks the third text.
    QCOMPARE(m_world->random.seeds.size(), 1);
    QCOMPARE(m_screen->promotionNumber(), 2);
    QCOMPARE(m_screen->Label2->text(), web::frmNagScreen2::promotionText(2));
    QVERIFY(m_screen->Label2->text().startsWith(u"Quellmoor is a FREE online discussion forum"_s));
    QCOMPARE(m_screen->Check1->text(), u"Click Here To Visit www.quellmoor.com Now"_s);
    QCOMPARE(m_screen->focusWidget(), m_screen->cmdClose);
    QCOMPARE(m_screen->txtMessage->toPlainText(), u"Your Message\n"_s);
    QVERIFY(!m_screen->Frame2->rect().intersects(m_screen->txtMessage->geometry()));
    QVERIFY(m_screen->rect().contains(m_screen->Frame2->geometry()));
}

void TestExitScreen::allFourTextsOverManyRuns()
{
    services::MersenneRandomGenerator random;
    const web::ExitScreenServices real{m_world->browser, m_world->messages, m_world->clock, random};
    QSet<int> seen;
    for (int run = 0; run < 60; ++run) {
        m_world->clock.current = m_world->clock.current.addMSecs(1237);
        web::frmNagScreen2 screen(real);
        screen.Form_Load();
        seen.insert(screen.promotionNumber());
        QCOMPARE(screen.Label2->text(),
                 web::frmNagScreen2::promotionText(screen.promotionNumber()));
    }
    QCOMPARE(seen, (QSet<int>{0, 1, 2, 3}));
    QVERIFY(!web::frmNagScreen2::promotionText(1).endsWith(u'.'));
}

void TestExitScreen::placeholdersComeAndGo()
{
    QLineEdit *name = m_screen->txtName;
    QCOMPARE(name->text(), u"Your Name"_s);
    name->setFocus();
    QCOMPARE(name->text(), QString());
    m_screen->txtFriendName->setFocus();
    QCOMPARE(name->text(), u"Your Name"_s);
    QCOMPARE(m_screen->txtFriendName->text(), QString());

    name->setText(u"  Your Name  "_s);
    name->setFocus();
    QCOMPARE(name->text(), QString()); // blanks around the placeholder still count as it
    name->setText(u"   "_s);
    m_screen->cmdClose->setFocus();
    QCOMPARE(name->text(), u"Your Name"_s);
    name->setText(u"your name"_s);
    name->setFocus();
    QCOMPARE(name->text(), u"your name"_s); // letter case matters

    // The unseen message keeps its first text: it is not the bare placeholder.
    m_screen->txtMessage->setFocus();
    QCOMPARE(m_screen->txtMessage->toPlainText(), u"Your Message\n"_s);
    m_screen->txtMessage->setPlainText(QString());
    m_screen->cmdClose->setFocus();
    QCOMPARE(m_screen->txtMessage->toPlainText(), u"Your Message"_s);
}

void TestExitScreen::spaceIsRefusedInAddresses()
{
    for (QLineEdit *box : {m_screen->txtEmail, m_screen->txtFriendEmail}) {
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
    m_screen->txtName->setFocus();
    QTest::keyClicks(m_screen->txtName, u"Ann Lee"_s);
    QCOMPARE(m_screen->txtName->text(), u"Ann Lee"_s);
    QVERIFY(m_world->messages.shown.isEmpty());
}

void TestExitScreen::tabOrderLeadsIntoTheUnseenMessage()
{
    const QList<QWidget *> expected = {m_screen->cmdClose,      m_screen->Check1,
                                       m_screen->txtName,       m_screen->cmdSubmit,
                                       m_screen->txtEmail,      m_screen->txtFriendEmail,
                                       m_screen->txtFriendName, m_screen->txtMessage};
    m_screen->cmdClose->setFocus();
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected[i]);
    }
}

void TestExitScreen::check1OpensThePageOncePerClick()
{
    QTest::mouseClick(m_screen->Check1, Qt::LeftButton);
    QVERIFY(!m_screen->Check1->isChecked());
    QTest::mouseClick(m_screen->Check1, Qt::LeftButton);
    QVERIFY(!m_screen->Check1->isChecked());
    QCOMPARE(
        m_world->browser.opened,
        (QList<QUrl>(2, QUrl(u"https://www.quellmoor.com/tarvelle/ssd.php?page=home-page"_s))));
}

void TestExitScreen::softwareLinkOpensItsPage()
{
    QTest::mouseClick(m_screen->lblGoToHome, Qt::LeftButton);
    QCOMPARE(
        m_world->browser.opened,
        QList<QUrl>{QUrl(u"https://www.quellmoor.com/tarvelle/ssd.php?page=quellmoorsoftwares"_s)});
    QVERIFY(m_screen->isVisible());
}

void TestExitScreen::submissionRefusalsInOrder()
{
    const auto submit = [this] {
        m_world->messages.shown.clear();
        QTest::mouseClick(m_screen->cmdSubmit, Qt::LeftButton);
        return m_world->messages.texts();
    };
    QCOMPARE(submit(), QStringList{u"Please Enter Proper Email Address"_s});
    m_screen->txtEmail->clear();
    m_screen->txtFriendEmail->clear();
    QCOMPARE(submit(), QStringList{u"Please Enter Distinct Email Addresses"_s});
    m_screen->txtEmail->setText(u"Ann@Example.org"_s);
    m_screen->txtFriendEmail->setText(u"ann@example.org"_s);
    QCOMPARE(submit(), QStringList{u"Please Enter Your Name"_s});
    m_screen->txtFriendEmail->setText(u"bo@example"_s);
    QCOMPARE(submit(), QStringList{u"Please Enter Proper Email Address"_s});
    m_screen->txtFriendEmail->setText(u"bo@example.org"_s);
    m_screen->txtName->setText(u"Ann"_s);
    QCOMPARE(submit(), QStringList{u"Please Enter Your Friend's Name"_s});
    QVERIFY(m_world->browser.opened.isEmpty());
    QCOMPARE(m_screen->txtName->text(), u"Ann"_s); // texts stay as they are
}

void TestExitScreen::validReferralSendsExactlyWhatWasTyped()
{
    m_screen->txtName->setText(u"  Ann & Co #1 "_s);
    m_screen->txtEmail->setText(u"ann+cards@example.org"_s);
    m_screen->txtFriendName->setText(u"Zoë 50%"_s);
    m_screen->txtFriendEmail->setText(u"zoe@example.org"_s);
    QTest::mouseClick(m_screen->cmdSubmit, Qt::LeftButton);
    QVERIFY(m_world->messages.shown.isEmpty());
    QCOMPARE(m_world->browser.opened.size(), 1);
    const QUrlQuery query(m_world->browser.opened.first());
    QCOMPARE(query.queryItemValue(u"taf1"_s, QUrl::FullyDecoded), u"Ann & Co #1"_s);
    QCOMPARE(query.queryItemValue(u"taf2"_s, QUrl::FullyDecoded), u"ann+cards@example.org"_s);
    QCOMPARE(query.queryItemValue(u"taf3"_s, QUrl::FullyDecoded), u"Your Message\r\n"_s);
    QCOMPARE(query.queryItemValue(u"taf4"_s, QUrl::FullyDecoded), u"Zoë 50%"_s);
    QCOMPARE(m_screen->storedReferral().name, u"Ann & Co #1"_s);
    // A second submission sends the same request again; the screen stays.
    QTest::mouseClick(m_screen->cmdSubmit, Qt::LeftButton);
    QCOMPARE(m_world->browser.opened.size(), 2);
    QCOMPARE(m_world->browser.opened[0], m_world->browser.opened[1]);
    QVERIFY(m_screen->isVisible());
}

void TestExitScreen::bothWaysOfClosingEndTheProgram()
{
    int closed = 0;
    connect(m_screen.get(), &web::frmNagScreen2::closed, this, [&closed] { ++closed; });
    QTest::mouseClick(m_screen->cmdClose, Qt::LeftButton);
    QCOMPARE(closed, 1);
    QVERIFY(m_screen->close());
    QCOMPARE(closed, 2);
    // Enter on the focused "E&xit" presses it, as it does on every desktop.
    QTest::keyClick(m_screen->cmdClose, Qt::Key_Return);
    QCOMPARE(closed, 3);
}

void TestExitScreen::longestValuesStillMakeAnAddressABrowserTakes()
{
    // Pasted walls of text, in characters that take the most room once encoded.
    const QString wall(100000, QChar(0x20AC));
    for (QLineEdit *box : {m_screen->txtName, m_screen->txtFriendName})
        box->setText(wall);
    m_screen->txtEmail->setText(u"a@b."_s + wall);
    m_screen->txtFriendEmail->setText(u"c@d."_s + wall);
    m_screen->txtMessage->setPlainText(wall);
    QTest::keyClick(m_screen->cmdSubmit, Qt::Key_Return);
    QCOMPARE(m_world->browser.opened.size(), 1);
    // A single argument of a started program may hold 128 KiB; a quarter of it is plenty.
    const QByteArray address = m_world->browser.opened.first().toEncoded();
    QVERIFY2(address.size() < 32 * 1024, QByteArray::number(address.size()).constData());
    QVERIFY(m_screen->storedReferral().message.startsWith(QChar(0x20AC)));
}

QTEST_MAIN(TestExitScreen)
#include "tst_exitscreen.moc"
