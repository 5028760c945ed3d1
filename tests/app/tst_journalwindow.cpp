#include "app/CardPicture.h"
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
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

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

private:
    std::unique_ptr<app::JournalWindow>
    openWindow(app::JournalWindow::SaveFileChooser chooser = {});

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
TestJournalWindow::openWindow(app::JournalWindow::SaveFileChooser chooser)
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

    // The chosen day as the card panel shows its card, and its note named for it.
    const cards::Card card = cards::card(27);
    QCOMPARE(textOf(window.get(), "date"), longDate(kToday));
    QCOMPARE(widgetNamed<app::CardPicture>(window.get(), "face")->card(), 27);
    QCOMPARE(textOf(window.get(), "cardName"), card.name);
    QCOMPARE(textOf(window.get(), "period"), card.favourablePeriod);
    QCOMPARE(textOf(window.get(), "keywords"), card.keywords);
    QCOMPARE(textOf(window.get(), "reading"), card.description);
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
    const auto window = openWindow([&](QWidget *, const QString &, const QString &asked) {
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

QTEST_MAIN(TestJournalWindow)
#include "tst_journalwindow.moc"
