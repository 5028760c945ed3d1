#include "app/JournalWindow.h"

#include "app/CardPicture.h"
#include "cards/CardFace.h"
#include "cards/Deck.h"
#include "journal/JournalExport.h"
#include "journal/JournalQueries.h"
#include "ui/Colours.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramWindow.h"
#include "ui/PushButton.h"
#include "ui/Typeface.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// Typing is written once it has paused this long.
constexpr int kSaveDelayMs = 800;
// The faces in the list: a card of 71 x 96 at three eighths.
constexpr QSizeF kSmallFace{71 * 0.375, 96 * 0.375};

QLocale desktopLocale()
{
    return QLocale::system();
}

// The long date without its weekday, where the desktop's long form has one at either end.
QString dateWithoutWeekday(QDate day)
{
    const QLocale locale = desktopLocale();
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(u"^dddd[,.]?\\s*|\\s*,?\\s*dddd$"_s);
    format.remove(weekday);
    return format.contains(u"dddd"_s) ? journal::longDate(day, locale)
                                      : locale.toString(day, format);
}

QString tallyText(const journal::Tally &tally)
{
    const QString since = dateWithoutWeekday(tally.since);
    if (tally.times == 1)
        return u"Came up once since %1"_s.arg(since);
    return u"Came up %1 times since %2"_s.arg(tally.times).arg(since);
}

QLabel *newText(const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel *newHeading(const QString &text, QWidget *parent)
{
    QLabel *heading = newText(ui::programFont(8.25, true, true), parent);
    heading->setText(text);
    return heading;
}

// A date box in the desktop's short form, with the whole year: "12/8/26" would read back as
// 1926.
QDateEdit *newDateEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    QString format = desktopLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"_s))
        format.replace(u"yy"_s, u"yyyy"_s);
    edit->setDisplayFormat(format);
    edit->setCalendarPopup(true);
    edit->setAccessibleName(name);
    // The keyboard's focus rests in the text inside, so that is what a screen reader names.
    for (QLineEdit *text : edit->findChildren<QLineEdit *>())
        text->setAccessibleName(name);
    return edit;
}

} // namespace

// The days the search finds, as rows of their long date and card, each with the card's face.
class JournalDayList final : public QAbstractListModel {
public:
    JournalDayList(const QList<journal::Entry> &days, QObject *parent)
        : QAbstractListModel(parent), m_days(days)
    {
    }

    void show(QList<qsizetype> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }

    void setFaceRatio(qreal ratio)
    {
        if (ratio == m_ratio)
            return;
        m_ratio = ratio;
        m_faces.clear();
    }

    // Which of the journal's days row `row` shows.
    qsizetype dayAt(int row) const { return m_rows.at(row); }
    int rowOf(qsizetype day) const { return static_cast<int>(m_rows.indexOf(day)); }
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size())
            return {};
        const journal::Entry &day = m_days.at(m_rows.at(index.row()));
        switch (role) {
        case Qt::DisplayRole:
            return journal::longDate(day.day, desktopLocale()) + u'\n' + cards::cardName(day.card);
        case Qt::AccessibleTextRole:
            return journal::longDate(day.day, desktopLocale()) + u", "_s
                   + cards::cardName(day.card);
        case Qt::DecorationRole: return face(day.card);
        default: return {};
        }
    }

private:
    // At most the deck's 52, drawn when first shown. A face stays as it is on a chosen row: the
    // tint Qt would give it comes from the desktop's palette, not the window's.
    QIcon face(int card) const
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

    const QList<journal::Entry> &m_days;
    QList<qsizetype> m_rows;
    qreal m_ratio = 1.0;
    mutable QHash<int, QIcon> m_faces;
};

JournalWindow::JournalWindow(journal::JournalStore &store, QDate today, SaveFileChooser chooseFile,
                             QWidget *parent)
    : QWidget(parent, Qt::Window), m_store(store), m_today(today),
      m_chooseFile(std::move(chooseFile)), m_dayList(new JournalDayList(m_days, this))
{
    if (!m_chooseFile) {
        m_chooseFile = [](QWidget *parent, const QString &suggested, const QString &filter) {
            return QFileDialog::getSaveFileName(parent, u"Export the journal"_s, suggested, filter);
        };
    }
    setObjectName(u"journalWindow"_s);
    setWindowTitle(u"Journal - "_s + ui::programCaption());
    setWindowRole(u"journal"_s);
    setWindowIcon(ui::programIcon());
    setFont(ui::programFont(8.25));
    ui::setColour(this, QPalette::Window, Qt::white);
    setupControls();
    connectControls();
    load(m_today);
}

