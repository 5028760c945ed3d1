#include "app/CardPanel.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/SettingsPanel.h"
#include "dialogs/ExitScreen.h"
#include "settings/DateText.h"
#include "ui/FittedLabel.h"
#include "ui/LinkLabel.h"
#include "ui/ProgramIcon.h"

#include "MainWindowUser.h"
#include "ProgramDoubles.h"
#include "WidgetNamed.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;
using Message = services::MessageBoxes::Message;

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void exitAnsweredYes();
    void exitAnsweredNo();
    void trayExitLeavesWithoutAQuestion();
    void closeBoxOnlyPutsTheWindowAway();
    void endSessionSavesWithoutAnyQuestion();
    void everyMenuEntry_data();
    void everyMenuEntry();
    void menusInTheirPlaces();
    void linksOpenTheirPages();
    void trayStates();
    void trayBoxStoresItsStateAtOnce();
    void startupOptionsWriteAndRemoveTheEntry();
    void startupEntryFailuresAreReported();
    void selectingAnOptionFromCodeRepeatsItsActions();
    void settingsPanelFromMenuAndButton();
    void keyboardPressesButtonsAndNeverRestsOnALink();

private:
    app::MainWindow *window() const { return m_program->mainWindow(); }
    QAction *menuAction(const QString &menu, const QString &item) const;
    // Leaving the main window shows the exit screen; the program ends when it closes.
    void endsAtTheExitScreen(bool byCloseBox = false);

    std::unique_ptr<ProgramDoubles> m_world;
    std::unique_ptr<app::Program> m_program;
    int m_quits = 0;
};

void TestMainWindow::init()
{
    QLocale::setDefault(QLocale(u"en_GB"_s));
    m_world = std::make_unique<ProgramDoubles>();
    m_world->store.values = {{u"Hour"_s, u"7"_s},
                             {u"Minute"_s, u"0"_s},
                             {u"Second"_s, u"0"_s},
                             {u"Card"_s, u"30"_s},
                             {u"Date"_s, u"09/12/2026"_s}};
    m_quits = 0;
    m_program =
        std::make_unique<app::Program>(m_world->services(), m_world->launch, [this] { ++m_quits; });
    QVERIFY(m_program->start());
    m_world->store.writes.clear();
}

void TestMainWindow::cleanup()
{
    m_program.reset();
    m_world.reset();
}

QAction *TestMainWindow::menuAction(const QString &menu, const QString &item) const
{
    for (QAction *top : window()->menuBar()->actions()) {
        if (top->text() != menu)
            continue;
        if (item.isEmpty())
            return top;
        if (!top->menu())
            return nullptr;
        for (QAction *action : top->menu()->actions()) {
            if (action->text() == item)
                return action;
        }
    }
    return nullptr;
}

void TestMainWindow::endsAtTheExitScreen(bool byCloseBox)
{
    QCOMPARE(m_quits, 0);
    dialogs::ExitScreen *exitScreen = m_program->exitScreen();
    QVERIFY(exitScreen);
    QVERIFY(exitScreen->isVisible());
    QVERIFY(!window()->isVisible());
    // The exit screen's close box ends the program as its Exit button does.
    if (byCloseBox)
        QVERIFY(exitScreen->close());
    else
        QTest::mouseClick(widgetNamed<QPushButton>(exitScreen, "exitButton"), Qt::LeftButton);
    QCOMPARE(m_quits, 1);
    QVERIFY(!exitScreen->isVisible());
}

void TestMainWindow::exitAnsweredYes()
{
    m_world->tray.added = true;
    m_world->messages.answers = {services::MessageBoxes::Answer::Yes};
    QTest::mouseClick(widgetNamed<QPushButton>(window(), "exitButton"), Qt::LeftButton);
    QCOMPARE(m_world->messages.shown, (QList<Message>{{u"Are You Sure You Want To Quit Tarvelle?"_s,
                                                       services::MessageBoxes::Icon::Exclamation,
                                                       services::MessageBoxes::Buttons::YesNo}}));
    QCOMPARE(m_world->store.values.value(u"AutorunStartUp"_s), u"False"_s);
    QCOMPARE(m_world->store.values.value(u"SystemTray"_s), u"False"_s);
    QVERIFY(!m_world->tray.added);
    endsAtTheExitScreen();
}

