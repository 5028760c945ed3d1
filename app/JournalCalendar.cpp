#include "app/JournalCalendar.h"

#include "cards/CardFace.h"
#include "cards/Deck.h"
#include "journal/JournalExport.h"
#include "ui/Accessibility.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace app {

namespace {

constexpr int kWeeks = 6;
constexpr int kDaysInWeek = 7;
enum Role { DateRole = Qt::UserRole, CardRole, NotedRole, TodayRole, InMonthRole };

// "3♣": what stands for a card where its face would not be legible.
QString rankAndSuit(int card)
{
    //: A rank as the journal's calendar abbreviates it: Ace, King, Queen, Knight (the Jack)
    static const std::array<const char *, 13> ranks = {QT_TRANSLATE_NOOP("CardName", "A"),
                                                       "2",
                                                       "3",
                                                       "4",
                                                       "5",
                                                       "6",
                                                       "7",
                                                       "8",
                                                       "9",
                                                       "10",
                                                       QT_TRANSLATE_NOOP("CardName", "K"),
                                                       QT_TRANSLATE_NOOP("CardName", "Q"),
                                                       QT_TRANSLATE_NOOP("CardName", "Kn")};
    static const std::array<char16_t, 4> suits = {u'\u2663', u'\u2666', u'\u2665', u'\u2660'};
    return QCoreApplication::translate(
               "CardName", ranks[static_cast<std::size_t>(cards::rankPosition(card) - 1)])
           + QChar(suits[static_cast<std::size_t>(cards::suitOf(card))]);
}

// Room for the day's number over a face the size of the journal list's.
QSize cellSize(const QFontMetrics &metrics)
{
    const int line = metrics.height();
    return {std::max(40, line * 3), line + 40};
}

} // namespace

// Six weeks around the chosen month, starting on the desktop's first day of the week.
class JournalMonth final : public QAbstractTableModel {
public:
    JournalMonth(QDate today, QObject *parent) : QAbstractTableModel(parent), m_today(today) {}

    void setDays(const QList<journal::Entry> &days)
    {
        beginResetModel();
        m_byDay.clear();
        for (const journal::Entry &day : days)
            m_byDay.insert(day.day, {day.card, !day.note.trimmed().isEmpty()});
        endResetModel();
    }

    void showMonthOf(QDate day)
    {
        const QDate first(day.year(), day.month(), 1);
        if (first == m_first)
            return;
        beginResetModel();
        m_first = first;
        const int weekStart = QLocale().firstDayOfWeek();
        m_start = first.addDays(-((first.dayOfWeek() - weekStart + kDaysInWeek) % kDaysInWeek));
        endResetModel();
    }

    QDate firstOfMonth() const { return m_first; }
    QDate dateAt(const QModelIndex &index) const
    {
        return m_start.addDays(index.row() * kDaysInWeek + index.column());
    }
    QModelIndex indexOf(QDate day) const
    {
        const qint64 offset = m_start.daysTo(day);
        if (offset < 0 || offset >= kWeeks * kDaysInWeek)
            return {};
        return index(static_cast<int>(offset / kDaysInWeek),
                     static_cast<int>(offset % kDaysInWeek));
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : kWeeks;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : kDaysInWeek;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        const int weekday = (QLocale().firstDayOfWeek() - 1 + section) % kDaysInWeek + 1;
        return QLocale().dayName(weekday, QLocale::ShortFormat);
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const QDate day = dateAt(index);
        const auto found = m_byDay.constFind(day);
        const Shown *entry = found == m_byDay.cend() ? nullptr : &*found;
        switch (role) {
        case Qt::DisplayRole: return QString::number(day.day());
        case Qt::AccessibleTextRole: return spoken(day, entry);
        case DateRole: return day;
        case CardRole: return entry ? entry->card : 0;
        case NotedRole: return entry && entry->noted;
        case TodayRole: return day == m_today;
        case InMonthRole: return day.month() == m_first.month();
        default: return {};
        }
    }

private:
    // "Tuesday, 8 December 2026, Three Of Clubs, with a note".
    // What a day of the month shows of the journal.
    struct Shown {
        int card = 0;
        bool noted = false;
    };

    static QString spoken(QDate day, const Shown *entry)
    {
        QString text = QLocale().toString(day, QLocale::LongFormat);
        if (!text.contains(QLocale().dayName(day.dayOfWeek())))
            text = QLocale().dayName(day.dayOfWeek()) + u", "_s + journal::longDate(day, QLocale());
        if (!entry)
            return text;
        text += u", "_s + cards::cardName(entry->card);
        if (entry->noted)
            text += JournalCalendar::tr(", with a note");
        return text;
    }

    QDate m_today;
    QDate m_first;
    QDate m_start;
    QHash<QDate, Shown> m_byDay;
};

namespace {

// Qt's table tells a screen reader of each new current day even while another control has the
// keyboard, and the reader follows it away from that control: only a grid with the keyboard
// tells.
class DayGrid final : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override
    {
        if (hasFocus())
            QTableView::currentChanged(current, previous);
        else
            QAbstractItemView::currentChanged(current, previous);
    }
};

