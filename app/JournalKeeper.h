#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <optional>
#include <utility>

namespace journal {
class JournalStore;
}
namespace services {
class Clock;
}

namespace app {

class JournalWindow;

// The journal as the main window uses it: records each day's card without making the start wait
// for the journal's file, opens the journal window (one at a time) and writes whatever waits when
// the program ends.
class JournalKeeper final : public QObject {
    Q_OBJECT

public:
    // What the journal would not take is offered again every `retryEvery`, only while something
    // waits, window open or not.
    JournalKeeper(journal::JournalStore &store, const services::Clock &clock,
                  QObject *parent = nullptr,
                  std::chrono::milliseconds retryEvery = std::chrono::seconds(10));
    ~JournalKeeper() override;

    // The card drawn for `day`, written a moment later, once the window has come up.
    void record(QDate day, int card);
    // The card a start kept from an earlier one, made sure of in the journal as record() writes
    // (the start that drew it may have ended before writing it); at the end only alongside
    // something else to write, since the next start makes sure of it again.
    void keep(QDate day, int card);
    // Opens the journal window, or brings the open one to the front.
    void showWindow();
    JournalWindow *window() const;
    // Writes now what waits: the days drawn, the note being typed. For ending signals and
    // log-out, before the process goes.
    void flush();
    // The same, and the window closes: for the program's own way out.
    void finish();

private:
    void keepAboveOpener();
    void writeRecords();
    void retryLater();
    void retryWaiting();

    journal::JournalStore &m_store;
    const services::Clock &m_clock;
    std::optional<std::pair<QDate, int>> m_kept;
    QList<std::pair<QDate, int>> m_records;
    QTimer m_recordDelay;
    QTimer m_retry;
    QPointer<JournalWindow> m_window;
};

} // namespace app