void TestMainWindow::exitAnsweredNo()
{
    user::openSettings(window());
    m_world->messages.answers = {services::MessageBoxes::Answer::No};
    user::choose(window(), "exitAction");
    QCOMPARE(m_quits, 0);
    QCOMPARE(m_world->store.values.value(u"AutorunStartUp"_s), u"False"_s);
    QVERIFY(!window()->isVisible());
    QVERIFY(m_world->tray.added);
    QVERIFY(user::cardPanelInFront(window()));
}

void TestMainWindow::trayExitLeavesWithoutAQuestion()
{
    user::closeBox(window());
    widgetNamed<QAction>(window(), "trayExitAction")->trigger();
    QVERIFY(m_world->messages.shown.isEmpty());
    QVERIFY(m_world->store.values.contains(u"SystemTray"_s));
    QVERIFY(!m_world->tray.added);
    endsAtTheExitScreen(true);
}

void TestMainWindow::closeBoxOnlyPutsTheWindowAway()
{
    user::openSettings(window());
    QVERIFY(!window()->close());
    QVERIFY(!window()->isVisible());
    QVERIFY(m_world->tray.added);
    QVERIFY(m_world->store.writes.isEmpty()); // nothing is saved for a close box
    QCOMPARE(m_quits, 0);
    m_world->tray.requestShow();
    QVERIFY(user::cardPanelInFront(window()));
    // A compositor's close arrives as an ordinary close(), not a spontaneous one.
    user::closeBox(window());
    m_world->tray.requestShow();
    QVERIFY(!window()->close());
    QVERIFY(!window()->isVisible());
    QVERIFY(m_world->tray.added);
    QVERIFY(m_world->store.writes.isEmpty());
    QCOMPARE(m_quits, 0);
}

void TestMainWindow::endSessionSavesWithoutAnyQuestion()
{
    app::SettingsPanel *panel = user::openSettings(window());
    QTest::mouseClick(widgetNamed<QRadioButton>(panel, "runAtStartUp"), Qt::LeftButton);
    QTest::mouseClick(widgetNamed<QCheckBox>(panel, "startInTray"), Qt::LeftButton);
    user::closeBox(window());
    m_program->endSession();
    QVERIFY(m_world->messages.shown.isEmpty());
    QCOMPARE(m_world->store.values.value(u"AutorunStartUp"_s), u"True"_s);
    QCOMPARE(m_world->store.values.value(u"SystemTray"_s), u"True"_s);
    QVERIFY(!m_world->tray.added);
    QCOMPARE(m_quits, 1);
    QVERIFY(!m_program->exitScreen()); // no exit screen to wait on
}

void TestMainWindow::everyMenuEntry_data()
{
    // Each entry where the user finds it, its words, and what choosing it does: a page of the
    // site opened, a panel brought to the front, or the question before leaving.
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("outcome");
    const auto row = [](const char *name, const QString &menu, const QString &entry,
                        const QString &outcome) {
        QTest::newRow(name) << menu << entry << outcome;
    };
    row("showCardAction", u"&File"_s, u"Show &Cartomancy Card"_s, u"tray"_s);
    row("exitAction", u"&File"_s, u"E&xit"_s, u"asks"_s);
    row("settingsAction", u"&Tools"_s, u"&Settings"_s, u"settings"_s);
    row("onlineHelpAction", u"&Help"_s, u"&Online Help"_s, u"help-web-page"_s);
    row("visitUsAction", u"&Help"_s, u"&Visit Us Online"_s, u"home-page"_s);
    row("updateAction", u"&Help"_s, u"Check for Software &Update"_s, u"download-web-page"_s);
    row("donateAction", u"&Donate"_s, u"&Donate"_s, u"donate"_s);
}

