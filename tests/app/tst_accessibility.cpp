#include "app/CardPicture.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "web/AboutDialog.h"
#include "web/ExitScreen.h"

#include "ProgramDoubles.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// Every control a screen reader meets must say what it is.
class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mainWindowBothPanels();
    void aboutWindow();
    void exitScreen();

private:
    static QStringList silentControls(QWidget *window);
};

QStringList TestAccessibility::silentControls(QWidget *window)
{
    QStringList silent;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const bool speaks =
            qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget)
            || qobject_cast<QComboBox *>(widget) || qobject_cast<QLineEdit *>(widget)
            || qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<app::CardPicture *>(widget);
        if (!speaks)
            continue;
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
        if (!node || node->text(QAccessible::Name).trimmed().isEmpty())
            silent.append(QString::fromLatin1(widget->metaObject()->className()) + u' '
                          + widget->objectName());
    }
    return silent;
}

void TestAccessibility::mainWindowBothPanels()
{
    QLocale::setDefault(QLocale(u"en_US"_s));
    ProgramDoubles world;
    world.store.values = {{u"Hour"_s, u"7"_s}, {u"Card"_s, u"3"_s}, {u"Date"_s, u"12/9/26"_s}};
    app::Program program(world.services(), world.launch, [] {});
    QVERIFY(program.start());
    app::MainWindow *window = program.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(silentControls(window), QStringList());
    window->bringSettingsPanelToFront();
    QCOMPARE(silentControls(window), QStringList());
    QAccessibleInterface *picture = nullptr;
    for (app::CardPicture *card : window->findChildren<app::CardPicture *>()) {
        if (card->isVisibleTo(window))
            picture = QAccessible::queryAccessibleInterface(card);
    }
    QVERIFY(picture);
    QCOMPARE(picture->text(QAccessible::Name), u"Three Of Clubs"_s);
}

void TestAccessibility::aboutWindow()
{
    ProgramDoubles world;
    web::AboutDialog about(world.browser);
    about.show();
    QCOMPARE(silentControls(&about), QStringList());
}

void TestAccessibility::exitScreen()
{
    ProgramDoubles world;
    web::ExitScreen screen({world.browser, world.messages, world.clock, world.random});
    screen.present();
    QCOMPARE(silentControls(&screen), QStringList());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
