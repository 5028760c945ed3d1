#include "app/Program.h"
#include "cards/Deck.h"
#include "journal/JournalExport.h"
#include "journal/JournalImport.h"

#include "EnglishTexts.h"
#include "EveryWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

using namespace Qt::StringLiterals;

// Which language the program speaks, and that everything it shows passes through a catalogue.
class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void everyTextComesFromTheCatalogue();
    void desktopLanguageChoosesTheTexts_data();
    void desktopLanguageChoosesTheTexts();
};

namespace {

// Texts no catalogue holds: the program's caption and name, the user's own note, and words the
// locale itself writes (dates, month and day names, numbers).
bool ownedByNoCatalogue(const QString &text)
{
    static const QStringList names{QStringLiteral(TARVELLE_NAME " v" TARVELLE_VERSION),
                                   QStringLiteral(TARVELLE_NAME), windows::kNote};
    if (names.contains(text))
        return true;
    static const QStringList localeWords = [] {
        QStringList words;
        const QLocale locale;
        for (int i = 1; i <= 12; ++i) {
            for (auto format : {QLocale::LongFormat, QLocale::ShortFormat, QLocale::NarrowFormat})
                words << locale.monthName(i, format) << locale.standaloneMonthName(i, format)
                      << (i <= 7 ? locale.dayName(i, format) : QString());
        }
        return words;
    }();
    static const QRegularExpression word(u"\\p{L}+"_s);
    for (auto match = word.globalMatch(text); match.hasNext();) {
        if (!localeWords.contains(match.next().captured()))
            return false;
    }
    return true;
}

// A standard button with the words Qt gives it, which Qt's own catalogue translates.
bool qtsOwn(const QAbstractButton *button)
{
    auto *box = qobject_cast<const QDialogButtonBox *>(button->parentWidget());
    const auto which = box ? box->standardButton(const_cast<QAbstractButton *>(button))
                           : QDialogButtonBox::NoButton;
    return which != QDialogButtonBox::NoButton
           && button->text() == QDialogButtonBox(which).button(which)->text();
}

// Every text a user sees or hears, found where it lies; those not from the catalogue are kept.
struct Walk {
    QStringList offenders;

    void text(const QString &where, const QString &text)
    {
        if (!text.contains(u"⟦"_s) && !ownedByNoCatalogue(text))
            offenders.append(where + u": \""_s + text + u'"');
    }

    void model(const QString &where, const QAbstractItemModel *model)
    {
        for (int column = 0; column < model->columnCount(); ++column)
            text(where + u" header"_s, model->headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                for (int role : {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole})
                    text(where + u" row"_s, model->data(index, role).toString());
            }
        }
    }

    void menu(const QString &where, const QList<QAction *> &actions)
    {
        for (const QAction *action : actions) {
            if (!action->isVisible() || action->isSeparator())
                continue;
            const QString here =
                where + u" > "_s
                + (action->objectName().isEmpty() ? action->text() : action->objectName());
            text(here, action->text());
            text(here + u" tooltip"_s, action->toolTip());
            text(here + u" status tip"_s, action->statusTip());
            if (action->menu())
                menu(here, action->menu()->actions());
        }
    }

    void widget(const QString &where, const QWidget *widget)
    {
        const QString here = where + u" > "_s
                             + QString::fromLatin1(widget->metaObject()->className()) + u' '
                             + widget->objectName();
        if (widget->isWindow())
            text(here + u" title"_s, widget->windowTitle());
        text(here + u" tooltip"_s, widget->toolTip());
        text(here + u" accessible name"_s, widget->accessibleName());
        text(here + u" accessible description"_s, widget->accessibleDescription());
        if (auto *label = qobject_cast<const QLabel *>(widget))
            text(here, label->text());
        if (auto *button = qobject_cast<const QAbstractButton *>(widget); button && !qtsOwn(button))
            text(here, button->text());
        if (auto *frame = qobject_cast<const QGroupBox *>(widget))
            text(here, frame->title());
        if (auto *line = qobject_cast<const QLineEdit *>(widget)) {
            text(here, line->text());
            text(here + u" placeholder"_s, line->placeholderText());
        }
        if (auto *edit = qobject_cast<const QTextEdit *>(widget)) {
            text(here, edit->toPlainText());
            text(here + u" placeholder"_s, edit->placeholderText());
        }
        if (auto *edit = qobject_cast<const QPlainTextEdit *>(widget)) {
            text(here, edit->toPlainText());
            text(here + u" placeholder"_s, edit->placeholderText());
        }
        if (auto *tabs = qobject_cast<const QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                text(here + u" tab"_s, tabs->tabText(i));
                text(here + u" tab tooltip"_s, tabs->tabToolTip(i));
            }
        }
        if (auto *list = qobject_cast<const QComboBox *>(widget))
            model(here, list->model());
        if (auto *view = qobject_cast<const QAbstractItemView *>(widget))
            model(here, view->model());
        if (auto *bar = qobject_cast<const QMenuBar *>(widget))
            menu(here, bar->actions());
    }

    // The window as shown, and its menus and tray menu as they would open.
    void window(const QWidget *window)
    {
        const QString where = QString::fromLatin1(window->metaObject()->className());
        widget(where, window);
        for (const QWidget *child : window->findChildren<QWidget *>()) {
            if (child->window() == window && child->isVisibleTo(window))
                widget(where, child);
        }
        for (const QMenu *menu : window->findChildren<QMenu *>()) {
            if (!menu->menuAction()->associatedObjects().isEmpty())
                continue; // a submenu, walked from its parent menu
            text(where + u" > "_s + menu->objectName(), menu->title());
            this->menu(where + u" > "_s + menu->objectName(), menu->actions());
        }
    }

    void message(const QString &where, const RecordingMessageBoxes &messages)
    {
        QVERIFY2(!messages.shown.isEmpty(), qPrintable(where + u" showed no message"_s));
        for (const auto &shown : messages.shown)
            text(where, shown.text);
    }
};

} // namespace