void TestMainWindow::everyMenuEntry()
{
    QFETCH(QString, menu);
    QFETCH(QString, entry);
    QFETCH(QString, outcome);
    QAction *action = widgetNamed<QAction>(window(), QTest::currentDataTag());
    QCOMPARE(action->text(), entry);
    // In its menu, or the menu bar's own entry.
    QVERIFY(menuAction(menu, {}) == action || menuAction(menu, entry) == action);
    m_world->messages.answers = {services::MessageBoxes::Answer::No};
    action->trigger();
    if (outcome == u"tray"_s) {
        QVERIFY(window()->isInTray());
    } else if (outcome == u"asks"_s) {
        QCOMPARE(m_world->messages.texts(),
                 QStringList{u"Are You Sure You Want To Quit Tarvelle?"_s});
    } else if (outcome == u"settings"_s) {
        QVERIFY(!user::cardPanelInFront(window()));
    } else {
        QCOMPARE(
            m_world->browser.opened,
            QList<QUrl>{QUrl(u"https://www.quellmoor.com/tarvelle/ssd.php?page="_s + outcome)});
    }
}

void TestMainWindow::menusInTheirPlaces()
{
    QStringList top;
    for (QAction *action : window()->menuBar()->actions())
        top.append(action->text());
    QCOMPARE(top, (QStringList{u"&File"_s, u"&Tools"_s, u"&Help"_s, u"&Donate"_s}));
    const auto items = [this](const QString &menu) {
        QStringList texts;
        for (QAction *action : menuAction(menu, {})->menu()->actions())
            texts.append(action->isSeparator() ? u"-"_s : action->objectName());
        return texts;
    };
    QCOMPARE(items(u"&File"_s),
             (QStringList{u"showCardAction"_s, u"remindLaterAction"_s, u"-"_s, u"exitAction"_s}));
    QCOMPARE(items(u"&Tools"_s), (QStringList{u"settingsAction"_s, u"journalAction"_s, u"-"_s,
                                              u"waitWhileBusyAction"_s}));
    QVERIFY(widgetNamed<QAction>(window(), "waitWhileBusyAction")->isCheckable());
    // Each choice of "later" has its own letter, in both menus.
    for (const char *menu : {"remindLaterMenu", "trayRemindLaterMenu"}) {
        QStringList texts;
        for (QAction *action : widgetNamed<QMenu>(window(), menu)->actions())
            texts.append(action->text());
        QCOMPARE(texts, (QStringList{u"In &10 Minutes"_s, u"In an &Hour"_s, u"In &Three Hours"_s}));
    }
    QCOMPARE(widgetNamed<QAction>(window(), "journalAction")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_J));
    QCOMPARE(items(u"&Help"_s), (QStringList{u"onlineHelpAction"_s, u"visitUsAction"_s, u"-"_s,
                                             u"updateAction"_s, u"-"_s, u"aboutAction"_s}));
    QVERIFY(!menuAction(u"&Donate"_s, {})->menu());

    QCOMPARE(m_world->tray.menu.data(), widgetNamed<QMenu>(window(), "trayMenu"));
    const QList<QAction *> popUp = widgetNamed<QMenu>(window(), "trayMenu")->actions();
    QCOMPARE(popUp.size(), 3);
    QCOMPARE(popUp[0]->text(), u"Show"_s);
    QVERIFY(popUp[0]->font().bold());
    QCOMPARE(widgetNamed<QMenu>(window(), "trayMenu")->defaultAction(), popUp[0]);
    QCOMPARE(popUp[1]->text(), u"Remind Me &Later"_s);
    QCOMPARE(popUp[2]->text(), u"Exit"_s);
}

void TestMainWindow::linksOpenTheirPages()
{
    const QString base = u"https://www.quellmoor.com/tarvelle/ssd.php?page="_s;
    QTest::mouseClick(widgetNamed<ui::LinkLabel>(window(), "discussionLink"), Qt::LeftButton);
    QTest::mouseClick(widgetNamed<ui::LinkLabel>(window(), "coBrandLink"), Qt::LeftButton);
    QTest::mouseClick(widgetNamed<ui::LinkLabel>(window(), "fullBrandLink"), Qt::LeftButton);
    QTest::keyClick(widgetNamed<ui::LinkLabel>(window(), "fullBrandLink"), Qt::Key_Return);
    QStringList opened;
    for (const QUrl &url : std::as_const(m_world->browser.opened))
        opened.append(url.toString(QUrl::FullyEncoded));
    QCOMPARE(opened, (QStringList{base + u"home-page"_s, base + u"co-brand"_s,
                                  base + u"fully-branded"_s, base + u"fully-branded"_s}));
    QVERIFY(m_world->messages.shown.isEmpty());
}

