#include "cards/Deck.h"
#include "journal/JournalExport.h"
#include "journal/JournalImport.h"

#include "RandomNotes.h"
#include "TestSeed.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <optional>

using namespace Qt::StringLiterals;
using journal::Entry;

class TestJournalExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void csvReadsBackAsTheJournal();
    void importRefusesWhatIsNotOurs_data();
    void importRefusesWhatIsNotOurs();
    void importKeepsTheJournalsCardAndBothNotes();
    void markdownReadsAsTheJournal_data();
    void markdownReadsAsTheJournal();

private:
    QList<Entry> m_days;
};

namespace {

// An RFC 4180 reader, strict about line ends: CRLF between records, quotes doubled inside quoted
// fields, nothing after a closing quote but a separator. None when the text breaks a rule.
std::optional<QList<QStringList>> readCsv(const QString &text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    qsizetype at = 0;
    while (at < text.size()) {
        if (text[at] == u'"' && field.isEmpty()) {
            for (++at;; ++at) {
                if (at >= text.size())
                    return std::nullopt;
                if (text[at] == u'"') {
                    if (at + 1 < text.size() && text[at + 1] == u'"') {
                        field += u'"';
                        ++at;
                        continue;
                    }
                    ++at;
                    break;
                }
                field += text[at];
            }
        } else {
            while (at < text.size() && text[at] != u',' && text[at] != u'\r') {
                if (text[at] == u'\n' || text[at] == u'"')
                    return std::nullopt;
                field += text[at++];
            }
        }
        record.append(field);
        field.clear();
        if (at < text.size() && text[at] == u',') {
            ++at;
            continue;
        }
        if (text.mid(at, 2) != u"\r\n"_s)
            return std::nullopt;
        at += 2;
        records.append(record);
        record.clear();
    }
    return records;
}

} // namespace

void TestJournalExport::initTestCase()
{
    QRandomGenerator random(testSeed());
    QDate day(2026, 12, 8);
    for (int i = 0; i < 300; ++i) {
        m_days.append({day, random.bounded(1, 53), randomNote(random)});
        day = day.addDays(-random.bounded(1, 4));
    }
}

void TestJournalExport::csvReadsBackAsTheJournal()
{
    const QByteArray csv = journal::toCsv(m_days);
    const QString text = QString::fromUtf8(csv);
    QCOMPARE(text.toUtf8(), csv);
    const std::optional<QList<QStringList>> records = readCsv(text);
    QVERIFY(records.has_value());
    QCOMPARE(records->size(), m_days.size() + 1);
    QCOMPARE(records->first(), (QStringList{u"Date"_s, u"Card"_s, u"Note"_s}));
    for (qsizetype i = 0; i < m_days.size(); ++i) {
        const Entry &day = m_days.at(i);
        QCOMPARE(records->at(i + 1),
                 (QStringList{day.day.toString(Qt::ISODate), cards::cardName(day.card), day.note}));
    }

    // Imported again, it is the same days.
    QCOMPARE(journal::fromCsv(csv), std::optional<QList<Entry>>(m_days));

    // Written whole or not at all.
    QTemporaryDir folder;
    QCOMPARE(journal::writeExportFile(folder.filePath(u"journal.csv"_s), csv), std::nullopt);
    QFile written(folder.filePath(u"journal.csv"_s));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), csv);
    QVERIFY(journal::writeExportFile(folder.filePath(u"no/such/folder.csv"_s), csv).has_value());
    QVERIFY(!QFile::exists(folder.filePath(u"no"_s)));
}

void TestJournalExport::importRefusesWhatIsNotOurs_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray header = "Date,Card,Note\r\n";
    QTest::newRow("other header") << QByteArray("Day,Card,Note\r\n2026-12-08,Ace Of Clubs,\r\n");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("date not ISO") << header + "12/8/26,Ace Of Clubs,x\r\n";
    QTest::newRow("look-alike date") << header + "2026-12-08 ,Ace Of Clubs,x\r\n";
    QTest::newRow("card the deck does not name") << header + "2026-12-08,Jack Of Clubs,x\r\n";
    QTest::newRow("quote left open") << header + "2026-12-08,Ace Of Clubs,\"x\r\n";
    QTest::newRow("quote mid-field") << header + "2026-12-08,Ace Of Clubs,a\"b\r\n";
    QTest::newRow("fields missing") << header + "2026-12-08,Ace Of Clubs\r\n";
    QTest::newRow("a day twice")
        << header + "2026-12-08,Ace Of Clubs,a\r\n2026-12-08,Two Of Clubs,b\r\n";
    QTest::newRow("a database") << QByteArray("SQLite format 3\0\x10\0", 18);
}

void TestJournalExport::importRefusesWhatIsNotOurs()
{
    QFETCH(QByteArray, text);
    QCOMPARE(journal::fromCsv(text), std::nullopt);
}

void TestJournalExport::importKeepsTheJournalsCardAndBothNotes()
{
    const QDate d(2026, 12, 1);
    const QList<Entry> held = {
        {d, 3, u"mine"_s}, {d.addDays(1), 4, {}}, {d.addDays(2), 5, u"same"_s}};
    const QList<Entry> imported = {{d, 9, u"theirs"_s},
                                   {d.addDays(1), 10, u"only theirs"_s},
                                   {d.addDays(2), 11, u"same"_s},
                                   {d.addDays(3), 12, u"new day"_s},
                                   {d.addDays(4), 13, {}}};
    const QList<Entry> writes = journal::mergeImport(held, imported);
    QCOMPARE(writes, (QList<Entry>{{d, 3, u"mine\n\ntheirs"_s},
                                   {d.addDays(1), 4, u"only theirs"_s},
                                   {d.addDays(3), 12, u"new day"_s},
                                   {d.addDays(4), 13, {}}}));
    // Importing the same file again changes nothing more.
    QList<Entry> after = held;
    after[0].note = writes[0].note;
    after[1].note = writes[1].note;
    after << writes[2] << writes[3];
    QVERIFY(journal::mergeImport(after, imported).isEmpty());
}

void TestJournalExport::markdownReadsAsTheJournal_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("en_US") << QLocale(u"en_US"_s);
    QTest::newRow("de_DE") << QLocale(u"de_DE"_s);
}

void TestJournalExport::markdownReadsAsTheJournal()
{
    // Read by a Markdown reader of its own (Qt's), the export is the journal again: one heading
    // per day with its long date, the card, and the note's lines as typed, whatever characters
    // they hold. Runs of blanks at a line's ends show as the no-break spaces that keep them.
    QFETCH(QLocale, locale);
    QTextDocument document;
    document.setMarkdown(journal::toMarkdown(m_days, locale));

    QStringList headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2)
            headings.append(block.text());
    }
    QStringList dates;
    QStringList expected{u"Tarvelle journal"_s};
    for (const Entry &day : m_days) {
        dates.append(journal::longDate(day.day, locale));
        expected << dates.last() << cards::cardName(day.card);
        QStringList lines =
            QString(day.note).replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n').split(u'\n');
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        for (QString &line : lines) {
            qsizetype lead = 0;
            while (lead < line.size() && (line[lead] == u' ' || line[lead] == u'\t'))
                line[lead++] = u' ';
            for (qsizetype end = line.size() - 1;
                 end >= lead && (line[end] == u' ' || line[end] == u'\t'); --end)
                line[end] = u' ';
        }
        expected << lines;
    }
    QCOMPARE(headings, dates);
    QCOMPARE(document.toPlainText().split(u'\n'), expected);
}

QTEST_MAIN(TestJournalExport)
#include "tst_journalexport.moc"