// A day's cell: its number in the corner, the card's face (or rank and suit), the note's mark.
class DayCell final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        plain.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);

        const bool chosen = option.state & QStyle::State_Selected;
        const QPalette &palette = option.palette;
        QColor ink = palette.color(chosen ? QPalette::HighlightedText : QPalette::Text);
        if (!index.data(InMonthRole).toBool())
            ink = palette.color(QPalette::Disabled, QPalette::Text);
        const QRect cell = option.rect.adjusted(2, 1, -2, -2);
        painter->save();
        painter->setPen(ink);
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignTop, index.data().toString());

        if (const int card = index.data(CardRole).toInt(); cards::isCardIndex(card)) {
            const int top = option.fontMetrics.height();
            const QRect room = cell.adjusted(0, top, 0, 0);
            const QSizeF face = QSizeF(71, 96).scaled(room.size(), Qt::KeepAspectRatio);
            if (face.height() >= 28) {
                const QRectF target(room.center().x() - face.width() / 2.0, room.top(),
                                    face.width(), face.height());
                cards::paintCardFace(*painter, target, card);
            } else {
                painter->drawText(room, Qt::AlignCenter, rankAndSuit(card));
            }
        }
        if (index.data(NotedRole).toBool()) {
            // A filled corner, like a folded page.
            const int size = std::max(5, option.fontMetrics.height() / 3);
            QPolygon corner;
            corner << cell.topRight() << cell.topRight() + QPoint(-size, 0)
                   << cell.topRight() + QPoint(0, size);
            painter->setPen(Qt::NoPen);
            painter->setBrush(palette.color(chosen ? QPalette::HighlightedText : QPalette::Link));
            painter->drawPolygon(corner);
        }
        if (index.data(TodayRole).toBool()) {
            painter->setPen(
                QPen(palette.color(chosen ? QPalette::HighlightedText : QPalette::Highlight), 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return cellSize(option.fontMetrics);
    }
};

} // namespace

JournalCalendar::JournalCalendar(QDate today, QWidget *parent)
    : QWidget(parent), m_today(today), m_month(new JournalMonth(today, this))
{
    setObjectName(u"journalCalendar"_s);
    m_previous = new QToolButton(this);
    m_previous->setObjectName(u"previousMonth"_s);
    m_previous->setArrowType(Qt::LeftArrow);
    m_previous->setAccessibleName(tr("Previous month"));
    m_previous->setToolTip(tr("Previous month (Page Up)"));
    m_next = new QToolButton(this);
    m_next->setObjectName(u"nextMonth"_s);
    m_next->setArrowType(Qt::RightArrow);
    m_next->setAccessibleName(tr("Next month"));
    m_next->setToolTip(tr("Next month (Page Down)"));
    // The keyboard pages with Page Up and Page Down; Tab goes straight into the month.
    for (QToolButton *button : {m_previous, m_next})
        button->setFocusPolicy(Qt::NoFocus);
    m_title = new QLabel(this);
    m_title->setObjectName(u"monthTitle"_s);
    m_title->setAlignment(Qt::AlignCenter);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    m_grid = new DayGrid(this);
    m_grid->setObjectName(u"monthGrid"_s);
    m_grid->setAccessibleName(tr("Days of the month"));
    m_grid->setModel(m_month);
    m_grid->setItemDelegate(new DayCell(m_grid));
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setTabKeyNavigation(false);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setShowGrid(true);
    m_grid->setCornerButtonEnabled(false);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    ui::readCurrentOnFocus(m_grid);
    const QSize cell = cellSize(m_grid->fontMetrics());
    m_grid->setMinimumSize(cell.width() * kDaysInWeek + 2,
                           cell.height() * kWeeks + m_grid->horizontalHeader()->sizeHint().height()
                               + 2);

    auto *header = new QHBoxLayout;
    header->addWidget(m_previous);
    header->addWidget(m_title, 1);
    header->addWidget(m_next);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(header);
    layout->addWidget(m_grid, 1);
    setFocusProxy(m_grid);

    connect(m_previous, &QToolButton::clicked, this,
            [this] { choose(m_chosen.addMonths(-1), true); });
    connect(m_next, &QToolButton::clicked, this, [this] { choose(m_chosen.addMonths(1), true); });
    connect(m_grid, &QTableView::clicked, this,
            [this](const QModelIndex &index) { choose(m_month->dateAt(index), true); });
    showDay(today);
}

void JournalCalendar::setDays(const QList<journal::Entry> &days)
{
    m_month->setDays(days);
    showMonth();
}

void JournalCalendar::showDay(QDate day)
{
    choose(day, false);
}

void JournalCalendar::choose(QDate day, bool report)
{
    if (!day.isValid())
        return;
    m_chosen = day;
    m_month->showMonthOf(day);
    showMonth();
    if (report)
        Q_EMIT dayChosen(day);
}

void JournalCalendar::showMonth()
{
    m_title->setText(QLocale().standaloneMonthName(m_chosen.month()) + u' '
                     + QString::number(m_chosen.year()));
    const QModelIndex current = m_month->indexOf(m_chosen);
    m_grid->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
}

bool JournalCalendar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        QDate to;
        switch (key->key()) {
        case Qt::Key_Left:
            to = m_chosen.addDays(layoutDirection() == Qt::RightToLeft ? 1 : -1);
            break;
        case Qt::Key_Right:
            to = m_chosen.addDays(layoutDirection() == Qt::RightToLeft ? -1 : 1);
            break;
        case Qt::Key_Up: to = m_chosen.addDays(-kDaysInWeek); break;
        case Qt::Key_Down: to = m_chosen.addDays(kDaysInWeek); break;
        case Qt::Key_PageUp: to = m_chosen.addMonths(-1); break;
        case Qt::Key_PageDown: to = m_chosen.addMonths(1); break;
        case Qt::Key_Home: to = QDate(m_chosen.year(), m_chosen.month(), 1); break;
        case Qt::Key_End:
            to = QDate(m_chosen.year(), m_chosen.month(), m_chosen.daysInMonth());
            break;
        default: return false;
        }
        choose(to, true);
        return true;
    }
    if (watched == m_grid->viewport() && event->type() == QEvent::Wheel) {
        const int steps = static_cast<QWheelEvent *>(event)->angleDelta().y();
        if (steps != 0)
            choose(m_chosen.addMonths(steps > 0 ? -1 : 1), true);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace app