void TestMainWindow::trayStates()
{
    user::closeBox(window());
    user::closeBox(window());
    QVERIFY(m_world->tray.added);
    QCOMPARE(m_world->tray.toolTip, u"Recent"_s);
    QVERIFY(!window()->isVisible());

    window()->move(0, 0);
    m_world->tray.requestShow();
    QVERIFY(!ui::programIcon().isNull());
    QCOMPARE(window()->windowIcon().cacheKey(), ui::programIcon().cacheKey());
    QVERIFY(window()->isVisible());
    QVERIFY(!window()->isMinimized());
    QVERIFY(!m_world->tray.added);
    const QPoint centre = window()->screen()->availableGeometry().center();
    QVERIFY((window()->frameGeometry().center() - centre).manhattanLength() <= 2);

    // The daily display brings the window out and keeps the icon; hiding again keeps one icon.
    user::closeBox(window());
    user::clockReaches(*m_world, QDateTime(QDate(2026, 12, 8), QTime(7, 0, 0)));
    QVERIFY(window()->isVisible());
    QVERIFY(m_world->tray.added);
    user::closeBox(window());
    QVERIFY(m_world->tray.added);
    widgetNamed<QAction>(window(), "trayShowAction")->trigger();
    QVERIFY(window()->isVisible());
    QVERIFY(!m_world->tray.added);
    for (const QWidget *shown : QApplication::topLevelWidgets())
        QVERIFY(!shown->isVisible() || shown == window());

    // The tray host goes away while the program waits in it: the task bar takes over, and the
    // tray takes the program back when a host returns. The window on screen stays as it is.
    user::closeBox(window());
    m_world->tray.setAvailable(false);
    QVERIFY(window()->isVisible());
    QTRY_VERIFY(window()->isMinimized());
    m_world->tray.setAvailable(true);
    QVERIFY(!window()->isVisible());
    QVERIFY(m_world->tray.added);
    widgetNamed<QAction>(window(), "trayShowAction")->trigger();
    m_world->tray.setAvailable(false);
    m_world->tray.setAvailable(true);
    QVERIFY(window()->isVisible());
    QVERIFY(!window()->isMinimized());
}

void TestMainWindow::trayBoxStoresItsStateAtOnce()
{
    app::SettingsPanel *panel = user::openSettings(window());
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")->isEnabled());
    QTest::mouseClick(widgetNamed<QCheckBox>(panel, "startInTray"), Qt::LeftButton);
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")
                 ->isChecked()); // cannot be ticked with "Don't run at start-up"

    QTest::mouseClick(widgetNamed<QRadioButton>(panel, "runAtStartUp"), Qt::LeftButton);
    QVERIFY(widgetNamed<QCheckBox>(panel, "startInTray")->isEnabled());
    m_world->store.writes.clear();
    QTest::mouseClick(widgetNamed<QCheckBox>(panel, "startInTray"), Qt::LeftButton);
    QTest::mouseClick(widgetNamed<QCheckBox>(panel, "startInTray"), Qt::LeftButton);
    QCOMPARE(m_world->store.writes,
             (QList<QPair<QString, QString>>{{u"RunAtSysTray"_s, u"True"_s},
                                             {u"RunAtSysTray"_s, u"False"_s}}));
    QVERIFY(!m_world->tray.added);
    QVERIFY(window()->isVisible());
}

