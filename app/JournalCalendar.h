#pragma once

#include "journal/JournalStore.h"

#include <QDate>
#include <QWidget>

class QLabel;
class QTableView;
class QToolButton;

namespace app {

class JournalMonth;

// A month of the journal at a glance: each day with a card shows its face (or its rank and suit
// sign where a face does not fit), days with a note are marked and today is outlined. Arrows move
// by day and week, Page Up and Page Down by month, and the month pages itself where a move
// leaves it; the buttons and the mouse wheel page as well.
class JournalCalendar final : public QWidget {
    Q_OBJECT

public:
    JournalCalendar(QDate today, QWidget *parent = nullptr);

    void setDays(const QList<journal::Entry> &days);
    // Shows the day's month with the day chosen, without reporting it.
    void showDay(QDate day);

Q_SIGNALS:
    // The user chose a day, by keyboard or mouse.
    void dayChosen(QDate day);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(QDate day, bool report);
    void showMonth();

    QDate m_today;
    QDate m_chosen;
    JournalMonth *m_month;
    QToolButton *m_previous;
    QToolButton *m_next;
    QLabel *m_title;
    QTableView *m_grid;
};

} // namespace app
