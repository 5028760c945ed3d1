#pragma once

#include "journal/JournalStore.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTimer;

namespace app {

class CardPicture;
class JournalCalendar;
class JournalDayModel;
class JournalDaySearch;
class JournalStatisticsView;
class NoteEdit;

// The journal of past cards: the days newest first, as a list or a month's calendar, what came
// up over a period, the chosen day's card with its reading and the note written about it, a
// search and a date to jump to, how often the card came up, and export and copy. The note is
// written a moment after typing stops (and never later than a few seconds after the first
// keystroke), when the window closes and on flush().
class JournalWindow final : public QWidget {
    Q_OBJECT

public:
    // What a file is chosen for: an export or a backup to write, or a file to import.
    enum class FileUse { Export, BackUp, Import };
    // Asks for a file; an empty path when the user chose none.
    using FileChooser = std::function<QString(QWidget *parent, FileUse use,
                                              const QString &suggestedPath, const QString &filter)>;

    // Without a chooser, the desktop's own file dialog asks.
    JournalWindow(journal::JournalStore &store, QDate today, FileChooser chooseFile = {},
                  QWidget *parent = nullptr);
    ~JournalWindow() override;

    // Writes the note typed so far, and whatever else waits, now: for an end that cannot wait.
    void flush();
    // Whether something waits for the journal: a note or day not yet written, or the days of a
    // journal whose last read failed.
    bool isWaiting() const;
    // Writes what waits and reads a journal that could not be read again, then says how the
    // journal stands; true when nothing waits any more.
    bool retry();

Q_SIGNALS:
    // Something is left waiting that a later retry() may see to.
    void waiting();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setupControls();
    QWidget *setupCardArea();
    void connectControls();
    void load(QDate chosen);
    void readAgain();
    void showSearch(const QString &text);
    void selectDay(QDate day);
    void chooseFromCalendar(QDate day);
    void showDay(const QModelIndex &index);
    void clearDay();
    void jumpTo(QDate day);
    void noteTyped();
    void saveNote();
    void showStatus();
    void say(const QString &message);
    void copyDay();
    void askExport();
    void exportDays(journal::DayRange range, bool csv);
    void showCounts();
    void sayNoteIsFull();
    void backUp();
    void importFile();
    // The desktop's own file dialog, taking a name to save under as typed.
    static QString chooseWithDialog(QWidget *parent, FileUse use, const QString &suggested,
                                    const QString &filter);

    journal::JournalStore &m_store;
    QDate m_today;
    FileChooser m_chooseFile;
    // Every day of the journal, newest first; the list shows those the search finds.
    JournalDayModel *m_days;
    JournalDaySearch *m_search;
    // The day (its row in m_days) whose note the editor holds, the note as the journal held it
    // when it was read or last written, and whether the editor holds typing not yet written.
    std::optional<int> m_noteOf;
    QString m_noteAsRead;
    bool m_noteTyped = false;
    QElapsedTimer m_firstUnsaved;
    // The journal could not be read when the days were last read.
    bool m_unread = false;
    QString m_message;

    QLineEdit *m_find;
    QDateEdit *m_goTo;
    QTabWidget *m_views;
    QListView *m_list;
    JournalCalendar *m_calendar;
    JournalStatisticsView *m_statistics;
    QScrollArea *m_cardArea;
    QLabel *m_date;
    CardPicture *m_face;
    QLabel *m_cardName;
    QLabel *m_tally;
    QLabel *m_period;
    QLabel *m_keywords;
    QLabel *m_reading;
    QLabel *m_noteLabel;
    NoteEdit *m_note;
    QLabel *m_status;
    QPushButton *m_export;
    QPushButton *m_backUp;
    QPushButton *m_import;
    QPushButton *m_copy;
    QPushButton *m_close;
    QTimer *m_saveDelay;
};

} // namespace app