JournalWindow::~JournalWindow()
{
    saveNote();
}

void JournalWindow::setupControls()
{
    auto *findLabel = new QLabel(u"&Find:"_s, this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(u"find"_s);
    m_find->setAccessibleName(u"Find a card or words in the notes"_s);
    m_find->setPlaceholderText(u"A card or words in the notes"_s);
    m_find->setClearButtonEnabled(true);
    findLabel->setBuddy(m_find);
    auto *goToLabel = new QLabel(u"&Go to day:"_s, this);
    m_goTo = newDateEdit(u"Go to day"_s, this);
    m_goTo->setObjectName(u"goTo"_s);
    goToLabel->setBuddy(m_goTo);

    auto *daysLabel = new QLabel(u"&Days"_s, this);
    daysLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_list = new QListView(this);
    m_list->setObjectName(u"days"_s);
    m_list->setAccessibleName(u"Days"_s);
    m_list->setModel(m_dayList);
    m_list->setIconSize(kSmallFace.toSize());
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(u'x') * 34);
    m_list->installEventFilter(this);
    daysLabel->setBuddy(m_list);

    // The chosen day as the card panel shows a card: face, name, period, keywords, reading.
    auto *card = new QWidget;
    m_date = newText(ui::programFont(9.75, true), card);
    m_date->setObjectName(u"date"_s);
    m_face = new CardPicture(card);
    m_face->setObjectName(u"face"_s);
    m_cardName = newText(ui::programFont(9.0, true, true), card);
    m_cardName->setObjectName(u"cardName"_s);
    ui::setColour(m_cardName, QPalette::WindowText, ui::colours::Purple);
    m_tally = newText(ui::programFont(8.25), card);
    m_tally->setObjectName(u"tally"_s);
    m_period = newText(ui::programFont(8.25), card);
    m_period->setObjectName(u"period"_s);
    m_keywords = newText(ui::programFont(8.25), card);
    m_keywords->setObjectName(u"keywords"_s);
    m_reading = newText(ui::programFont(8.25), card);
    m_reading->setObjectName(u"reading"_s);

    auto *nameAndTally = new QVBoxLayout;
    nameAndTally->addWidget(m_cardName);
    nameAndTally->addWidget(m_tally);
    nameAndTally->addStretch();
    auto *faceRow = new QHBoxLayout;
    faceRow->addWidget(m_face, 0, Qt::AlignTop);
    faceRow->addLayout(nameAndTally, 1);
    auto *cardLayout = new QVBoxLayout(card);
    cardLayout->addWidget(m_date);
    cardLayout->addLayout(faceRow);
    cardLayout->addWidget(newHeading(u"Favorable Time Period"_s, card));
    cardLayout->addWidget(m_period);
    cardLayout->addWidget(newHeading(u"Keywords"_s, card));
    cardLayout->addWidget(m_keywords);
    cardLayout->addWidget(newHeading(u"Characteristics"_s, card));
    cardLayout->addWidget(m_reading);
    cardLayout->addStretch();
    auto *cardArea = new QScrollArea(this);
    cardArea->setObjectName(u"cardArea"_s);
    cardArea->setAccessibleName(u"The day's card"_s);
    cardArea->setWidget(card);
    cardArea->setWidgetResizable(true);
    cardArea->setFrameShape(QFrame::NoFrame);
    cardArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_noteLabel = new QLabel(this);
    m_noteLabel->setObjectName(u"noteLabel"_s);
    m_noteLabel->setFont(ui::programFont(8.25, true));
    m_noteLabel->setTextFormat(Qt::PlainText);
    m_noteLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(u"note"_s);
    // Tab leaves the note, so that the keyboard alone reaches every control.
    m_note->setTabChangesFocus(true);
    m_note->setMinimumHeight(QFontMetrics(m_note->font()).lineSpacing() * 5);
    m_noteLabel->setBuddy(m_note);

    m_status = newText(font(), this);
    m_status->setObjectName(u"status"_s);
    m_export = ui::newPushButton(u"&Export…"_s, this);
    m_export->setObjectName(u"export"_s);
    m_copy = ui::newPushButton(u"&Copy"_s, this);
    m_copy->setObjectName(u"copy"_s);
    m_close = ui::newPushButton(u"Close"_s, this);
    m_close->setObjectName(u"close"_s);

    auto *search = new QHBoxLayout;
    search->addWidget(findLabel);
    search->addWidget(m_find, 1);
    search->addSpacing(12);
    search->addWidget(goToLabel);
    search->addWidget(m_goTo);
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(daysLabel);
    listColumn->addWidget(m_list, 1);
    auto *dayColumn = new QVBoxLayout;
    dayColumn->addWidget(cardArea, 2);
    dayColumn->addWidget(m_noteLabel);
    dayColumn->addWidget(m_note, 1);
    auto *middle = new QHBoxLayout;
    middle->addLayout(listColumn, 2);
    middle->addLayout(dayColumn, 3);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_export, 0, Qt::AlignBottom);
    bottom->addWidget(m_copy, 0, Qt::AlignBottom);
    bottom->addWidget(m_close, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    setTabOrder(m_find, m_goTo);
    setTabOrder(m_goTo, m_list);
    setTabOrder(m_list, cardArea);
    setTabOrder(cardArea, m_note);
    setTabOrder(m_note, m_export);
    setTabOrder(m_export, m_copy);
    setTabOrder(m_copy, m_close);

    // As big as its contents ask, within the screen, where there is room.
    const QSize screen =
        this->screen() ? this->screen()->availableGeometry().size() : QSize(1024, 768);
    resize(sizeHint().expandedTo(QSize(760, 640)).boundedTo(screen * 0.9));
}

