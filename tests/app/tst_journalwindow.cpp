#include "app/CardPicture.h"
#include "app/JournalCalendar.h"
#include "app/JournalKeeper.h"
#include "app/JournalWindow.h"
#include "cards/Deck.h"
#include "journal/JournalExport.h"

#include "FakeClock.h"
#include "MemoryJournalStore.h"
#include "TestSeed.h"
#include "WidgetNamed.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using journal::Entry;

class TestJournalWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void daysNewestFirstTodayChosenAndFound();
    void nothingTypedIsLost();
    void copyGivesWhatIsShown();
    void exportWritesTheChosenDays();
    void aNoticeLastsUntilShown();
    void steadyTypingIsWrittenWithinSeconds();
    void aNoteChangedElsewhereKeepsBoth();
    void aFullNoteRefusesMoreAndKeepsAll();
    void theDesktopsDialogKeepsTheNameTyped();
    void calendarAndYearShowTheDays();
    void backUpAndImportFromTheWindow();

private:
    std::unique_ptr<app::JournalWindow> openWindow(app::JournalWindow::FileChooser chooser = {});

    MemoryJournalStore m_store;
    FakeClock m_clock;
};

namespace {

const QDate kToday(2026, 12, 8);

QString textOf(const QWidget *window, const char *label)
{
    return widgetNamed<QLabel>(window, label)->text();
}

QString longDate(QDate day)
{
    return journal::longDate(day, QLocale::system());
}

} // namespace

void TestJournalWindow::init()
{
    m_store = MemoryJournalStore();
    m_clock.current = QDateTime(kToday, QTime(9, 30));
}

std::unique_ptr<app::JournalWindow>
TestJournalWindow::openWindow(app::JournalWindow::FileChooser chooser)
{
    auto window = std::make_unique<app::JournalWindow>(m_store, kToday, std::move(chooser));
    window->show();
    return window;
}

void TestJournalWindow::daysNewestFirstTodayChosenAndFound()
{
    QRandomGenerator random(testSeed());
    // A clock once set back left a day after today.
    QDate day = kToday.addDays(3);
    for (int i = 0; i < 60; ++i) {
        m_store.put({day, random.bounded(1, 53), u"note %1"_s.arg(i)});
        day = day.addDays(-random.bounded(1, 5));
    }
    m_store.put({kToday, 27, u"Today's own words"_s});
    const auto window = openWindow();
    auto *list = widgetNamed<QListView>(window.get(), "days");

    const QList<Entry> days = m_store.entries();
    QCOMPARE(list->model()->rowCount(), days.size());
    for (int row = 0; row < days.size(); ++row) {
        QCOMPARE(list->model()->index(row, 0).data().toString(),
                 longDate(days.at(row).day) + u'\n' + cards::cardName(days.at(row).card));
        if (row > 0)
            QVERIFY(days.at(row).day < days.at(row - 1).day);
    }
    QCOMPARE(list->currentIndex().data().toString().section(u'\n', 0, 0), longDate(kToday));
    QVERIFY(list->selectionModel()->isSelected(list->currentIndex()));
    QCOMPARE(window->focusWidget(), list);

    // The chosen day as the card panel shows its card, and its note named for it.
    const cards::Card card = cards::card(27);
    QCOMPARE(textOf(window.get(), "date"), longDate(kToday));
    QCOMPARE(widgetNamed<app::CardPicture>(window.get(), "face")->card(), 27);
    QCOMPARE(textOf(window.get(), "cardName"), card.name);
    QCOMPARE(textOf(window.get(), "period"), card.favourablePeriod);
    QCOMPARE(textOf(window.get(), "keywords"), card.keywords);
    QCOMPARE(textOf(window.get(), "reading"), card.description);
    // Reached by Tab, the card area is heard as it is seen, not by its name alone.
    const QString heard =
        widgetNamed<QScrollArea>(window.get(), "cardArea")->accessibleDescription();
    for (const QString &shown : {longDate(kToday), card.name, card.keywords, card.description})
        QVERIFY2(heard.contains(shown), qPrintable(heard));
    QVERIFY2(!heard.contains(u".."_s), qPrintable(heard));
    auto *note = widgetNamed<QPlainTextEdit>(window.get(), "note");
    QCOMPARE(note->toPlainText(), u"Today's own words"_s);
    QCOMPARE(note->accessibleName(), u"Note for "_s + longDate(kToday));
    // The card's question, shown when the note is empty and heard with the note.
    QCOMPARE(note->placeholderText(), cards::cardQuestion(27));
    QCOMPARE(note->accessibleDescription(), cards::cardQuestion(27));
    const auto times =
        std::count_if(days.cbegin(), days.cend(), [](auto &e) { return e.card == 27; });
    QVERIFY(textOf(window.get(), "tally")
                .startsWith(times == 1 ? u"Came up once"_s : u"Came up %1 times"_s.arg(times)));

    // A search lists only the days whose card or note holds the words, in any case.
    auto *find = widgetNamed<QLineEdit>(window.get(), "find");
    QTest::keyClicks(find, u"OF H"_s);
    QVERIFY(list->model()->rowCount() > 0);
    QVERIFY(list->model()->rowCount() < days.size());
    for (int row = 0; row < list->model()->rowCount(); ++row)
        QVERIFY(list->model()->index(row, 0).data().toString().contains(u" Of Hearts"_s));
    find->clear();
    QCOMPARE(list->model()->rowCount(), days.size());

    // A day not in the journal goes to the nearest day before it.
    qsizetype gap = 1;
    while (days.at(gap).day.addDays(1) == days.at(gap - 1).day)
        ++gap;
    widgetNamed<QDateEdit>(window.get(), "goTo")->setDate(days.at(gap - 1).day.addDays(-1));
    QCOMPARE(list->currentIndex().row(), gap);
    QCOMPARE(textOf(window.get(), "date"), longDate(days.at(gap).day));
}

