#include "app/JournalWindow.h"

#include "app/CardPicture.h"
#include "app/JournalCalendar.h"
#include "app/JournalDayModel.h"
#include "app/JournalExportDialog.h"
#include "app/JournalStatisticsView.h"
#include "cards/CardFace.h"
#include "cards/Deck.h"
#include "journal/JournalExport.h"
#include "journal/JournalImport.h"
#include "journal/JournalQueries.h"
#include "ui/Accessibility.h"
#include "ui/Colours.h"
#include "ui/DateEdit.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramWindow.h"
#include "ui/PushButton.h"
#include "ui/Typeface.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// Typing is written once it has paused this long, and steady typing at the latest this long
// after its first unwritten keystroke.
constexpr int kSaveDelayMs = 800;
constexpr qint64 kLongestUnsavedMs = 3000;
// A note holds up to a million characters (a few hundred pages); a paste that would take it
// beyond is refused whole.
constexpr qsizetype kNoteLimit = 1'000'000;
// A face in the day list: a card of 71 x 96 at three eighths.
constexpr QSize kListFace{27, 36};

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
    //: %1 is the date of the first day in the journal
    return QCoreApplication::translate("app::JournalWindow", "Came up %n time(s) since %1", nullptr,
                                       tally.times)
        .arg(since);
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

} // namespace

// The note's editor, which refuses what would take a note beyond its size.
class NoteEdit final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    std::function<void()> refused;

    // Wrapping a line of many thousand characters at word boundaries takes Qt minutes where it
    // finds none; such a line is wrapped anywhere instead.
    void wrapFor(QStringView text)
    {
        qsizetype longest = 0;
        for (const QStringView line : text.tokenize(u'\n'))
            longest = std::max(longest, line.size());
        wrapLongLines(longest);
    }
    void wrapLongLines(qsizetype longestLine)
    {
        constexpr qsizetype kLongLine = 5000;
        const auto mode = longestLine > kLongLine ? QTextOption::WrapAnywhere
                                                  : QTextOption::WrapAtWordBoundaryOrAnywhere;
        if (wordWrapMode() != mode)
            setWordWrapMode(mode);
    }

protected:
    void insertFromMimeData(const QMimeData *source) override
    {
        const qsizetype added = source->hasText() ? source->text().size() : 0;
        const qsizetype replaced = textCursor().selectedText().size();
        if (document()->characterCount() - 1 - replaced + added > kNoteLimit) {
            if (refused)
                refused();
            return;
        }
        QPlainTextEdit::insertFromMimeData(source);
    }
};

JournalWindow::JournalWindow(journal::JournalStore &store, QDate today, FileChooser chooseFile,
                             QWidget *parent)
    : QWidget(parent, Qt::Window), m_store(store), m_today(today),
      m_chooseFile(std::move(chooseFile)), m_days(new JournalDayModel(this)),
      m_search(new JournalDaySearch(m_days, this))
{
    if (!m_chooseFile)
        m_chooseFile = &chooseWithDialog;
    setObjectName(u"journalWindow"_s);
    setWindowTitle(tr("Journal") + u" - "_s + ui::programCaption());
    setWindowRole(u"journal"_s);
    // A plain widget would be read as a part of something, not as a window of its own.
    ui::readAs(this, QAccessible::Window);
    setWindowIcon(ui::programIcon());
    setFont(ui::programFont(8.25));
    ui::setColour(this, QPalette::Window, Qt::white);
    setupControls();
    connectControls();
    load(m_today);
    // The window opens on the chosen day in the list, so that a screen reader says which it is.
    m_list->setFocus(Qt::OtherFocusReason);
}

JournalWindow::~JournalWindow()
{
    saveNote();
}