void JournalWindow::connectControls()
{
    m_saveDelay = new QTimer(this);
    m_saveDelay->setSingleShot(true);
    m_saveDelay->setInterval(kSaveDelayMs);

    connect(m_find, &QLineEdit::textChanged, this, &JournalWindow::showSearch);
    connect(m_goTo, &QDateEdit::dateChanged, this, &JournalWindow::jumpTo);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { showDay(current); });
    connect(m_note, &QPlainTextEdit::textChanged, this, &JournalWindow::noteTyped);
    connect(m_saveDelay, &QTimer::timeout, this, &JournalWindow::saveNote);
    connect(m_copy, &QPushButton::clicked, this, &JournalWindow::copyDay);
    connect(m_export, &QPushButton::clicked, this, &JournalWindow::askExport);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void JournalWindow::load(QDate chosen)
{
    m_days = m_store.entries();
    // A journal that can never be written will not be read later either.
    const journal::Status standing = m_store.status();
    m_unread = !standing.daysRead && standing.takesNotes;
    m_dayList->setFaceRatio(devicePixelRatioF());
    if (!m_days.isEmpty()) {
        const QSignalBlocker quiet(m_goTo);
        m_goTo->setDateRange(m_days.last().day, m_days.first().day);
    }
    m_goTo->setEnabled(!m_days.isEmpty());
    showSearch(m_find->text());
    selectDay(chosen);
    showStatus();
    if (m_unread)
        Q_EMIT waiting();
}

// Read again, the days may be others: the day chosen is found by its date.
void JournalWindow::readAgain()
{
    saveNote();
    const QDate chosen = m_noteOf ? m_days.at(*m_noteOf).day : m_today;
    m_noteOf.reset();
    load(chosen);
}

void JournalWindow::showSearch(const QString &text)
{
    const std::optional<qsizetype> chosen = m_noteOf;
    QList<qsizetype> rows;
    rows.reserve(m_days.size());
    for (qsizetype day = 0; day < m_days.size(); ++day) {
        if (journal::matches(m_days.at(day), text))
            rows.append(day);
    }
    saveNote();
    m_dayList->show(std::move(rows));
    // The chosen day stays chosen while the search finds it.
    const int row = chosen ? m_dayList->rowOf(*chosen) : -1;
    m_list->setCurrentIndex(m_dayList->index(row >= 0 ? row : 0));
    if (m_dayList->rowCount() == 0)
        showDay({});
}

void JournalWindow::selectDay(QDate day)
{
    for (int row = 0; row < m_dayList->rowCount(); ++row) {
        if (m_days.at(m_dayList->dayAt(row)).day == day) {
            m_list->setCurrentIndex(m_dayList->index(row));
            return;
        }
    }
}