void TestMainWindow::startupOptionsWriteAndRemoveTheEntry()
{
    app::SettingsPanel *panel = user::openSettings(window());
    QTest::mouseClick(widgetNamed<QRadioButton>(panel, "runAtStartUp"), Qt::LeftButton);
    QCOMPARE(m_world->startupList.entries.value(u"Tarvelle"_s), u"/opt/Tarvelle/Tarvelle"_s);
    QTest::mouseClick(widgetNamed<QCheckBox>(panel, "startInTray"), Qt::LeftButton);
    QTest::mouseClick(widgetNamed<QRadioButton>(panel, "dontRunAtStartUp"), Qt::LeftButton);
    QVERIFY(m_world->startupList.entries.isEmpty());
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")->isEnabled());
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")->isChecked());
    QCOMPARE(m_world->store.values.value(u"RunAtSysTray"_s), u"False"_s);
    QVERIFY(m_world->messages.shown.isEmpty());
}

void TestMainWindow::startupEntryFailuresAreReported()
{
    app::SettingsPanel *panel = user::openSettings(window());
    m_world->startupList.openingFails = true;
    QTest::mouseClick(widgetNamed<QRadioButton>(panel, "runAtStartUp"), Qt::LeftButton);
    QCOMPARE(m_world->messages.shown,
             (QList<Message>{{u"Error 13 opening key\r\nPermission denied"_s,
                              services::MessageBoxes::Icon::None,
                              services::MessageBoxes::Buttons::Ok}}));
    QVERIFY(widgetNamed<QRadioButton>(panel, "runAtStartUp")->isChecked());
    QVERIFY(widgetNamed<QCheckBox>(panel, "startInTray")->isEnabled());
    QVERIFY(m_world->startupList.entries.isEmpty());

    m_world->startupList.openingFails = false;
    QTest::mouseClick(widgetNamed<QRadioButton>(panel, "dontRunAtStartUp"), Qt::LeftButton);
    m_world->startupList.settingFails = true;
    m_world->messages.shown.clear();
    QTest::mouseClick(widgetNamed<QRadioButton>(panel, "runAtStartUp"), Qt::LeftButton);
    QCOMPARE(m_world->messages.texts(),
             QStringList{u"Error 28 setting key\r\nNo space left on device"_s});

    // Whether a removal took effect goes unexamined: an entry that may not go passes in silence.
    m_world->startupList.entries.insert(u"Tarvelle"_s, u"/opt/Tarvelle/Tarvelle"_s);
    m_world->messages.shown.clear();
    const int removals = m_world->startupList.removals;
    QTest::mouseClick(widgetNamed<QRadioButton>(panel, "dontRunAtStartUp"), Qt::LeftButton);
    QCOMPARE(m_world->startupList.removals, removals + 1);
    QVERIFY(m_world->startupList.entries.contains(u"Tarvelle"_s));
    QCOMPARE(m_world->messages.shown, QList<Message>{});
    QVERIFY(widgetNamed<QRadioButton>(panel, "dontRunAtStartUp")->isChecked());
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")->isEnabled());

    // A folder that cannot be opened is reported, as when writing.
    m_world->startupList.settingFails = false;
    QTest::mouseClick(widgetNamed<QRadioButton>(panel, "runAtStartUp"), Qt::LeftButton);
    m_world->startupList.openingFails = true;
    QTest::mouseClick(widgetNamed<QRadioButton>(panel, "dontRunAtStartUp"), Qt::LeftButton);
    QCOMPARE(m_world->startupList.removals, removals + 2);
    QCOMPARE(m_world->messages.shown, (QList<Message>{{u"Error 20 opening key\r\nNot a directory"_s,
                                                       services::MessageBoxes::Icon::None,
                                                       services::MessageBoxes::Buttons::Ok}}));
}