void TestJournalWindow::nothingTypedIsLost()
{
    // The day drawn waits for its moment, unless the window asks for the journal first.
    app::JournalKeeper keeper(m_store, m_clock, nullptr, std::chrono::milliseconds(20));
    // A card kept from an earlier start alone is not worth opening the journal for at the end.
    keeper.keep(kToday, 4);
    keeper.flush();
    QCOMPARE(m_store.writes, 0);
    keeper.keep(kToday, 4);
    keeper.record(kToday, 5);
    QVERIFY(m_store.days.isEmpty());
    keeper.showWindow();
    QCOMPARE(m_store.days.value(kToday).card, 5);
    app::JournalWindow *window = keeper.window();
    auto *note = widgetNamed<QPlainTextEdit>(window, "note");

    // Written a moment after typing stops.
    QTest::keyClicks(note, u"Calm"_s);
    QTRY_COMPARE(m_store.days.value(kToday).note, u"Calm"_s);
    // Written when the window closes, without waiting for the pause.
    QTest::keyClicks(note, u" morning"_s);
    window->close();
    QCOMPARE(m_store.days.value(kToday).note, u"Calm morning"_s);
    QTRY_VERIFY(!keeper.window());

    // A journal that takes nothing: what is typed stays shown and is written when it can.
    m_store.refusing = true;
    keeper.showWindow();
    note = widgetNamed<QPlainTextEdit>(keeper.window(), "note");
    note->moveCursor(QTextCursor::End);
    QTest::keyClicks(note, u", then rain"_s);
    keeper.window()->close();
    QVERIFY(m_store.hasPending());
    QCOMPARE(m_store.days.value(kToday).note, u"Calm morning"_s);
    keeper.showWindow();
    QCOMPARE(widgetNamed<QPlainTextEdit>(keeper.window(), "note")->toPlainText(),
             u"Calm morning, then rain"_s);
    QVERIFY(textOf(keeper.window(), "status").contains(m_store.status().problem));
    // Closed, the window leaves its note to be written as soon as the journal takes it.
    keeper.window()->close();
    m_store.refusing = false;
    QTRY_COMPARE(m_store.days.value(kToday).note, u"Calm morning, then rain"_s);

    // Opened on a journal another program holds, the window shows the days once it is free.
    m_store.locked = true;
    const QString lockedProblem = m_store.status().problem;
    keeper.showWindow();
    auto *days = widgetNamed<QListView>(keeper.window(), "days");
    QCOMPARE(days->model()->rowCount(), 0);
    QVERIFY(textOf(keeper.window(), "status").contains(lockedProblem));
    m_store.locked = false;
    QTRY_COMPARE(days->model()->rowCount(), 1);
    QCOMPARE(widgetNamed<QPlainTextEdit>(keeper.window(), "note")->toPlainText(),
             u"Calm morning, then rain"_s);
    QVERIFY(!textOf(keeper.window(), "status").contains(lockedProblem));

    // The way out (and an ending signal) writes what is typed at once.
    note = widgetNamed<QPlainTextEdit>(keeper.window(), "note");
    note->moveCursor(QTextCursor::End);
    QTest::keyClicks(note, u"."_s);
    keeper.record(kToday.addDays(1), 6);
    keeper.flush();
    QCOMPARE(m_store.days.value(kToday).note, u"Calm morning, then rain."_s);
    QCOMPARE(m_store.days.value(kToday.addDays(1)).card, 6);
    QVERIFY(!m_store.hasPending());
    keeper.finish();
    QTRY_VERIFY(!keeper.window());
}