// The day itself where it is listed, else the nearest listed day before it, else the oldest.
void JournalWindow::jumpTo(QDate day)
{
    const int rows = m_dayList->rowCount();
    int row = 0;
    while (row < rows - 1 && m_days.at(m_dayList->dayAt(row)).day > day)
        ++row;
    if (rows > 0)
        m_list->setCurrentIndex(m_dayList->index(row));
}

void JournalWindow::showDay(const QModelIndex &index)
{
    saveNote();
    const QSignalBlocker quiet(m_note);
    if (!index.isValid()) {
        m_noteOf.reset();
        for (QLabel *text : {m_date, m_cardName, m_tally, m_period, m_keywords, m_reading})
            text->clear();
        m_face->setVisible(false);
        m_noteLabel->setText(u"Note"_s);
        m_note->clear();
        m_note->setPlaceholderText({});
        m_note->setAccessibleDescription({});
        m_note->setEnabled(false);
        m_copy->setEnabled(false);
        return;
    }
    m_noteOf = m_dayList->dayAt(index.row());
    const journal::Entry &day = m_days.at(*m_noteOf);
    const cards::Card card = cards::card(day.card);
    const QString date = journal::longDate(day.day, desktopLocale());
    m_date->setText(date);
    m_face->setCard(day.card);
    m_face->setVisible(true);
    m_cardName->setText(card.name);
    m_tally->setText(tallyText(journal::tally(m_days, day.card)));
    m_period->setText(card.favourablePeriod);
    m_keywords->setText(card.keywords);
    m_reading->setText(card.description);
    m_noteLabel->setText(u"&Note for "_s + date);
    m_note->setAccessibleName(u"Note for "_s + date);
    // The card's question prompts an empty note; a screen reader hears it as the description.
    const QString question = cards::cardQuestion(day.card);
    m_note->setPlaceholderText(question);
    m_note->setAccessibleDescription(question);
    m_note->setPlainText(day.note);
    m_note->setEnabled(true);
    m_note->setReadOnly(!m_store.status().takesNotes);
    m_copy->setEnabled(true);
    const QSignalBlocker quietDate(m_goTo);
    m_goTo->setDate(day.day);
}

void JournalWindow::noteTyped()
{
    m_noteTyped = true;
    m_saveDelay->start();
}

void JournalWindow::saveNote()
{
    m_saveDelay->stop();
    if (!m_noteTyped || !m_noteOf)
        return;
    m_noteTyped = false;
    journal::Entry &day = m_days[*m_noteOf];
    day.note = m_note->toPlainText();
    m_store.setNote(day.day, day.card, day.note);
    showStatus();
    if (m_store.hasPending())
        Q_EMIT waiting();
}

bool JournalWindow::isWaiting() const
{
    return m_unread || m_store.hasPending();
}

bool JournalWindow::retry()
{
    flush();
    if (m_unread)
        readAgain();
    showStatus();
    return !isWaiting();
}

void JournalWindow::flush()
{
    saveNote();
    m_store.flush();
}

void JournalWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showStatus();
}

void JournalWindow::closeEvent(QCloseEvent *event)
{
    saveNote();
    event->accept();
}

bool JournalWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Copying in the list copies the whole day, as the Copy button does.
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        copyDay();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void JournalWindow::say(const QString &message)
{
    m_message = message;
    showStatus();
}

// What is wrong comes first; otherwise the last thing done, or how many days there are.
void JournalWindow::showStatus()
{
    const journal::Status status = m_store.status();
    QString text = m_message;
    if (!status.ok())
        text = status.problem + u' ' + status.kept;
    else if (text.isEmpty())
        text = m_days.size() == 1 ? u"1 day in the journal."_s
                                  : u"%1 days in the journal."_s.arg(m_days.size());
    m_status->setText(text);
    ui::setColour(m_status, QPalette::WindowText,
                  status.ok() ? QColor(Qt::black) : ui::colours::DarkRed);
    if (m_noteOf)
        m_note->setReadOnly(!status.takesNotes);
    // Said at every start until it has been on the screen here.
    if (status.notice && isVisible())
        m_store.noticeShown();
}

