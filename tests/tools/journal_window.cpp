// Opens the journal window on the journal file named as the first argument, for looking it over
// by eye or from a script (its window role is "journal"). With a number of days as the second
// argument, that many days before today are first recorded in it, each with a note. Ends when
// the window is closed.

#include "app/JournalWindow.h"
#include "journal/SqliteJournalStore.h"
#include "services/Clock.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("Usage: journal_window JOURNAL [DAYS]\n", stderr);
        return 2;
    }
    services::SystemClock clock;
    journal::SqliteJournalStore store(QString::fromLocal8Bit(argv[1]),
                                      [&clock] { return clock.today(); });
    const int days = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    const QStringList notes{
        u"Quiet start, coffee on the balcony. The letter from Ana finally came."_s,
        u"Long meeting; said what I meant for once.\nEvening: bread dough, early night."_s,
        u"Rain all day. Finished the book — the ending was not the one I feared."_s,
        {}};
    for (int day = days - 1; day >= 0; --day) {
        const QDate date = clock.today().addDays(-day);
        const int card = (date.dayOfYear() * 7) % 52 + 1;
        store.record(date, card);
        store.setNote(date, card, notes.at(day % notes.size()));
    }
    app::JournalWindow window(store, clock.today());
    window.show();
    return QApplication::exec();
}