QString JournalWindow::chooseWithDialog(QWidget *parent, FileUse use, const QString &suggested,
                                        const QString &filter)
{
    const QString title = use == FileUse::Import   ? tr("Import into the journal")
                          : use == FileUse::BackUp ? tr("Back up the journal")
                                                   : tr("Export the journal");
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(use == FileUse::Import ? QFileDialog::AcceptOpen
                                                : QFileDialog::AcceptSave);
    dialog.setFileMode(use == FileUse::Import ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    // Qt's own dialog reads a name with double quotes in it as a list of names ("ab"): the
    // name typed is the name meant.
    const auto *typed = dialog.findChild<QLineEdit *>(u"fileNameEdit"_s);
    if (use != FileUse::Import && typed && typed->text().contains(u'"'))
        return dialog.directory().absoluteFilePath(typed->text());
    return dialog.selectedFiles().value(0);
}

void JournalWindow::setupControls()
{
    auto *findLabel = new QLabel(tr("&Find:"), this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(u"find"_s);
    m_find->setAccessibleName(tr("Find a card or words in the notes"));
    m_find->setPlaceholderText(tr("A card or words in the notes"));
    m_find->setClearButtonEnabled(true);
    findLabel->setBuddy(m_find);
    auto *goToLabel = new QLabel(tr("&Go to day:"), this);
    m_goTo = ui::newDateEdit(tr("Go to day"), this);
    m_goTo->setObjectName(u"goTo"_s);
    goToLabel->setBuddy(m_goTo);

    m_list = new QListView(this);
    m_list->setObjectName(u"days"_s);
    m_list->setAccessibleName(tr("Days"));
    m_list->setModel(m_search);
    m_list->setIconSize(kListFace);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(u'x') * 34);
    m_list->installEventFilter(this);
    ui::readCurrentOnFocus(m_list);
    m_calendar = new JournalCalendar(m_today, this);
    m_statistics = new JournalStatisticsView(m_today, this);
    m_views = new QTabWidget(this);
    m_views->setObjectName(u"views"_s);
    m_views->addTab(m_list, tr("&Days"));
    m_views->addTab(m_calendar, tr("C&alendar"));
    m_views->addTab(m_statistics, tr("Your &year"));
    m_views->setTabToolTip(2, tr("What came up, as a picture"));
    // The pages' stack is no more than an outline: the tab bar names the page shown.
    if (auto *pages = m_views->findChild<QStackedWidget *>())
        ui::readAs(pages, QAccessible::Client);

    m_noteLabel = new QLabel(this);
    m_noteLabel->setObjectName(u"noteLabel"_s);
    m_noteLabel->setFont(ui::programFont(8.25, true));
    m_noteLabel->setTextFormat(Qt::PlainText);
    m_noteLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_note = new NoteEdit(this);
    m_note->setObjectName(u"note"_s);
    // Tab leaves the note, so that the keyboard alone reaches every control.
    m_note->setTabChangesFocus(true);
    m_note->setMinimumHeight(QFontMetrics(m_note->font()).lineSpacing() * 5);
    m_note->refused = [this] { sayNoteIsFull(); };
    m_noteLabel->setBuddy(m_note);

    m_status = newText(font(), this);
    m_status->setObjectName(u"status"_s);
    m_export = ui::newPushButton(tr("&Export…"), this);
    m_export->setObjectName(u"export"_s);
    m_backUp = ui::newPushButton(tr("&Back Up…"), this);
    m_backUp->setObjectName(u"backUp"_s);
    m_backUp->setToolTip(tr("Back Up Journal…"));
    m_import = ui::newPushButton(tr("&Import…"), this);
    m_import->setObjectName(u"import"_s);
    m_import->setToolTip(tr("Import days from a backup or an exported CSV"));
    m_copy = ui::newPushButton(tr("&Copy"), this);
    m_copy->setObjectName(u"copy"_s);
    m_close = ui::newPushButton(tr("Close"), this);
    m_close->setObjectName(u"close"_s);

    auto *search = new QHBoxLayout;
    search->addWidget(findLabel);
    search->addWidget(m_find, 1);
    search->addSpacing(12);
    search->addWidget(goToLabel);
    search->addWidget(m_goTo);
    QWidget *cardArea = setupCardArea();
    auto *dayColumn = new QVBoxLayout;
    dayColumn->addWidget(cardArea, 2);
    dayColumn->addWidget(m_noteLabel);
    dayColumn->addWidget(m_note, 1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_views, 2);
    middle->addLayout(dayColumn, 3);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_export, 0, Qt::AlignBottom);
    bottom->addWidget(m_backUp, 0, Qt::AlignBottom);
    bottom->addWidget(m_import, 0, Qt::AlignBottom);
    bottom->addWidget(m_copy, 0, Qt::AlignBottom);
    bottom->addWidget(m_close, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    setTabOrder(m_find, m_goTo);
    setTabOrder(m_goTo, m_views);
    setTabOrder(m_views, cardArea);
    setTabOrder(cardArea, m_note);
    setTabOrder(m_note, m_export);
    setTabOrder(m_export, m_backUp);
    setTabOrder(m_backUp, m_import);
    setTabOrder(m_import, m_copy);
    setTabOrder(m_copy, m_close);

    // As big as its contents ask, within the screen, where there is room.
    const QSize screen =
        this->screen() ? this->screen()->availableGeometry().size() : QSize(1024, 768);
    resize(sizeHint().expandedTo(QSize(760, 640)).boundedTo(screen * 0.9));
}

// The chosen day as the card panel shows a card: face, name, period, keywords, reading.
QWidget *JournalWindow::setupCardArea()
{
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
    cardLayout->addWidget(newHeading(tr("Favorable Time Period"), card));
    cardLayout->addWidget(m_period);
    cardLayout->addWidget(newHeading(tr("Keywords"), card));
    cardLayout->addWidget(m_keywords);
    cardLayout->addWidget(newHeading(tr("Characteristics"), card));
    cardLayout->addWidget(m_reading);
    cardLayout->addStretch();
    m_cardArea = new QScrollArea(this);
    m_cardArea->setObjectName(u"cardArea"_s);
    m_cardArea->setAccessibleName(tr("The day's card"));
    m_cardArea->setWidget(card);
    m_cardArea->setWidgetResizable(true);
    m_cardArea->setFrameShape(QFrame::NoFrame);
    m_cardArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return m_cardArea;
}

void JournalWindow::connectControls()
{
    m_saveDelay = new QTimer(this);
    m_saveDelay->setSingleShot(true);

    connect(m_find, &QLineEdit::textChanged, this, &JournalWindow::showSearch);
    connect(m_goTo, &QDateEdit::dateChanged, this, &JournalWindow::jumpTo);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { showDay(current); });
    connect(m_calendar, &JournalCalendar::dayChosen, this, &JournalWindow::chooseFromCalendar);
    // A tab chosen while the keyboard was among the views takes it into the tab's own view, so
    // that arrows move through the days at once.
    connect(m_views, &QTabWidget::currentChanged, this, [this] {
        const QWidget *focused = QApplication::focusWidget();
        if (!focused || focused == m_views || m_views->isAncestorOf(focused)
            || !focused->isVisible())
            m_views->currentWidget()->setFocus(Qt::OtherFocusReason);
    });
    connect(m_note, &QPlainTextEdit::textChanged, this, &JournalWindow::noteTyped);
    connect(m_saveDelay, &QTimer::timeout, this, &JournalWindow::saveNote);
    connect(m_copy, &QPushButton::clicked, this, &JournalWindow::copyDay);
    connect(m_export, &QPushButton::clicked, this, &JournalWindow::askExport);
    connect(m_backUp, &QPushButton::clicked, this, &JournalWindow::backUp);
    connect(m_import, &QPushButton::clicked, this, &JournalWindow::importFile);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void JournalWindow::load(QDate chosen)
{
    m_noteOf.reset();
    m_days->setFaceRatio(devicePixelRatioF());
    m_days->setDays(m_store.entries());
    // A journal that can never be written will not be read later either.
    const journal::Status standing = m_store.status();
    m_unread = !standing.daysRead && standing.takesNotes;
    const QList<journal::Entry> &days = m_days->days();
    if (!days.isEmpty()) {
        const QSignalBlocker quiet(m_goTo);
        m_goTo->setDateRange(days.last().day, days.first().day);
    }
    m_goTo->setEnabled(!days.isEmpty());
    showCounts();
    showSearch(m_find->text());
    selectDay(chosen);
    showStatus();
    if (m_unread)
        Q_EMIT waiting();
}

void JournalWindow::showCounts()
{
    m_calendar->setDays(m_days->days());
    m_statistics->setDays(m_days->days());
}

// Read again, the days may be others: the day chosen is found by its date.
void JournalWindow::readAgain()
{
    saveNote();
    const QDate chosen = m_noteOf ? m_days->day(*m_noteOf).day : m_today;
    load(chosen);
}

void JournalWindow::showSearch(const QString &text)
{
    saveNote();
    const std::optional<int> chosen = m_noteOf;
    m_search->search(text);
    // The chosen day stays chosen while the search finds it.
    QModelIndex row = chosen ? m_search->mapFromSource(m_days->index(*chosen)) : QModelIndex();
    if (!row.isValid())
        row = m_search->index(0, 0);
    if (row.isValid())
        m_list->setCurrentIndex(row);
    else
        clearDay();
}

void JournalWindow::selectDay(QDate day)
{
    const int row = m_days->rowOf(day);
    const QModelIndex shown =
        row >= 0 ? m_search->mapFromSource(m_days->index(row)) : QModelIndex();
    if (shown.isValid())
        m_list->setCurrentIndex(shown);
}

// A day chosen in the calendar is shown as the list shows it, even where a search hides it.
void JournalWindow::chooseFromCalendar(QDate day)
{
    if (m_days->rowOf(day) < 0)
        return;
    if (!m_search->mapFromSource(m_days->index(m_days->rowOf(day))).isValid())
        m_find->clear();
    selectDay(day);
}

// The day itself where it is listed, else the nearest listed day before it, else the oldest.
void JournalWindow::jumpTo(QDate day)
{
    const int rows = m_search->rowCount();
    int row = 0;
    while (row < rows - 1 && m_search->index(row, 0).data(JournalDayModel::DayRole).toDate() > day)
        ++row;
    if (rows > 0)
        m_list->setCurrentIndex(m_search->index(row, 0));
}

void JournalWindow::clearDay()
{
    saveNote();
    const QSignalBlocker quiet(m_note);
    m_noteOf.reset();
    for (QLabel *text : {m_date, m_cardName, m_tally, m_period, m_keywords, m_reading})
        text->clear();
    m_face->setVisible(false);
    m_cardArea->setAccessibleDescription({});
    m_noteLabel->setText(tr("Note"));
    m_note->clear();
    m_note->setPlaceholderText({});
    m_note->setAccessibleDescription({});
    m_note->setEnabled(false);
    m_copy->setEnabled(false);
}

void JournalWindow::showDay(const QModelIndex &index)
{
    const std::optional<int> row = m_search->dayRow(index);
    if (!row) {
        clearDay();
        return;
    }
    saveNote();
    const QSignalBlocker quiet(m_note);
    m_noteOf = *row;
    const journal::Entry &day = m_days->day(*row);
    const cards::Card card = cards::card(day.card);
    const QString date = journal::longDate(day.day, desktopLocale());
    m_date->setText(date);
    m_face->setCard(day.card);
    m_face->setVisible(true);
    m_cardName->setText(card.name);
    m_tally->setText(tallyText(journal::tally(m_days->days(), day.card)));
    m_period->setText(card.favourablePeriod);
    m_keywords->setText(card.keywords);
    m_reading->setText(card.description);
    // Heard as a whole when the keyboard reaches it, as it is seen: one full stop after each part.
    QStringList heard{date,          card.name,       m_tally->text(), card.favourablePeriod,
                      card.keywords, card.description};
    for (QString &part : heard) {
        while (part.endsWith(u'.'))
            part.chop(1);
    }
    m_cardArea->setAccessibleDescription(heard.join(u". "_s) + u'.');
    m_noteLabel->setText(tr("&Note for %1").arg(date));
    m_note->setAccessibleName(tr("Note for %1").arg(date));
    // The card's question prompts an empty note; a screen reader hears it as the description.
    const QString question = cards::cardQuestion(day.card);
    m_note->setPlaceholderText(question);
    m_note->setAccessibleDescription(question);
    m_note->wrapFor(day.note);
    m_note->setPlainText(day.note);
    m_noteAsRead = day.note;
    m_note->setEnabled(true);
    m_note->setReadOnly(!m_store.status().takesNotes);
    m_copy->setEnabled(true);
    m_calendar->showDay(day.day);
    const QSignalBlocker quietDate(m_goTo);
    m_goTo->setDate(day.day);
}

void JournalWindow::noteTyped()
{
    // Typing that would take the note beyond its size is taken back; what is stored is never cut.
    if (m_note->document()->characterCount() - 1 > kNoteLimit
        && m_note->document()->characterCount() - 1 > m_noteAsRead.size()) {
        const QSignalBlocker quiet(m_note);
        m_note->undo();
        sayNoteIsFull();
        return;
    }
    m_note->wrapLongLines(m_note->textCursor().block().length());
    m_noteTyped = true;
    if (!m_firstUnsaved.isValid())
        m_firstUnsaved.start();
    // Steady typing is written all the same, a few seconds after its first keystroke.
    const qint64 left = kLongestUnsavedMs - m_firstUnsaved.elapsed();
    m_saveDelay->start(static_cast<int>(std::clamp<qint64>(left, 0, kSaveDelayMs)));
}

void JournalWindow::sayNoteIsFull()
{
    say(tr("A note holds at most %L1 characters; this one has no room for more.").arg(kNoteLimit));
}

void JournalWindow::saveNote()
{
    m_saveDelay->stop();
    if (!m_noteTyped || !m_noteOf)
        return;
    m_noteTyped = false;
    m_firstUnsaved.invalidate();
    const journal::Entry day = m_days->day(*m_noteOf);
    QString note = m_note->toPlainText();
    // Another program changed the note while it was shown here: both are kept.
    const QList<journal::Entry> stored = m_store.entries({day.day, day.day});
    if (!stored.isEmpty() && stored.first().note != m_noteAsRead && stored.first().note != note) {
        const QString theirs = stored.first().note;
        if (!note.contains(theirs))
            note = theirs.isEmpty() || note.isEmpty()
                       ? theirs + note
                       : theirs + QString::fromUtf16(journal::kImportedNoteSeparator) + note;
        const QSignalBlocker quiet(m_note);
        const int position = m_note->textCursor().position();
        m_note->setPlainText(note);
        QTextCursor cursor = m_note->textCursor();
        cursor.setPosition(std::min<int>(position + static_cast<int>(note.size() - day.note.size()),
                                         static_cast<int>(note.size())));
        m_note->setTextCursor(cursor);
        m_message = tr("The note for %1 was changed elsewhere while it was open here; both are "
                       "kept.")
                        .arg(journal::longDate(day.day, desktopLocale()));
    }
    m_store.setNote(day.day, day.card, note);
    m_days->setNote(*m_noteOf, note);
    m_noteAsRead = note;
    // The calendar and the year count noted days: only a note begun or emptied changes them.
    if (day.note.trimmed().isEmpty() != note.trimmed().isEmpty())
        showCounts();
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
        text = tr("%n day(s) in the journal.", nullptr, m_days->rowCount());
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
    const journal::Entry &day = m_days->day(*m_noteOf);
    auto *copied = new QMimeData;
    copied->setText(journal::dayAsText(day, desktopLocale()));
    copied->setImageData(cards::renderCardFace(day.card, devicePixelRatioF()).toImage());
    QApplication::clipboard()->setMimeData(copied);
    say(tr("%1 is on the clipboard.").arg(journal::longDate(day.day, desktopLocale())));
}

void JournalWindow::askExport()
{
    saveNote();
    const QList<journal::Entry> &days = m_days->days();
    const QDate newest = days.isEmpty() ? m_today : days.first().day;
    const QDate oldest = days.isEmpty() ? m_today : days.last().day;
    auto *dialog = new JournalExportDialog(oldest, newest, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        exportDays(dialog->range(), dialog->format() == JournalExportDialog::Format::Csv);
    });
    dialog->open();
}