void JournalWindow::copyDay()
{
    if (!m_noteOf)
        return;
    saveNote();
    const journal::Entry &day = m_days.at(*m_noteOf);
    auto *copied = new QMimeData;
    copied->setText(journal::dayAsText(day, desktopLocale()));
    copied->setImageData(cards::renderCardFace(day.card, devicePixelRatioF()).toImage());
    QApplication::clipboard()->setMimeData(copied);
    say(u"%1 is on the clipboard."_s.arg(journal::longDate(day.day, desktopLocale())));
}

void JournalWindow::askExport()
{
    saveNote();
    auto *dialog = new QDialog(this);
    dialog->setObjectName(u"exportDialog"_s);
    dialog->setWindowTitle(u"Export - "_s + ui::programCaption());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    // A window of its own inherits neither, so it is given the journal's.
    dialog->setFont(font());
    ui::setColour(dialog, QPalette::Window, Qt::white);

    auto *every = new QRadioButton(u"E&very day"_s, dialog);
    every->setObjectName(u"everyDay"_s);
    every->setChecked(true);
    auto *between = new QRadioButton(u"Days &from"_s, dialog);
    between->setObjectName(u"between"_s);
    auto *from = newDateEdit(u"First day"_s, dialog);
    from->setObjectName(u"from"_s);
    auto *toLabel = new QLabel(u"&to"_s, dialog);
    auto *to = newDateEdit(u"Last day"_s, dialog);
    to->setObjectName(u"to"_s);
    toLabel->setBuddy(to);
    const QDate newest = m_days.isEmpty() ? m_today : m_days.first().day;
    const QDate oldest = m_days.isEmpty() ? m_today : m_days.last().day;
    for (QDateEdit *edit : {from, to}) {
        edit->setDateRange(oldest, newest);
        edit->setEnabled(false);
        connect(between, &QRadioButton::toggled, edit, &QWidget::setEnabled);
    }
    from->setDate(oldest);
    to->setDate(newest);
    auto *range = new QButtonGroup(dialog);
    range->addButton(every);
    range->addButton(between);

    auto *markdown = new QRadioButton(u"&Markdown"_s, dialog);
    markdown->setObjectName(u"markdown"_s);
    markdown->setChecked(true);
    auto *csv = new QRadioButton(u"&CSV, for spreadsheets"_s, dialog);
    csv->setObjectName(u"csv"_s);
    auto *format = new QButtonGroup(dialog);
    format->addButton(markdown);
    format->addButton(csv);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(u"&Export…"_s);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

    auto *layout = new QGridLayout(dialog);
    layout->addWidget(new QLabel(u"Which days"_s, dialog), 0, 0, 1, 4);
    layout->addWidget(every, 1, 0, 1, 4);
    layout->addWidget(between, 2, 0);
    layout->addWidget(from, 2, 1);
    layout->addWidget(toLabel, 2, 2);
    layout->addWidget(to, 2, 3);
    layout->addWidget(new QLabel(u"As"_s, dialog), 3, 0, 1, 4);
    layout->addWidget(markdown, 4, 0, 1, 4);
    layout->addWidget(csv, 5, 0, 1, 4);
    layout->addWidget(buttons, 6, 0, 1, 4);

    connect(dialog, &QDialog::accepted, this, [=, this] {
        const journal::DayRange days = between->isChecked()
                                           ? journal::DayRange{std::min(from->date(), to->date()),
                                                               std::max(from->date(), to->date())}
                                           : journal::DayRange{};
        exportDays(days, csv->isChecked() ? Format::Csv : Format::Markdown);
    });
    dialog->open();
}

void JournalWindow::exportDays(journal::DayRange range, Format format)
{
    const bool markdown = format == Format::Markdown;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        folder + (markdown ? u"/Tarvelle journal.md"_s : u"/Tarvelle journal.csv"_s);
    const QString path = m_chooseFile(
        this, suggested, markdown ? u"Markdown (*.md)"_s : u"CSV, comma-separated (*.csv)"_s);
    if (path.isEmpty())
        return;
    const QList<journal::Entry> days = m_store.entries(range);
    const QByteArray content =
        markdown ? journal::toMarkdown(days, desktopLocale()).toUtf8() : journal::toCsv(days);
    if (const std::optional<QString> failure = journal::writeExportFile(path, content)) {
        say(u"The journal could not be exported to %1: %2."_s.arg(path, *failure));
        return;
    }
    say(days.size() == 1 ? u"1 day exported to %1."_s.arg(path)
                         : u"%1 days exported to %2."_s.arg(days.size()).arg(path));
}

} // namespace app
