#include "services/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using services::MessageBoxes;

class TestMessageBoxes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void questionsAreAnsweredOnlyByYesOrNo();
    void aBoxStandsAboveTheWindowItSpeaksFor();

private:
    // Runs `whileOpen` on the box once it is up.
    static void whenShown(std::function<void(QMessageBox *)> whileOpen)
    {
        QTimer::singleShot(0, qApp, [whileOpen = std::move(whileOpen)] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            whileOpen(box);
        });
    }
};

void TestMessageBoxes::questionsAreAnsweredOnlyByYesOrNo()
{
    services::DialogMessageBoxes boxes;
    const MessageBoxes::Message question{u"Are You Sure You Want To Quit Tarvelle?"_s,
                                         MessageBoxes::Icon::Exclamation,
                                         MessageBoxes::Buttons::YesNo};
    whenShown([](QMessageBox *box) {
        QCOMPARE(box->windowTitle(), u"Tarvelle"_s);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
        // Neither Esc nor the title bar's close answers for the user.
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(box->isVisible());
        QVERIFY(!box->close());
        QVERIFY(box->isVisible());
        box->button(QMessageBox::No)->click();
    });
    QCOMPARE(boxes.show(question), MessageBoxes::Answer::No);

    // A notice still goes away with Esc.
    whenShown([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(boxes.show({u"Please Enter Correct Date !"_s, MessageBoxes::Icon::Information,
                         MessageBoxes::Buttons::Ok}),
             MessageBoxes::Answer::Ok);
}

void TestMessageBoxes::aBoxStandsAboveTheWindowItSpeaksFor()
{
    QWidget behind;
    behind.show();
    QWidget topmost(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    topmost.show();
    topmost.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&topmost));
    services::DialogMessageBoxes boxes;
    whenShown([&topmost](QMessageBox *box) {
        // Owned by the window in use, so stacked over it, and topmost like it.
        QCOMPARE(box->parentWidget(), &topmost);
        QVERIFY(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QTRY_COMPARE(QApplication::activeWindow(), box);
        box->button(QMessageBox::Ok)->click();
    });
    boxes.show({u"Email Address Cannot Contain Space"_s, MessageBoxes::Icon::Critical,
                MessageBoxes::Buttons::Ok});
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