void TestMainWindow::selectingAnOptionFromCodeRepeatsItsActions()
{
    const auto restart = [this] {
        m_program.reset();
        m_program = std::make_unique<app::Program>(m_world->services(), m_world->launch,
                                                   [this] { ++m_quits; });
        QVERIFY(m_program->start());
    };
    // Edited by hand: the box ticked though the program is not to run at start-up.
    m_world->store.values.insert(u"SystemTray"_s, u"True"_s);
    m_world->store.values.insert(u"AutorunStartUp"_s, u"False"_s);
    restart();
    app::SettingsPanel *panel = user::openSettings(window());
    QVERIFY(widgetNamed<QRadioButton>(panel, "dontRunAtStartUp")->isChecked());
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")->isChecked());
    QVERIFY(!widgetNamed<QCheckBox>(panel, "startInTray")->isEnabled());

    // The start selects "Run at start-up" for the entry it finds, and the stored choice selects
    // it again: the entry is written again all the same.
    m_world->store.values.insert(u"AutorunStartUp"_s, u"True"_s);
    m_world->startupList.entries.insert(u"Tarvelle"_s, u"/old/place/Tarvelle"_s);
    const int writes = m_world->startupList.writes;
    restart();
    QCOMPARE(m_world->startupList.writes, writes + 2);
    QCOMPARE(m_world->startupList.entries.value(u"Tarvelle"_s), u"/opt/Tarvelle/Tarvelle"_s);
}

void TestMainWindow::settingsPanelFromMenuAndButton()
{
    QVERIFY(user::cardPanelInFront(window()));
    menuAction(u"&Tools"_s, u"&Settings"_s)->trigger();
    QVERIFY(!user::cardPanelInFront(window()));
    menuAction(u"&File"_s, u"Show &Cartomancy Card"_s)->trigger();
    QVERIFY(user::cardPanelInFront(window()));
    QVERIFY(window()->isInTray());
    m_world->tray.requestShow();
    QTest::mouseClick(widgetNamed<QPushButton>(window(), "settingsButton"), Qt::LeftButton);
    QVERIFY(!user::cardPanelInFront(window()));
    QCOMPARE(widgetNamed<ui::FittedLabel>(window(), "cardName")->text(), u"Four Of Hearts"_s);
    QVERIFY(!m_world->store.writes.contains({u"Card"_s, u"30"_s}));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

void TestMainWindow::keyboardPressesButtonsAndNeverRestsOnALink()
{
    window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window()));
    // The window opens with the keyboard on a button, where a stray Space opens nothing.
    QCOMPARE(QApplication::focusWidget(), widgetNamed<QPushButton>(window(), "settingsButton"));

    // A link reached with Tab shows that it has the keyboard, and still opens its page.
    const QImage unfocused =
        widgetNamed<ui::LinkLabel>(window(), "discussionLink")->grab().toImage();
    widgetNamed<ui::LinkLabel>(window(), "discussionLink")->setFocus(Qt::TabFocusReason);
    QVERIFY(widgetNamed<ui::LinkLabel>(window(), "discussionLink")->hasFocus());
    QVERIFY(widgetNamed<ui::LinkLabel>(window(), "discussionLink")->grab().toImage() != unfocused);
    QTest::keyClick(widgetNamed<ui::LinkLabel>(window(), "discussionLink"), Qt::Key_Space);
    QCOMPARE(m_world->browser.opened.size(), 1);

    // Brought up by the display time, the window takes the keyboard off the link.
    user::choose(window(), "showCardAction");
    QVERIFY(!window()->isVisible());
    user::clockReaches(*m_world, QDateTime(QDate(2026, 12, 8), QTime(7, 0, 0)));
    QVERIFY(window()->isVisible());
    QCOMPARE(window()->focusWidget(), widgetNamed<QPushButton>(window(), "settingsButton"));

    // Enter presses the focused push button in the main window, on both panels.
    QTest::keyClick(widgetNamed<QPushButton>(window(), "settingsButton"), Qt::Key_Return);
    QVERIFY(!user::cardPanelInFront(window()));
    QTest::keyClick(widgetNamed<QPushButton>(window(), "showCardButton"), Qt::Key_Enter);
    QVERIFY(user::cardPanelInFront(window()));
    QVERIFY(!window()->isVisible());
    m_world->messages.answers = {services::MessageBoxes::Answer::No};
    QTest::keyClick(widgetNamed<QPushButton>(window(), "exitButton"), Qt::Key_Return);
    QCOMPARE(m_world->messages.texts(), QStringList{u"Are You Sure You Want To Quit Tarvelle?"_s});
}