void TestJournalWindow::copyGivesWhatIsShown()
{
    m_store.put({kToday.addDays(-1), 40, u"First line\nsecond line"_s});
    m_store.put({kToday, 3, {}});
    const auto window = openWindow();
    auto *list = widgetNamed<QListView>(window.get(), "days");
    list->setCurrentIndex(list->model()->index(1, 0));
    auto *note = widgetNamed<QPlainTextEdit>(window.get(), "note");
    const QStringList shown{textOf(window.get(), "date"),
                            textOf(window.get(), "cardName"),
                            u"Favorable Time Period: "_s + textOf(window.get(), "period"),
                            u"Keywords: "_s + textOf(window.get(), "keywords"),
                            {},
                            note->toPlainText()};
    QCOMPARE(shown.first(), longDate(kToday.addDays(-1)));

    QTest::mouseClick(widgetNamed<QPushButton>(window.get(), "copy"), Qt::LeftButton);
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QCOMPARE(copied->text().split(u'\n'), QStringList(shown).join(u'\n').split(u'\n'));
    const QImage face = qvariant_cast<QImage>(copied->imageData());
    auto *picture = widgetNamed<app::CardPicture>(window.get(), "face");
    QCOMPARE(face.size(), picture->size() * window->devicePixelRatioF());
    const QImage seen = picture->grab().toImage();
    QCOMPARE(face.pixelColor(face.rect().center()), seen.pixelColor(seen.rect().center()));

    // The list's own copy key copies the same.
    QApplication::clipboard()->clear();
    QTest::keySequence(list, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text().split(u'\n'),
             QStringList(shown).join(u'\n').split(u'\n'));
}

void TestJournalWindow::exportWritesTheChosenDays()
{
    for (int day = 0; day < 10; ++day)
        m_store.put({kToday.addDays(-day), day + 1, u"Note %1"_s.arg(day)});
    QTemporaryDir folder;
    const QString path = folder.filePath(u"days.csv"_s);
    QString filter;
    const auto window = openWindow(
        [&](QWidget *, app::JournalWindow::FileUse, const QString &, const QString &asked) {
            filter = asked;
            return path;
        });
    QTest::mouseClick(widgetNamed<QPushButton>(window.get(), "export"), Qt::LeftButton);
    auto *dialog = widgetNamed<QDialog>(window.get(), "exportDialog");
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    widgetNamed<QRadioButton>(dialog, "between")->setChecked(true);
    widgetNamed<QDateEdit>(dialog, "from")->setDate(kToday.addDays(-6));
    widgetNamed<QDateEdit>(dialog, "to")->setDate(kToday.addDays(-2));
    widgetNamed<QRadioButton>(dialog, "csv")->setChecked(true);
    QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);

    QVERIFY(filter.contains(u"*.csv"_s));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(),
             journal::toCsv(m_store.entries({kToday.addDays(-6), kToday.addDays(-2)})));
    QVERIFY2(textOf(window.get(), "status").startsWith(u"5 days exported to "_s),
             qPrintable(textOf(window.get(), "status")));
}

void TestJournalWindow::aNoticeLastsUntilShown()
{
    // A damaged file set aside: the journal says so at every start until the window has shown it.
    m_store.setAside = true;
    m_store.locked = true;
    app::JournalWindow window(m_store, kToday);
    window.show();
    // Behind a problem of the moment it is not on the screen, nor while the window is hidden.
    QVERIFY(!textOf(&window, "status").contains(u"set aside"_s));
    m_store.locked = false;
    window.hide();
    window.retry();
    QVERIFY(textOf(&window, "status").contains(u"set aside"_s));
    QCOMPARE(m_store.noticesShown, 0);
    window.show();
    QVERIFY(m_store.noticesShown > 0);
}

void TestJournalWindow::steadyTypingIsWrittenWithinSeconds()
{
    m_store.put({kToday, 3, {}});
    const auto window = openWindow();
    auto *note = widgetNamed<QPlainTextEdit>(window.get(), "note");
    // A keystroke every 300 ms never pauses long enough for the usual moment to write.
    bool writtenWhileTyping = false;
    for (int key = 0; key < 16 && !writtenWhileTyping; ++key) {
        QTest::keyClick(note, Qt::Key_A);
        QTest::qWait(300);
        writtenWhileTyping = !m_store.days.value(kToday).note.isEmpty();
    }
    QVERIFY(writtenWhileTyping);
}