void JournalWindow::exportDays(journal::DayRange range, bool csv)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = folder + u'/' + tr("Tarvelle journal") + (csv ? u".csv"_s : u".md"_s);
    const QString path =
        m_chooseFile(this, FileUse::Export, suggested,
                     csv ? tr("CSV, comma-separated (*.csv)") : tr("Markdown (*.md)"));
    if (path.isEmpty())
        return;
    const QList<journal::Entry> days = m_store.entries(range);
    const QByteArray content =
        csv ? journal::toCsv(days) : journal::toMarkdown(days, desktopLocale()).toUtf8();
    if (const std::optional<QString> failure = journal::writeExportFile(path, content)) {
        say(tr("The journal could not be exported to %1: %2.").arg(path, *failure));
        return;
    }
    say(tr("%n day(s) exported to %1.", nullptr, static_cast<int>(days.size())).arg(path));
}

void JournalWindow::backUp()
{
    flush();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = folder + u'/' + tr("Tarvelle journal") + u' '
                              + m_today.toString(Qt::ISODate) + u".sqlite"_s;
    const QString path =
        m_chooseFile(this, FileUse::BackUp, suggested, tr("Journal backups (*.sqlite)"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> failure = m_store.backUp(path)) {
        say(tr("The journal could not be backed up to %1: %2").arg(path, *failure));
        return;
    }
    say(tr("The journal is backed up to %1.").arg(path));
}

void JournalWindow::importFile()
{
    flush();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        m_chooseFile(this, FileUse::Import, folder,
                     tr("Journal backups and exports (*.sqlite *.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    using Result = journal::ImportOutcome::Result;
    const journal::ImportOutcome outcome = m_store.importFrom(path);
    switch (outcome.result) {
    case Result::Imported:
        readAgain();
        say(tr("Imported from %1: new days %2, notes joined to the journal's own %3.")
                .arg(path)
                .arg(outcome.daysAdded)
                .arg(outcome.notesJoined));
        return;
    case Result::NotOurs:
        say(tr("%1 is neither a journal backup nor a CSV exported from the journal; "
               "nothing was changed.")
                .arg(path));
        return;
    case Result::Unreadable:
        say(tr("%1 could not be read (%2); nothing was changed.").arg(path, outcome.detail));
        return;
    case Result::Failed:
        say(tr("The journal could not take the import (%1); nothing was changed.")
                .arg(outcome.detail));
        return;
    }
}

} // namespace app
