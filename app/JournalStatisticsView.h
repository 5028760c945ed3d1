#pragma once

#include "journal/JournalStatistics.h"

#include <QDate>
#include <QWidget>

class QComboBox;
class QLabel;

namespace app {

class SuitChart;

// What came up over a chosen period (this month, this year, everything): the suits and colours
// as bars, with every number also in words beneath them for those who listen rather than look.
class JournalStatisticsView final : public QWidget {
    Q_OBJECT

public:
    JournalStatisticsView(QDate today, QWidget *parent = nullptr);

    // The days to count; they stay the caller's and must outlive the next call.
    void setDays(const QList<journal::Entry> &days);

private:
    void count();
    journal::DayRange chosenPeriod() const;

    QDate m_today;
    const QList<journal::Entry> *m_days = nullptr;
    QComboBox *m_period;
    SuitChart *m_chart;
    QLabel *m_summary;
};

} // namespace app