void TestJournalWindow::aNoteChangedElsewhereKeepsBoth()
{
    m_store.put({kToday, 3, u"Mine"_s});
    const auto window = openWindow();
    auto *note = widgetNamed<QPlainTextEdit>(window.get(), "note");
    // Another program writes the day while it is shown here.
    m_store.put({kToday, 3, u"Theirs"_s});
    note->moveCursor(QTextCursor::End);
    QTest::keyClicks(note, u" and more"_s);
    window->flush();
    QCOMPARE(m_store.days.value(kToday).note, u"Theirs\n\nMine and more"_s);
    QCOMPARE(note->toPlainText(), m_store.days.value(kToday).note);
    QVERIFY(textOf(window.get(), "status").contains(u"both are kept"_s));
    // Typing on writes only this window's own words again.
    QTest::keyClicks(note, u"!"_s);
    window->flush();
    QCOMPARE(m_store.days.value(kToday).note, u"Theirs\n\nMine and more!"_s);
}

void TestJournalWindow::aFullNoteRefusesMoreAndKeepsAll()
{
    // A note already as long as a note may be, on one line, as a careless paste leaves it.
    const QString full(1'000'000, u'x');
    m_store.put({kToday, 3, full});
    const auto window = openWindow();
    auto *note = widgetNamed<QPlainTextEdit>(window.get(), "note");
    QCOMPARE(note->toPlainText().size(), full.size());

    note->moveCursor(QTextCursor::End);
    QTest::keyClick(note, Qt::Key_Y);
    QApplication::clipboard()->setText(u"more"_s);
    note->paste();
    window->flush();
    QCOMPARE(note->toPlainText(), full);
    QCOMPARE(m_store.days.value(kToday).note, full);
    QVERIFY(textOf(window.get(), "status").contains(u"1,000,000"_s));

    // Room made, typing is taken again; a paste larger than a note is refused whole.
    QTest::keyClick(note, Qt::Key_Backspace);
    QTest::keyClick(note, Qt::Key_Y);
    QApplication::clipboard()->setText(QString(1'200'000, u'z'));
    note->paste();
    window->flush();
    QCOMPARE(m_store.days.value(kToday).note, full.left(full.size() - 1) + u'y');
}

void TestJournalWindow::theDesktopsDialogKeepsTheNameTyped()
{
    m_store.put({kToday, 3, u"Kept"_s});
    QTemporaryDir folder;
    const QString name = u"a \"quoted\" 'name'.csv"_s;
    const auto window = openWindow();
    QTest::mouseClick(widgetNamed<QPushButton>(window.get(), "export"), Qt::LeftButton);
    auto *dialog = widgetNamed<QDialog>(window.get(), "exportDialog");
    widgetNamed<QRadioButton>(dialog, "csv")->setChecked(true);
    // The file dialog runs its own loop: it is answered from within it, as the user would.
    bool answered = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
        auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        files->setDirectory(folder.path());
        widgetNamed<QLineEdit>(files, "fileNameEdit")->setText(name);
        QTest::keyClick(widgetNamed<QLineEdit>(files, "fileNameEdit"), Qt::Key_Return);
        answered = true;
    });
    dialog->accept();
    QVERIFY(answered);
    QFile written(folder.filePath(name));
    QVERIFY2(written.open(QIODevice::ReadOnly), qPrintable(textOf(window.get(), "status")));
    QCOMPARE(written.readAll(), journal::toCsv(m_store.entries()));
}

