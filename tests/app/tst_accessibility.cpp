#include "app/CardPicture.h"
#include "app/JournalWindow.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "cards/Deck.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ExitScreen.h"

#include "MainWindowUser.h"
#include "MemoryJournalStore.h"
#include "ProgramDoubles.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
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
    void journalWindow();

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
            || qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<app::CardPicture *>(widget)
            || qobject_cast<QAbstractSpinBox *>(widget)
            || qobject_cast<QAbstractItemView *>(widget);
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
    world.settleDay();
    app::Program program(world.services(), world.launch, [] {});
    QVERIFY(program.start());
    app::MainWindow *window = program.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(silentControls(window), QStringList());
    user::openSettings(window);
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
    dialogs::AboutDialog about(world.browser);
    about.show();
    QCOMPARE(silentControls(&about), QStringList());
}

void TestAccessibility::exitScreen()
{
    ProgramDoubles world;
    dialogs::ExitScreen screen({world.browser, world.messages, world.clock, world.random});
    screen.present();
    QCOMPARE(silentControls(&screen), QStringList());

    // The message box lies out of sight, yet is read and written as the text box it is.
    auto *message = screen.findChild<QPlainTextEdit *>(u"message"_s);
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(message);
    QVERIFY(box->state().invisible);
    QVERIFY(box->state().editable);
    QAccessibleTextInterface *text = box->textInterface();
    QVERIFY(text && box->editableTextInterface());
    QCOMPARE(text->text(0, text->characterCount()), message->toPlainText());
    box->editableTextInterface()->replaceText(0, text->characterCount(), u"Hello there"_s);
    QCOMPARE(message->toPlainText(), u"Hello there"_s);
    text->setSelection(0, 6, 11);
    QCOMPARE(message->textCursor().selectedText(), u"there"_s);
    box->editableTextInterface()->deleteText(5, 11);
    QCOMPARE(text->text(0, text->characterCount()), u"Hello"_s);
}

void TestAccessibility::journalWindow()
{
    MemoryJournalStore journal;
    const QDate today(2026, 12, 8);
    journal.put({today, 3, u"Rain"_s});
    journal.put({today.addDays(-1), 40, {}});
    app::JournalWindow window(journal, today);
    window.show();
    QCOMPARE(silentControls(&window), QStringList());
    // A window of its own; between it and the days, nothing a reader would name: the stack of
    // the views is no more than an outline, read as a nameless filler.
    QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
    QStringList between;
    for (QAccessibleInterface *node =
             QAccessible::queryAccessibleInterface(window.findChild<QWidget *>(u"days"_s))
                 ->parent();
         node && node->object() != &window; node = node->parent()) {
        if (node->role() != QAccessible::Client || !node->text(QAccessible::Name).isEmpty())
            between << node->text(QAccessible::Name) + u' ' + QString::number(node->role());
    }
    QCOMPARE(between, QStringList());
    // The days are read as a list of days, the note as an editable text named for its day.
    QAccessibleInterface *days =
        QAccessible::queryAccessibleInterface(window.findChild<QWidget *>(u"days"_s));
    QCOMPARE(days->role(), QAccessible::List);
    QCOMPARE(days->childCount(), 2);
    const QString date = QLocale::system().toString(today, QLocale::LongFormat);
    QCOMPARE(days->child(0)->text(QAccessible::Name), date + u", Three Of Clubs"_s);
    QAccessibleInterface *note =
        QAccessible::queryAccessibleInterface(window.findChild<QWidget *>(u"note"_s));
    QCOMPARE(note->role(), QAccessible::EditableText);
    QCOMPARE(note->text(QAccessible::Name), u"Note for "_s + date);
    // The card's question prompts the note, for the ear as for the eye.
    QCOMPARE(note->text(QAccessible::Description), cards::cardQuestion(3));
    auto *list = window.findChild<QAbstractItemView *>(u"days"_s);
    list->setCurrentIndex(list->model()->index(1, 0));
    auto *empty = window.findChild<QPlainTextEdit *>(u"note"_s);
    QVERIFY(empty->toPlainText().isEmpty());
    QCOMPARE(empty->placeholderText(), cards::cardQuestion(40));
    QCOMPARE(note->text(QAccessible::Description), cards::cardQuestion(40));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
