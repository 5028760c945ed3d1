#include "app/JournalDayModel.h"

#include "cards/CardFace.h"
#include "cards/Deck.h"
#include "journal/JournalExport.h"
#include "journal/JournalQueries.h"

#include <QPainter>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// A card of 71 x 96 at three eighths.
constexpr QSizeF kSmallFace{71 * 0.375, 96 * 0.375};

} // namespace

JournalDayModel::JournalDayModel(QObject *parent) : QAbstractListModel(parent) {}

void JournalDayModel::setDays(QList<journal::Entry> days)
{
    beginResetModel();
    m_days = std::move(days);
    m_rows.clear();
    for (int row = 0; row < m_days.size(); ++row)
        m_rows.insert(m_days.at(row).day, row);
    endResetModel();
}

void JournalDayModel::setNote(int row, const QString &note)
{
    m_days[row].note = note;
    // The note is not shown in the row, but a search looks in it.
    Q_EMIT dataChanged(index(row), index(row), {DayRole});
}

int JournalDayModel::rowOf(QDate day) const
{
    return m_rows.value(day, -1);
}

void JournalDayModel::setFaceRatio(qreal ratio)
{
    if (ratio == m_ratio)
        return;
    m_ratio = ratio;
    m_faces.clear();
}

int JournalDayModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_days.size());
}

QVariant JournalDayModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_days.size())
        return {};
    const journal::Entry &day = m_days.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return journal::longDate(day.day, QLocale::system()) + u'\n' + cards::cardName(day.card);
    case Qt::AccessibleTextRole:
        return journal::longDate(day.day, QLocale::system()) + u", "_s + cards::cardName(day.card);
    case Qt::DecorationRole: return face(day.card);
    case DayRole: return day.day;
    default: return {};
    }
}

// A face stays as it is on a chosen row: the tint Qt would give it comes from the desktop's
// palette, not the window's.
QIcon JournalDayModel::face(int card) const
{
    auto found = m_faces.constFind(card);
    if (found != m_faces.cend())
        return *found;
    QPixmap picture((kSmallFace * m_ratio).toSize());
    picture.setDevicePixelRatio(m_ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    cards::paintCardFace(painter, QRectF(QPointF(0, 0), kSmallFace), card);
    painter.end();
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Selected);
    return *m_faces.insert(card, icon);
}

JournalDaySearch::JournalDaySearch(JournalDayModel *days, QObject *parent)
    : QSortFilterProxyModel(parent), m_days(days)
{
    setSourceModel(days);
}

void JournalDaySearch::search(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    invalidateRowsFilter();
}

std::optional<int> JournalDaySearch::dayRow(const QModelIndex &index) const
{
    if (!index.isValid())
        return std::nullopt;
    return mapToSource(index).row();
}

bool JournalDaySearch::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return journal::matches(m_days->day(sourceRow), m_text);
}

} // namespace app
