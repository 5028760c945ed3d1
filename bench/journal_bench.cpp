// Times the journal with ten years of days, each with a note: opening its window (from nothing
// open to the window's first paint, the journal's file read on the way), exporting every day
// as Markdown and as CSV, counting its statistics, backing it up, and importing that backup and
// the CSV into an empty journal. Prints:
//   journal days=<n> fill_s=<s> record_rss_kib=<k>
//   journal open cold_ms=<first> median_ms=<m> max_ms=<x> runs=<r>
//   journal export format=<markdown|csv> median_ms=<m> max_ms=<x> bytes=<b> runs=<r>
//   journal statistics median_ms=<m> max_ms=<x> runs=<r>
//   journal backup median_ms=<m> max_ms=<x> bytes=<b> runs=<r>
//   journal import from=<backup|csv> median_ms=<m> max_ms=<x> runs=<r>
// The first opening is shown apart as cold_ms. record_rss_kib is what recording the first day
// adds to the resident size of a program that has not touched the journal yet (Qt's SQLite
// driver, SQLite itself, the file): the cost a start pays, once its window is up.
//
// Usage: tarvelle_journal_bench [runs]   (default 10; needs a display: run it under Xvfb)
// The journal is made in /dev/shm where there is one: filling it writes 7 300 transactions, and a
// disk that syncs each would make the filling, not the figures, take the time.

#include "app/JournalWindow.h"
#include "journal/JournalExport.h"
#include "journal/JournalStatistics.h"
#include "journal/SqliteJournalStore.h"
#include "services/Clock.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int kDays = 3650;

class PaintWatch final : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
}

long residentKib()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// A note of a few sentences, as people keep them.
QString noteFor(int day)
{
    return u"Day %1. Slept well, a long walk by the river before work; the meeting went better "
           u"than feared. Remember to call about the flat on Thursday."_s.arg(day);
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "journal_bench: %s\n", what);
    std::exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const QString base = QDir(u"/dev/shm"_s).exists() ? u"/dev/shm"_s : QDir::tempPath();
    QTemporaryDir folder(base + u"/tarvelle-journal-bench.XXXXXX"_s);
    if (!folder.isValid())
        fail("no folder for the journal");
    const QString path = folder.filePath(u"journal.sqlite"_s);
    services::SystemClock clock;
    const QDate today = clock.today();
    const journal::TodayFunction clockToday = [&clock] { return clock.today(); };

    QElapsedTimer filling;
    filling.start();
    long recordRss = 0;
    {
        const long before = residentKib();
        journal::SqliteJournalStore store(path, clockToday);
        store.record(today, 1);
        recordRss = residentKib() - before;
        for (int day = 0; day < kDays; ++day) {
            store.record(today.addDays(-day), day % 52 + 1);
            store.setNote(today.addDays(-day), day % 52 + 1, noteFor(day));
        }
        if (!store.status().ok())
            fail(qPrintable(store.status().problem));
    }
    const double fillSeconds = static_cast<double>(filling.elapsed()) / 1000.0;

    std::vector<double> opening;
    double cold = 0.0;
    for (int run = 0; run <= runs; ++run) {
        journal::SqliteJournalStore store(path, clockToday);
        PaintWatch watch;
        QElapsedTimer timer;
        timer.start();
        app::JournalWindow window(store, today);
        window.installEventFilter(&watch);
        window.show();
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (run == 0)
            cold = ms;
        else
            opening.push_back(ms);
        window.removeEventFilter(&watch);
    }
    std::printf("journal days=%d fill_s=%.1f record_rss_kib=%ld\n", kDays, fillSeconds, recordRss);
    std::printf("journal open cold_ms=%.1f median_ms=%.1f max_ms=%.1f runs=%d\n", cold,
                median(opening), *std::max_element(opening.begin(), opening.end()), runs);

    // As the window's Export does it: the days read from the open journal, written out whole.
    journal::SqliteJournalStore store(path, clockToday);
    store.entries();
    for (const bool markdown : {true, false}) {
        std::vector<double> exporting;
        qint64 bytes = 0;
        const QString target = folder.filePath(markdown ? u"export.md"_s : u"export.csv"_s);
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            const QList<journal::Entry> days = store.entries();
            const QByteArray content = markdown
                                           ? journal::toMarkdown(days, QLocale::system()).toUtf8()
                                           : journal::toCsv(days);
            if (days.size() != kDays || journal::writeExportFile(target, content))
                fail("the export did not hold every day");
            exporting.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            bytes = content.size();
        }
        std::printf("journal export format=%s median_ms=%.1f max_ms=%.1f bytes=%lld runs=%d\n",
                    markdown ? "markdown" : "csv", median(exporting),
                    *std::max_element(exporting.begin(), exporting.end()),
                    static_cast<long long>(bytes), runs);
    }

    // Everything, as the statistics tab counts it from the days the window holds.
    {
        const QList<journal::Entry> days = store.entries();
        std::vector<double> counting;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            const journal::Statistics counted = journal::statistics(days);
            counting.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            if (counted.daysRecorded != kDays)
                fail("the statistics did not count every day");
        }
        std::printf("journal statistics median_ms=%.1f max_ms=%.1f runs=%d\n", median(counting),
                    *std::max_element(counting.begin(), counting.end()), runs);
    }

    const QString backup = folder.filePath(u"backup.sqlite"_s);
    {
        std::vector<double> backingUp;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            if (const std::optional<QString> failed = store.backUp(backup))
                fail(qPrintable(*failed));
            backingUp.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("journal backup median_ms=%.1f max_ms=%.1f bytes=%lld runs=%d\n",
                    median(backingUp), *std::max_element(backingUp.begin(), backingUp.end()),
                    static_cast<long long>(QFileInfo(backup).size()), runs);
    }

    // Each into a journal of its own that holds nothing yet: every day is added.
    const QString csv = folder.filePath(u"export.csv"_s);
    for (const QString &from : {backup, csv}) {
        std::vector<double> importing;
        for (int run = 0; run < runs; ++run) {
            const QString into = folder.filePath(u"imported.sqlite"_s);
            QFile::remove(into);
            journal::SqliteJournalStore empty(into, clockToday);
            QElapsedTimer timer;
            timer.start();
            const journal::ImportOutcome outcome = empty.importFrom(from);
            importing.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            if (outcome.result != journal::ImportOutcome::Result::Imported
                || outcome.daysAdded != kDays)
                fail(qPrintable(u"the import did not add every day: "_s + outcome.detail));
        }
        std::printf("journal import from=%s median_ms=%.1f max_ms=%.1f runs=%d\n",
                    from == csv ? "csv" : "backup", median(importing),
                    *std::max_element(importing.begin(), importing.end()), runs);
    }
    return 0;
}