void TestLanguages::cleanup()
{
    texts::speakOnly(QLocale(QLocale::English));
}

void TestLanguages::everyTextComesFromTheCatalogue()
{
    texts::speakNone();
    auto *pseudo = new QTranslator(qApp);
    QVERIFY(pseudo->load(QStringLiteral(TARVELLE_PSEUDO_QM)));
    QCoreApplication::installTranslator(pseudo);
    Walk walk;

    for (const windows::Window &each : windows::everyWindow()) {
        const windows::Shown shown = each.build();
        QWidget *window = shown.window.get();
        walk.window(window);
        // What its buttons bring: the copy's status line, the export dialog, a refusal.
        if (auto *copy = window->findChild<QAbstractButton *>(u"copy"_s)) {
            copy->click();
            walk.text(u"journal status"_s, widgetNamed<QLabel>(window, "status")->text());
            widgetNamed<QAbstractButton>(window, "export")->click();
            walk.window(widgetNamed<QDialog>(window, "exportDialog"));
        }
        if (auto *refer = window->findChild<QAbstractButton *>(u"referButton"_s)) {
            refer->click();
            walk.message(u"referral"_s, shown.world->messages);
        }
    }

    // What the main window says through its messages and notification.
    {
        windows::Shown shown = windows::mainWindow(false);
        ProgramDoubles &world = *shown.world;
        world.messages.answers = {services::MessageBoxes::Answer::No};
        user::choose(shown.window.get(), "exitAction");
        walk.message(u"leaving"_s, world.messages);
        QVERIFY(world.tray.added);
        walk.text(u"tray icon"_s, world.tray.toolTip);
        world.random.values = {0.5F};
        user::clockReaches(world, QDateTime(world.clock.today().addDays(1), QTime(7, 0)));
        QVERIFY(!world.notifications.sent.isEmpty());
        const auto told = world.notifications.sent.constLast();
        for (const QString &text : {told.summary, told.body, told.defaultAction, told.laterAction})
            walk.text(u"notification"_s, text);
    }
    // And the program before any window: a second copy, and the update reminder.
    for (const bool secondCopy : {true, false}) {
        ProgramDoubles world;
        world.lock.free = !secondCopy;
        world.settleDay(3, {{u"UpdateCheckStamp"_s, u"2020-01-01"_s}});
        world.messages.answers = {services::MessageBoxes::Answer::No};
        app::Program program(world.services(), world.launch, [] {});
        program.start();
        walk.message(secondCopy ? u"second copy"_s : u"update reminder"_s, world.messages);
    }

    QVERIFY2(walk.offenders.isEmpty(),
             qPrintable(u"%1 texts bypass the catalogue:\n"_s.arg(walk.offenders.size())
                        + walk.offenders.join(u'\n')));
}

void TestLanguages::desktopLanguageChoosesTheTexts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QLocale(u"de_DE"_s) << u"de"_s;
    QTest::newRow("Canadian French") << QLocale(u"fr_CA"_s) << u"fr"_s;
    QTest::newRow("Spanish") << QLocale(u"es_ES"_s) << u"es"_s;
    QTest::newRow("C") << QLocale::c() << u"en"_s;
    QTest::newRow("Japanese, not carried") << QLocale(u"ja_JP"_s) << u"en"_s;
}

void TestLanguages::desktopLanguageChoosesTheTexts()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, language);
    QCOMPARE(texts::speakOnly(locale), language);
    // Qt's own words come with the language from Qt's catalogue, once a dialog needs them.
    QDialog dialog;
    const auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), u"Cancel"_s);
    dialog.show();
    QTRY_COMPARE(buttons->button(QDialogButtonBox::Cancel)->text() == u"Cancel"_s,
                 language == u"en"_s);
    dialog.hide();
    const windows::Shown shown = windows::journalWindow();
    const QString exportText = widgetNamed<QAbstractButton>(shown.window, "export")->text();
    if (language == u"en"_s) {
        QCOMPARE(exportText, u"&Export…"_s);
        // The English plural forms, for one day and for more.
        for (const int days : {1, 2}) {
            MemoryJournalStore store;
            const QDate today(2026, 12, 8);
            for (int day = 0; day < days; ++day)
                store.put({today.addDays(-day), day + 1, {}});
            const app::JournalWindow window(store, today);
            QCOMPARE(widgetNamed<QLabel>(&window, "status")->text(),
                     days == 1 ? u"1 day in the journal."_s : u"2 days in the journal."_s);
        }
        return;
    }
    const QString translated = texts::catalogued("app::JournalWindow", "&Export…");
    if (translated.isEmpty())
        QSKIP(qPrintable(language + u" has no \"&Export…\" yet to tell it is in use"_s));
    QCOMPARE(exportText, translated);
    QVERIFY(exportText != u"&Export…"_s);

    // A CSV names its cards in English, and a card named in the language reads back too.
    QVERIFY(cards::cardName(38) != u"Queen Of Hearts"_s);
    QVERIFY(journal::toCsv({{QDate(2026, 12, 8), 38, {}}}).contains("2026-12-08,Queen Of Hearts,"));
    const auto imported = journal::fromCsv(
        (u"Date,Card,Note\r\n2026-12-08,"_s + cards::cardName(38) + u",\r\n"_s).toUtf8());
    QVERIFY(imported && imported->size() == 1);
    QCOMPARE(imported->first().card, 38);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
