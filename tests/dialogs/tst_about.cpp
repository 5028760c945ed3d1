#include "dialogs/AboutDialog.h"
#include "ui/LinkLabel.h"

#include "RecordingBrowser.h"
#include "WidgetNamed.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fixedTexts();
    void closesOnEnterAndOnEsc_data();
    void closesOnEnterAndOnEsc();
    void linksOpenTheirPagesEveryTime();
};

void TestAbout::fixedTexts()
{
    RecordingBrowser browser;
    dialogs::AboutDialog about(browser);
    QCOMPARE(about.windowTitle(), u"Tarvelle v1.20"_s);
    QCOMPARE(about.size(), QSize(407, 252));
    QVERIFY(!about.windowIcon().isNull());
    QStringList texts;
    for (const QLabel *label : about.findChildren<QLabel *>())
        texts.append(label->text());
    QVERIFY(texts.contains(u"Tarvelle v1.20"_s));
    QVERIFY(texts.contains(
        u"Tarvelle is a daily divination technique based on playing cards. This software displays "
        u"a card for the day and explains the keywords and meaning. This software can be used as a "
        u"reference point to start your day."_s));
    QCOMPARE(widgetNamed<ui::LinkLabel>(&about, "homePageLink")->text(),
             u"Click here to visit https://www.quellmoor.com"_s);
    QCOMPARE(widgetNamed<ui::LinkLabel>(&about, "detailsLink")->text(),
             u"Click here for more details"_s);
    QEvent pointerComes(QEvent::Enter);
    QApplication::sendEvent(widgetNamed<ui::LinkLabel>(&about, "homePageLink"), &pointerComes);
    QCOMPARE(widgetNamed<ui::LinkLabel>(&about, "homePageLink")->cursor().shape(),
             Qt::BitmapCursor); // our own hand
    QCOMPARE(widgetNamed<QPushButton>(&about, "okButton")->text(), u"&OK"_s);
    QVERIFY(widgetNamed<QPushButton>(&about, "okButton")->isDefault());
    for (const QLabel *label : about.findChildren<QLabel *>())
        QVERIFY2(about.rect().contains(label->geometry()), qPrintable(label->text()));
}

void TestAbout::closesOnEnterAndOnEsc_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestAbout::closesOnEnterAndOnEsc()
{
    QFETCH(int, key);
    RecordingBrowser browser;
    dialogs::AboutDialog about(browser);
    about.open();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(about.isModal());
    QTest::keyClick(&about, static_cast<Qt::Key>(key));
    QVERIFY(!about.isVisible());
}

void TestAbout::linksOpenTheirPagesEveryTime()
{
    RecordingBrowser browser;
    dialogs::AboutDialog about(browser);
    about.show();
    QTest::mouseClick(widgetNamed<ui::LinkLabel>(&about, "homePageLink"), Qt::LeftButton);
    QTest::mouseClick(widgetNamed<ui::LinkLabel>(&about, "homePageLink"), Qt::LeftButton);
    QTest::mouseClick(widgetNamed<ui::LinkLabel>(&about, "detailsLink"), Qt::LeftButton);
    const QString base = u"https://www.quellmoor.com/tarvelle/ssd.php?page="_s;
    QCOMPARE(browser.opened, (QList<QUrl>{QUrl(base + u"home-page"_s), QUrl(base + u"home-page"_s),
                                          QUrl(base + u"fully-branded"_s)}));
    QVERIFY(about.isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
