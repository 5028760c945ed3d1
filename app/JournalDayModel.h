#pragma once

#include "journal/JournalStore.h"

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <QLocale>
#include <QSortFilterProxyModel>

#include <optional>

namespace app {

// Every day of the journal, newest first, as rows of their long date and card with the card's
// face. The model owns the days: whatever replaces them does so inside a reset, so no view reads
// a row that has gone.
class JournalDayModel final : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { DayRole = Qt::UserRole };

    explicit JournalDayModel(QObject *parent = nullptr);

    void setDays(QList<journal::Entry> days);
    const QList<journal::Entry> &days() const { return m_days; }
    const journal::Entry &day(int row) const { return m_days.at(row); }
    // The note of the day in `row` as the window last wrote or read it.
    void setNote(int row, const QString &note);
    int rowOf(QDate day) const;
    // Faces are drawn for the window's device pixel ratio.
    void setFaceRatio(qreal ratio);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QIcon face(int card) const;

    QList<journal::Entry> m_days;
    QHash<QDate, int> m_rows;
    qreal m_ratio = 1.0;
    // At most the deck's 52, drawn when first shown.
    mutable QHash<int, QIcon> m_faces;
};

// The days whose card name or note holds the words searched for, in any case.
class JournalDaySearch final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit JournalDaySearch(JournalDayModel *days, QObject *parent = nullptr);

    void search(const QString &text);
    // The row of the journal's day in the model behind, or none.
    std::optional<int> dayRow(const QModelIndex &index) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    JournalDayModel *m_days;
    QString m_text;
};

} // namespace app
