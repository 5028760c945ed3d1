#include "app/JournalStatisticsView.h"

#include "cards/Deck.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <array>

using namespace Qt::StringLiterals;

namespace app {

namespace {

constexpr std::array<char16_t, 4> kSuitSigns = {u'\u2663', u'\u2666', u'\u2665', u'\u2660'};

// The red of the card faces, and the ink of the desktop's text for the black suits, so both
// stand out on a light and a dark window alike.
QColor suitInk(int suit, const QPalette &palette)
{
    return suit == 1 || suit == 2 ? QColor(200, 16, 46) : palette.color(QPalette::WindowText);
}

} // namespace

// One bar a suit, its sign and count beside it, then one bar split into red and black.
class SuitChart final : public QWidget {
public:
    explicit SuitChart(QWidget *parent) : QWidget(parent)
    {
        setObjectName(u"suitChart"_s);
        setMinimumHeight(sizeHint().height());
    }

    void show(const journal::Statistics &counted)
    {
        m_counted = counted;
        update();
    }

    QSize sizeHint() const override
    {
        const int line = fontMetrics().height();
        return {fontMetrics().horizontalAdvance(u'M') * 24, (line + 6) * 6};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QFontMetrics metrics = fontMetrics();
        const int line = metrics.height() + 6;
        const QString coloursLabel = JournalStatisticsView::tr("Colours");
        const int labelWidth = std::max(metrics.horizontalAdvance(u"\u2660 0000"_s),
                                        metrics.horizontalAdvance(coloursLabel))
                               + 8;
        const int barRoom = std::max(1, width() - labelWidth - 4);
        const int most =
            std::max(1, *std::max_element(m_counted.bySuit.cbegin(), m_counted.bySuit.cend()));
        for (int suit = 0; suit < 4; ++suit) {
            const int y = suit * line;
            const int count = m_counted.bySuit[static_cast<std::size_t>(suit)];
            const QColor ink = suitInk(suit, palette());
            painter.setPen(ink);
            painter.drawText(QRect(0, y, labelWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                             QChar(kSuitSigns[static_cast<std::size_t>(suit)]) + u' '
                                 + QString::number(count));
            const int length = count * barRoom / most;
            painter.fillRect(
                QRect(labelWidth, y + 3, std::max(length, count > 0 ? 2 : 0), line - 6), ink);
        }
        // Red against black over the whole width, each part as long as its share.
        const int y = 4 * line + line / 2;
        const int total = m_counted.red() + m_counted.black();
        const QRect whole(labelWidth, y, barRoom, line - 6);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(whole);
        if (total > 0) {
            const int redLength = m_counted.red() * barRoom / total;
            painter.fillRect(QRect(whole.left(), whole.top(), redLength, whole.height()),
                             suitInk(1, palette()));
            painter.fillRect(
                QRect(whole.left() + redLength, whole.top(), barRoom - redLength, whole.height()),
                suitInk(0, palette()));
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, y, labelWidth, line - 6), Qt::AlignLeft | Qt::AlignVCenter,
                         coloursLabel);
    }

private:
    journal::Statistics m_counted;
};

JournalStatisticsView::JournalStatisticsView(QDate today, QWidget *parent)
    : QWidget(parent), m_today(today)
{
    setObjectName(u"journalStatistics"_s);
    m_period = new QComboBox(this);
    m_period->setObjectName(u"statisticsPeriod"_s);
    m_period->addItems({tr("This month"), tr("This year"), tr("Everything")});
    m_period->setAccessibleName(tr("Period"));
    m_chart = new SuitChart(this);
    m_chart->setAccessibleName(tr("Suits and colours"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(u"statisticsSummary"_s);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_summary->setFocusPolicy(Qt::StrongFocus);

    auto *periodRow = new QFormLayout;
    auto *periodLabel = new QLabel(tr("&Period:"), this);
    periodLabel->setBuddy(m_period);
    periodRow->addRow(periodLabel, m_period);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(periodRow);
    layout->addWidget(m_chart);
    layout->addWidget(m_summary, 1);

    connect(m_period, &QComboBox::currentIndexChanged, this, &JournalStatisticsView::count);
}

void JournalStatisticsView::setDays(const QList<journal::Entry> &days)
{
    m_days = &days;
    count();
}

journal::DayRange JournalStatisticsView::chosenPeriod() const
{
    switch (m_period->currentIndex()) {
    case 0: return {QDate(m_today.year(), m_today.month(), 1), m_today};
    case 1: return {QDate(m_today.year(), 1, 1), m_today};
    default: return {};
    }
}

void JournalStatisticsView::count()
{
    const journal::Statistics counted =
        m_days ? journal::statistics(*m_days, chosenPeriod()) : journal::Statistics{};
    m_chart->show(counted);

    QStringList lines;
    //: %1 is the number of days with a note
    lines << tr("%n day(s) recorded, %1 with a note.", nullptr, counted.daysRecorded)
                 .arg(counted.daysNoted);
    const std::array<QString, 4> suitNames = {tr("Clubs"), tr("Diamonds"), tr("Hearts"),
                                              tr("Spades")};
    QStringList suits;
    for (std::size_t suit = 0; suit < suitNames.size(); ++suit)
        suits << tr("%1: %2").arg(suitNames[suit]).arg(counted.bySuit[suit]);
    lines << suits.join(u", "_s) + u'.';
    lines << tr("Red %1, black %2.").arg(counted.red()).arg(counted.black());
    if (!counted.mostFrequent.isEmpty()) {
        QStringList most;
        for (const journal::Statistics::CardCount &card : counted.mostFrequent)
            most << tr("%1 (%n time(s))", nullptr, card.times).arg(cards::cardName(card.card));
        lines << tr("Came up most: %1.").arg(most.join(u", "_s));
    }
    lines << tr("Longest run of days with a note: %n day(s).", nullptr, counted.longestNotedRun);
    const QString summary = lines.join(u'\n');
    m_summary->setText(summary);
    m_chart->setAccessibleDescription(summary);
}

} // namespace app