void TestJournalWindow::calendarAndYearShowTheDays()
{
    QLocale::setDefault(QLocale(u"en_GB"_s));
    m_store.put({kToday, 42, u"Three of Spades day"_s});
    m_store.put({kToday.addDays(-1), 1, {}});
    m_store.put({kToday.addMonths(-1), 30, u"A month ago"_s});
    const auto window = openWindow();
    auto *views = widgetNamed<QTabWidget>(window.get(), "views");
    views->setCurrentWidget(widgetNamed<app::JournalCalendar>(window.get(), "journalCalendar"));
    auto *grid = widgetNamed<QTableView>(window.get(), "monthGrid");
    // Today's day is chosen, and each day is heard as a whole.
    QCOMPARE(grid->currentIndex().data(Qt::AccessibleTextRole).toString(),
             u"Tuesday, 8 December 2026, Three Of Spades, with a note"_s);
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(textOf(window.get(), "date"), longDate(kToday.addDays(-1)));
    QCOMPARE(grid->currentIndex().data(Qt::AccessibleTextRole).toString(),
             u"Monday, 7 December 2026, Ace Of Clubs"_s);
    // A month back by keyboard, even where a search hides the day.
    QTest::keyClicks(widgetNamed<QLineEdit>(window.get(), "find"), u"Spades"_s);
    QTest::keyClick(grid, Qt::Key_PageUp);
    QCOMPARE(widgetNamed<QLabel>(window.get(), "monthTitle")->text(),
             QLocale().standaloneMonthName(kToday.addMonths(-1).month()) + u' '
                 + QString::number(kToday.addMonths(-1).year()));
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(textOf(window.get(), "date"), longDate(kToday.addMonths(-1)));

    // By Tab alone from the tab bar, into the month, then on to the card and the note.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QStringList chain;
    views->tabBar()->setFocus(Qt::TabFocusReason);
    for (int press = 0; press < 4; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(chain, (QStringList{u"monthGrid"_s, u"cardArea"_s, u"note"_s, u"export"_s}));

    // Everything: the days and the suits agree.
    auto *period = widgetNamed<QComboBox>(window.get(), "statisticsPeriod");
    period->setCurrentIndex(2);
    const QString summary = textOf(window.get(), "statisticsSummary");
    QVERIFY2(summary.startsWith(u"3 days recorded, 2 with a note."_s), qPrintable(summary));
    QVERIFY2(summary.contains(u"Clubs: 1, Diamonds: 0, Hearts: 1, Spades: 1."_s),
             qPrintable(summary));
    // This month alone leaves the day a month ago out.
    period->setCurrentIndex(0);
    QVERIFY(textOf(window.get(), "statisticsSummary").startsWith(u"2 days recorded"_s));
}

void TestJournalWindow::backUpAndImportFromTheWindow()
{
    m_store.put({kToday, 3, u"Mine"_s});
    m_store.put({kToday.addDays(-1), 4, u"Yesterday"_s});
    QTemporaryDir folder;
    QString chosen;
    QList<app::JournalWindow::FileUse> asked;
    const auto window = openWindow(
        [&](QWidget *, app::JournalWindow::FileUse use, const QString &, const QString &) {
            asked.append(use);
            return chosen;
        });
    chosen = folder.filePath(u"backup.sqlite"_s);
    QTest::mouseClick(widgetNamed<QPushButton>(window.get(), "backUp"), Qt::LeftButton);
    QVERIFY(QFile::exists(chosen));
    QVERIFY(textOf(window.get(), "status").contains(u"backed up"_s));

    // Meanwhile a day is lost and a note rewritten: the import brings the day back and keeps
    // both notes, and the window shows it at once.
    m_store.days.remove(kToday.addDays(-1));
    m_store.put({kToday, 3, u"Rewritten"_s});
    QTest::mouseClick(widgetNamed<QPushButton>(window.get(), "import"), Qt::LeftButton);
    QCOMPARE(m_store.days.value(kToday.addDays(-1)).note, u"Yesterday"_s);
    QCOMPARE(m_store.days.value(kToday).note, u"Rewritten\n\nMine"_s);
    QCOMPARE(widgetNamed<QListView>(window.get(), "days")->model()->rowCount(), 2);
    QCOMPARE(widgetNamed<QPlainTextEdit>(window.get(), "note")->toPlainText(),
             u"Rewritten\n\nMine"_s);
    QVERIFY(textOf(window.get(), "status").contains(u"new days 1, notes joined"_s));

    // Something else altogether is refused, and nothing changes.
    chosen = folder.filePath(u"letter.txt"_s);
    QFile letter(chosen);
    QVERIFY(letter.open(QIODevice::WriteOnly));
    letter.write("Dear Ana,\n");
    letter.close();
    const QMap<QDate, Entry> before = m_store.days;
    QTest::mouseClick(widgetNamed<QPushButton>(window.get(), "import"), Qt::LeftButton);
    QCOMPARE(m_store.days, before);
    QVERIFY(textOf(window.get(), "status").contains(u"nothing was changed"_s));
    QCOMPARE(asked, (QList<app::JournalWindow::FileUse>{app::JournalWindow::FileUse::BackUp,
                                                        app::JournalWindow::FileUse::Import,
                                                        app::JournalWindow::FileUse::Import}));
}

QTEST_MAIN(TestJournalWindow)
#include "tst_journalwindow.moc"
