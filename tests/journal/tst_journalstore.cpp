#include "cards/Deck.h"
#include "journal/JournalExport.h"
#include "journal/OnDemandJournalStore.h"
#include "journal/SqliteJournalModule.h"
#include "journal/SqliteJournalStore.h"

#include "RandomNotes.h"
#include "ScopedEnvironment.h"
#include "TestSeed.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using journal::Entry;
using journal::OnDemandJournalStore;
using journal::SqliteJournalStore;
using Reason = journal::Status::Reason;

class TestJournalStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void defaultPathFollowsXdgDataHome();
    void madeOnFirstUsePrivateAndVersioned();
    void programsJournalIsTheModulesOrKeepsWhatItIsGiven();
    void aDayIsRecordedOnceWithItsLatestCardAndItsNote();
    void lockedFileKeepsWhatIsTyped();
    void damagedFileIsKeptAsideAndANewOneBegins_data();
    void damagedFileIsKeptAsideAndANewOneBegins();
    void olderFormatsAreBroughtUpToDate_data();
    void olderFormatsAreBroughtUpToDate();
    void onlyAVerdictOfDamageSetsAFileAside_data();
    void onlyAVerdictOfDamageSetsAFileAside();
    void rowsThatAreNoDayAndCardAreLeftAlone();
    void whatIsMadeIsPrivate();
    void newerFormatIsLeftUntouched_data();
    void newerFormatIsLeftUntouched();
    void noDataFolderKeepsWhatIsRecorded();
    void readOnlyAndFullDiskKeepWhatIsTyped();
    void backupIsTheJournalAsCommittedWhileAnotherWrites();
    void importOfAnExportRoundTrips();
    void importOfABackupAddsMissingDaysAndJoinsNotes();
    void refusedImportChangesNothing_data();
    void refusedImportChangesNothing();

private:
    QString journalPath() const { return m_root->path() + u"/Tarvelle/journal.sqlite"_s; }
    void fillJournal(int days);

    std::unique_ptr<QTemporaryDir> m_root;
    journal::TodayFunction m_today;
};

namespace {

const QDate kToday(2026, 12, 8);

// A connection of the test's own, as another program would have one.
class OtherConnection {
public:
    explicit OtherConnection(const QString &path, const QString &options = {})
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        db.open();
    }
    ~OtherConnection() { QSqlDatabase::removeDatabase(m_name); }

    QVariant value(const QString &statement)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        if (!query.exec(statement))
            qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        return query.next() ? query.value(0) : QVariant();
    }
    // False, quietly, where SQLite refuses.
    bool tryExec(const QString &statement)
    {
        return QSqlQuery(QSqlDatabase::database(m_name)).exec(statement);
    }

private:
    QString m_name = u"other-"_s + QString::number(reinterpret_cast<quintptr>(this), 16);
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QList<Entry> entriesOf(const QString &path, const journal::TodayFunction &today)
{
    return SqliteJournalStore(path, today).entries();
}

int modeOf(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

bool writeText(const char *path, const QByteArray &text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    const bool written = fd >= 0 && ::write(fd, text.data(), text.size()) == text.size();
    if (fd >= 0)
        ::close(fd);
    return written;
}

// The child becomes root of a user and mount namespace of its own and mounts a small tmpfs on
// `folder`: a disk it may make read-only or fill, whoever runs the test.
bool mountOwnDisk(const QString &folder)
{
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray gid = QByteArray::number(::getgid());
    return ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 && writeText("/proc/self/setgroups", "deny")
           && writeText("/proc/self/uid_map", "0 " + uid + " 1")
           && writeText("/proc/self/gid_map", "0 " + gid + " 1")
           && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
           && ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=512k") == 0;
}

// What a child saw, by name.
using Report = QMap<QString, QString>;

// Runs `body` in a child process with a disk of its own on `folder` and hands back what it
// reports; only "unprepared" where no such disk can be had. Nothing of the child's reaches us.
Report reportOnOwnDisk(const QString &folder, const std::function<Report()> &body)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return {{u"unprepared"_s, u"no pipe"_s}};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        const Report seen = mountOwnDisk(folder) ? body() : Report{{u"unprepared"_s, {}}};
        QByteArray report;
        QDataStream out(&report, QIODevice::WriteOnly);
        out << seen;
        [[maybe_unused]] const ssize_t written = ::write(pipe[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(pipe[1]);
    QByteArray report;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(pipe[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, got);
    ::close(pipe[0]);
    ::waitpid(child, nullptr, 0);
    Report seen;
    QDataStream in(report);
    in >> seen;
    return seen;
}

QString said(Reason reason)
{
    return QString::number(int(reason));
}

bool remount(const QString &folder, bool readOnly)
{
    return ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs",
                   MS_REMOUNT | MS_RELATIME | (readOnly ? MS_RDONLY : 0), nullptr)
           == 0;
}

QString yesNo(bool value)
{
    return value ? u"yes"_s : u"no"_s;
}

// Runs `act` once as a journal's integrity check begins, on whichever connection of this process
// runs it: the moment another program's lock or a lack of memory would hurt the opening most.
class AtTheCheck {
public:
    explicit AtTheCheck(std::function<void()> act)
    {
        s_act = std::move(act);
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&watch));
    }
    ~AtTheCheck()
    {
        sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&watch));
        s_act = {};
    }
    AtTheCheck(const AtTheCheck &) = delete;
    AtTheCheck &operator=(const AtTheCheck &) = delete;

private:
    static int watch(sqlite3 *db, const char **, const sqlite3_api_routines *)
    {
        return sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &began, nullptr);
    }
    static int began(unsigned, void *, void *, void *text)
    {
        if (s_act && std::strstr(static_cast<const char *>(text), "quick_check"))
            std::exchange(s_act, {})();
        return 0;
    }
    static inline std::function<void()> s_act;

public:
    static bool acted() { return !s_act; }
};

enum class Hindrance { LockHeld, LockAtTheCheck, NoMemoryAtTheCheck };

} // namespace

void TestJournalStore::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_today = [] { return kToday; };
}

void TestJournalStore::fillJournal(int days)
{
    SqliteJournalStore store(journalPath(), m_today);
    for (int day = 0; day < days; ++day) {
        store.record(kToday.addDays(-day), day % 52 + 1);
        store.setNote(kToday.addDays(-day), day % 52 + 1, u"Day %1"_s.arg(day));
    }
    QVERIFY(store.status().ok());
}

void TestJournalStore::defaultPathFollowsXdgDataHome()
{
    ScopedEnvironment environment;
    environment.set("HOME", QFile::encodeName(m_root->path() + u"/home"_s));
    environment.set("XDG_DATA_HOME", QFile::encodeName(m_root->path()));
    QCOMPARE(OnDemandJournalStore::defaultPath(u"Tarvelle"_s), journalPath());
    // Relative, it would follow the working folder; unset, the default applies.
    environment.set("XDG_DATA_HOME", "relative/data");
    QCOMPARE(OnDemandJournalStore::defaultPath(u"Copy"_s),
             QDir::homePath() + u"/.local/share/Copy/journal.sqlite"_s);
    environment.unset("XDG_DATA_HOME");
    QCOMPARE(OnDemandJournalStore::defaultPath(u"Tarvelle"_s),
             m_root->path() + u"/home/.local/share/Tarvelle/journal.sqlite"_s);
}

void TestJournalStore::madeOnFirstUsePrivateAndVersioned()
{
    {
        SqliteJournalStore store(journalPath(), m_today);
        QVERIFY(store.status().ok());
        QVERIFY(!QFileInfo::exists(QFileInfo(journalPath()).path()));
        QVERIFY(store.entries().isEmpty());
    }
    QCOMPARE(modeOf(QFileInfo(journalPath()).path()), 0700);
    QCOMPARE(modeOf(journalPath()), 0600);
    OtherConnection file(journalPath());
    QCOMPARE(file.value(u"PRAGMA user_version"_s).toInt(), SqliteJournalStore::kFormat);
    QCOMPARE(file.value(u"SELECT count(*) FROM days"_s).toInt(), 0);
}

void TestJournalStore::programsJournalIsTheModulesOrKeepsWhatItIsGiven()
{
    const QDir nowhere(m_root->filePath(u"no-module"_s));
    OnDemandJournalStore journal(journalPath(), m_today,
                                 {nowhere.path(), QStringLiteral(SQLITE_MODULE_DIR)});
    QVERIFY(!QFileInfo::exists(journalPath()));
    journal.record(kToday, 7);
    journal.setNote(kToday, 7, u"Frost on the fence"_s);
    QVERIFY(journal.status().ok());
    QCOMPARE(entriesOf(journalPath(), m_today),
             QList<Entry>{(Entry{kToday, 7, u"Frost on the fence"_s})});
    // Backup and import reach the module's file too.
    const QString backup = m_root->filePath(u"backup.sqlite"_s);
    QVERIFY(!journal.backUp(backup));
    QCOMPARE(entriesOf(backup, m_today), entriesOf(journalPath(), m_today));

    // Without its module the journal says why and what it keeps, and loses nothing meanwhile.
    const QString elsewhere = m_root->filePath(u"other/journal.sqlite"_s);
    OnDemandJournalStore lost(elsewhere, m_today, {nowhere.path()});
    lost.record(kToday, 12);
    QVERIFY(!lost.flush());
    QCOMPARE(lost.status().reason, Reason::ModuleMissing);
    QVERIFY(lost.status().problem.contains(QLatin1StringView(journal::sqlite_module::FileName)));
    QVERIFY(!lost.status().takesNotes);
    QCOMPARE(lost.entries(), QList<Entry>{(Entry{kToday, 12, {}})});
    QCOMPARE(lost.importFrom(backup).result, journal::ImportOutcome::Result::Failed);
    QVERIFY(lost.backUp(m_root->filePath(u"other-backup.sqlite"_s)).has_value());
    QVERIFY(!QFileInfo::exists(m_root->filePath(u"other-backup.sqlite"_s)));
    QVERIFY(!QFileInfo::exists(elsewhere));
}

void TestJournalStore::aDayIsRecordedOnceWithItsLatestCardAndItsNote()
{
    // Random draws and notes over a few days, so that days are drawn again (a clock set back),
    // checked against a plain model after each reopening of the file.
    QRandomGenerator random(testSeed());
    QMap<QDate, Entry> model;
    auto store = std::make_unique<SqliteJournalStore>(journalPath(), m_today);
    for (int step = 0; step < 60; ++step) {
        const QDate day = kToday.addDays(-random.bounded(8));
        if (random.bounded(2) == 0 || !model.contains(day)) {
            const int card = random.bounded(1, 53);
            store->record(day, card);
            model[day].day = day;
            model[day].card = card;
        } else {
            const QString note = randomNote(random);
            store->setNote(day, model[day].card, note);
            model[day].note = note;
        }
        if (step % 15 == 14)
            store = std::make_unique<SqliteJournalStore>(journalPath(), m_today);
        QList<Entry> expected = model.values();
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(store->entries(), expected);
    }
    // A note of megabytes, in several scripts, comes back whole.
    QString longNote;
    while (longNote.size() < 3'000'000)
        longNote += randomNote(random, 200);
    store->setNote(model.firstKey(), model.first().card, longNote);
    store.reset();
    QCOMPARE(entriesOf(journalPath(), m_today).last().note, longNote);
    QVERIFY(!SqliteJournalStore(journalPath(), m_today).hasPending());
}

void TestJournalStore::lockedFileKeepsWhatIsTyped()
{
    fillJournal(3);
    SqliteJournalStore store(journalPath(), m_today);
    QCOMPARE(store.entries().size(), 3);
    {
        OtherConnection other(journalPath());
        other.value(u"BEGIN EXCLUSIVE"_s);
        store.setNote(kToday, 1, u"Typed while another program held the file"_s);
        store.record(kToday.addDays(1), 9);
        QVERIFY(store.hasPending());
        QCOMPARE(store.status().reason, Reason::InUse);
        QVERIFY(!store.status().kept.isEmpty());
        // Read meanwhile, only what waits shows, and the window is told the days are unread.
        QCOMPARE(store.entries().size(), 2);
        QVERIFY(!store.status().daysRead);
        other.value(u"COMMIT"_s);
    }
    QVERIFY(store.flush());
    QCOMPARE(store.entries().size(), 4);
    QVERIFY(store.status().ok());
    QVERIFY(store.status().daysRead);
    const QList<Entry> days = entriesOf(journalPath(), m_today);
    QCOMPARE(days.size(), 4);
    QCOMPARE(days.at(0), (Entry{kToday.addDays(1), 9, {}}));
    QCOMPARE(days.at(1).note, u"Typed while another program held the file"_s);
}

void TestJournalStore::damagedFileIsKeptAsideAndANewOneBegins_data()
{
    QTest::addColumn<std::function<void(const QString &)>>("damage");
    QTest::newRow("not a database") << std::function<void(const QString &)>(
        [](const QString &p) { writeFile(p, QByteArray(5000, '\x5a') + "no SQLite here"); });
    QTest::newRow("cut short") << std::function<void(const QString &)>([](const QString &p) {
        QFile file(p);
        QVERIFY(file.resize(file.size() / 3));
    });
    QTest::newRow("a page overwritten")
        << std::function<void(const QString &)>([](const QString &p) {
               QFile file(p);
               QVERIFY(file.open(QIODevice::ReadWrite));
               file.seek(4096 + 8);
               file.write(QByteArray(2000, '\xff'));
           });
    QTest::newRow("somebody else's database")
        << std::function<void(const QString &)>([](const QString &p) {
               QFile::remove(p);
               OtherConnection(p).value(u"CREATE TABLE recipes (name TEXT)"_s);
           });
}

void TestJournalStore::damagedFileIsKeptAsideAndANewOneBegins()
{
    QFETCH(std::function<void(const QString &)>, damage);
    fillJournal(20);
    damage(journalPath());
    const QByteArray damaged = contents(journalPath());
    const QString aside = m_root->path() + u"/Tarvelle/journal-damaged-2026-12-08.sqlite"_s;
    {
        SqliteJournalStore store(journalPath(), m_today);
        store.record(kToday, 7);
        QCOMPARE(store.entries(), (QList<Entry>{{kToday, 7, {}}}));
        QCOMPARE(store.status().reason, Reason::SetAside);
        QVERIFY2(store.status().problem.contains(aside), qPrintable(store.status().problem));
    }
    QCOMPARE(contents(aside), damaged);
    // Told at every start until the user has been shown it.
    const QString notice = m_root->path() + u"/Tarvelle/journal-set-aside.txt"_s;
    QCOMPARE(modeOf(notice), 0600);
    for (const bool shown : {false, true}) {
        SqliteJournalStore restarted(journalPath(), m_today);
        QCOMPARE(restarted.entries(), (QList<Entry>{{kToday, 7, {}}}));
        QCOMPARE(restarted.status().notice, !shown);
        QCOMPARE(restarted.status().reason, shown ? Reason::None : Reason::SetAside);
        QCOMPARE(restarted.status().problem.contains(aside), !shown);
        restarted.noticeShown();
    }
    QVERIFY(!QFileInfo::exists(notice));

    // Damaged again the same day while open, a note being typed: the first file kept aside stays
    // as it was, and the note lands in the new journal with its day.
    SqliteJournalStore store(journalPath(), m_today);
    QCOMPARE(store.entries().size(), 1);
    writeFile(journalPath(), "garbage again");
    store.setNote(kToday, 7, u"Typed as it broke"_s);
    QCOMPARE(entriesOf(journalPath(), m_today),
             (QList<Entry>{{kToday, 7, u"Typed as it broke"_s}}));
    QCOMPARE(contents(aside), damaged);
    QCOMPARE(contents(m_root->path() + u"/Tarvelle/journal-damaged-2026-12-08-2.sqlite"_s),
             QByteArray("garbage again"));
}

void TestJournalStore::olderFormatsAreBroughtUpToDate_data()
{
    // A file of each format before this one, as that version left it, and of none: a new format
    // adds its predecessor here.
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<int>("days");
    const QString ours = u"CREATE TABLE days ("
                         u" day TEXT PRIMARY KEY NOT NULL CHECK (date(day) IS day),"
                         u" card INTEGER NOT NULL CHECK (card BETWEEN 1 AND 52),"
                         u" note TEXT NOT NULL DEFAULT '') WITHOUT ROWID"_s;
    const QString rows = u"INSERT INTO days VALUES ('2026-12-06', 51, 'Old'), "
                         u"('2026-12-07', 2, '')"_s;
    QTest::newRow("no format, no tables") << QStringList{u"VACUUM"_s} << 0;
    QTest::newRow("this format, its table gone") << QStringList{u"PRAGMA user_version = 1"_s} << 0;
    // SQLite's .dump keeps the tables and drops the number.
    QTest::newRow("no format, restored from a dump") << QStringList{ours, rows} << 2;
    QTest::newRow("no format, its table made by hand")
        << QStringList{u"CREATE TABLE days (day TEXT PRIMARY KEY, card INTEGER, note TEXT)"_s, rows}
        << 2;
}

void TestJournalStore::olderFormatsAreBroughtUpToDate()
{
    QFETCH(QStringList, made);
    QFETCH(int, days);
    const QString folder = QFileInfo(journalPath()).path();
    QVERIFY(QDir().mkpath(folder));
    {
        OtherConnection older(journalPath());
        for (const QString &statement : std::as_const(made))
            older.value(statement);
    }
    const QList<Entry> before = {{QDate(2026, 12, 7), 2, {}}, {QDate(2026, 12, 6), 51, u"Old"_s}};
    {
        SqliteJournalStore store(journalPath(), m_today);
        QCOMPARE(store.entries(), before.mid(0, days));
        store.setNote(kToday, 8, u"After the change"_s);
        QVERIFY2(store.status().ok(), qPrintable(store.status().problem));
    }
    QCOMPARE(entriesOf(journalPath(), m_today),
             (QList<Entry>{{kToday, 8, u"After the change"_s}} + before.mid(0, days)));
    QCOMPARE(OtherConnection(journalPath()).value(u"PRAGMA user_version"_s).toInt(),
             SqliteJournalStore::kFormat);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{u"journal.sqlite"_s});
}

void TestJournalStore::onlyAVerdictOfDamageSetsAFileAside_data()
{
    QTest::addColumn<Hindrance>("hindrance");
    QTest::newRow("a lock held through the opening") << Hindrance::LockHeld;
    QTest::newRow("a lock taken as the check begins") << Hindrance::LockAtTheCheck;
    QTest::newRow("memory running out in the check") << Hindrance::NoMemoryAtTheCheck;
}

void TestJournalStore::onlyAVerdictOfDamageSetsAFileAside()
{
    QFETCH(Hindrance, hindrance);
    fillJournal(3);
    const QString folder = QFileInfo(journalPath()).path();
    const QStringList files = QDir(folder).entryList(QDir::Files);
    // Another program that waits for no one.
    OtherConnection other(journalPath(), u"QSQLITE_BUSY_TIMEOUT=0"_s);
    const auto lock = [&] { other.tryExec(u"BEGIN EXCLUSIVE"_s); };
    SqliteJournalStore store(journalPath(), m_today);
    {
        AtTheCheck hinder([&] {
            if (hindrance == Hindrance::LockAtTheCheck)
                lock();
            else if (hindrance == Hindrance::NoMemoryAtTheCheck)
                sqlite3_hard_heap_limit64(1);
        });
        if (hindrance == Hindrance::LockHeld)
            lock();
        store.entries();
        sqlite3_hard_heap_limit64(0);
        QCOMPARE(hinder.acted(), hindrance != Hindrance::LockHeld);
    }
    // Whatever it said meanwhile, it said "not now".
    QVERIFY2(store.status().reason != Reason::SetAside && store.status().reason != Reason::Damaged,
             qPrintable(store.status().problem));
    if (hindrance == Hindrance::LockHeld)
        QCOMPARE(store.status().reason, Reason::InUse);
    other.tryExec(u"ROLLBACK"_s);
    QCOMPARE(store.entries().size(), 3);
    QVERIFY(store.status().ok());
    QCOMPARE(QDir(folder).entryList(QDir::Files), files);
}

void TestJournalStore::rowsThatAreNoDayAndCardAreLeftAlone()
{
    fillJournal(3);
    OtherConnection other(journalPath());
    other.value(u"PRAGMA ignore_check_constraints = ON"_s);
    other.value(u"INSERT INTO days VALUES ('2026-12-08 ', 3, 'A space after'), "
                u"('2026-12-08T12:00', 4, 'A time after'), ('2026-02-30', 5, 'No such day'), "
                u"(20261204, 6, 'A number'), ('2026-12-01', 60, 'No such card'), "
                u"('2026-12-02', 7.5, 'Half a card')"_s);
    other.value(u"PRAGMA ignore_check_constraints = OFF"_s);
    // Every row but those of the real days written below, with the types of their values.
    const QString othersThanToday =
        u"SELECT group_concat(quote(day) || quote(card) || quote(note), ';') FROM days "
        u"WHERE day IS NOT '2026-12-08' AND day NOT IN ('2026-12-01', '2026-12-07', '2026-12-06')"_s;
    const QString untouched = other.value(othersThanToday).toString();
    QCOMPARE(untouched.count(u';'), 4);

    // The file is kept; only the days that are days with a card are listed.
    SqliteJournalStore store(journalPath(), m_today);
    const QList<Entry> days = store.entries();
    QVERIFY2(store.status().ok(), qPrintable(store.status().problem));
    QCOMPARE(days, (QList<Entry>{{kToday, 1, u"Day 0"_s},
                                 {kToday.addDays(-1), 2, u"Day 1"_s},
                                 {kToday.addDays(-2), 3, u"Day 2"_s}}));
    // The real day's note is its own, and typing it leaves the days like it alone; a day whose
    // card is none takes the one its note was written for.
    store.setNote(kToday, 1, u"The real day"_s);
    store.setNote(QDate(2026, 12, 1), 9, u"Mended"_s);
    QVERIFY(store.status().ok());
    QCOMPARE(store.entries().first(), (Entry{kToday, 1, u"The real day"_s}));
    QCOMPARE(store.entries().last(), (Entry{QDate(2026, 12, 1), 9, u"Mended"_s}));
    QCOMPARE(other.value(othersThanToday).toString(), untouched);
}

void TestJournalStore::whatIsMadeIsPrivate()
{
    // Made through a link to a file not there yet, the journal is made at the link's target.
    const mode_t umaskBefore = ::umask(022);
    const QString target = m_root->filePath(u"elsewhere/journal.sqlite"_s);
    QVERIFY(QDir().mkpath(QFileInfo(target).path()));
    QVERIFY(QDir().mkpath(QFileInfo(journalPath()).path()));
    QVERIFY(QFile::link(target, journalPath()));
    {
        SqliteJournalStore store(journalPath(), m_today);
        store.record(kToday, 5);
        QVERIFY(store.status().ok());
    }
    QVERIFY(QFileInfo(journalPath()).isSymLink());
    QCOMPARE(modeOf(target), 0600);
    // Restored by hand, readable by others, kept with a write-ahead log: private again, and so
    // what SQLite makes beside it.
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                              | QFile::ReadOther));
    OtherConnection(target).value(u"PRAGMA journal_mode = WAL"_s);
    {
        SqliteJournalStore store(journalPath(), m_today);
        store.record(kToday.addDays(1), 6);
        QVERIFY(store.status().ok());
        for (const QString &file : {target, target + u"-wal"_s, target + u"-shm"_s})
            QCOMPARE(modeOf(file), 0600);
    }
    ::umask(umaskBefore);
    QCOMPARE(entriesOf(journalPath(), m_today).size(), 2);
}

void TestJournalStore::newerFormatIsLeftUntouched_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("readable");
    QTest::newRow("days with more in them")
        << u"CREATE TABLE days (day TEXT PRIMARY KEY, card INTEGER, note TEXT, mood TEXT)"_s << 1;
    QTest::newRow("days kept another way") << u"CREATE TABLE cards_by_day (d, c)"_s << 0;
}

void TestJournalStore::newerFormatIsLeftUntouched()
{
    QFETCH(QString, table);
    QFETCH(int, readable);
    QVERIFY(QDir().mkpath(QFileInfo(journalPath()).path()));
    {
        OtherConnection newer(journalPath());
        newer.value(table);
        if (readable)
            newer.value(u"INSERT INTO days VALUES ('2026-12-07', 4, 'Kept', 'calm')"_s);
        newer.value(u"PRAGMA user_version = 2"_s);
    }
    const QByteArray before = contents(journalPath());
    const QStringList files = QDir(QFileInfo(journalPath()).path()).entryList(QDir::Files);
    {
        SqliteJournalStore store(journalPath(), m_today);
        store.record(kToday, 12);
        store.setNote(kToday, 12, u"Nowhere to go"_s);
        QVERIFY(store.hasPending());
        const QList<Entry> days = store.entries();
        QCOMPARE(days.size(), 1 + readable);
        QCOMPARE(days.first(), (Entry{kToday, 12, u"Nowhere to go"_s}));
        if (readable)
            QCOMPARE(days.last(), (Entry{QDate(2026, 12, 7), 4, u"Kept"_s}));
        QCOMPARE(store.status().reason, Reason::NewerFormat);
        QVERIFY(!store.status().takesNotes);
        QVERIFY(!store.flush());
    }
    QCOMPARE(contents(journalPath()), before);
    QCOMPARE(QDir(QFileInfo(journalPath()).path()).entryList(QDir::Files), files);
}

void TestJournalStore::noDataFolderKeepsWhatIsRecorded()
{
    // A file where the data folder should be: no journal at all, whoever runs the test.
    writeFile(m_root->path() + u"/Tarvelle"_s, "a file, not a folder");
    SqliteJournalStore store(journalPath(), m_today);
    store.record(kToday, 30);
    QCOMPARE(store.entries(), (QList<Entry>{{kToday, 30, {}}}));
    QCOMPARE(store.status().reason, Reason::NoFolder);
    QVERIFY(store.hasPending());
}

void TestJournalStore::readOnlyAndFullDiskKeepWhatIsTyped()
{
    // A disk of the test's own, made read-only (which root cannot write to either) and filled.
    const QString folder = QFileInfo(journalPath()).path();
    QVERIFY(QDir().mkpath(folder));
    // Ten years of long notes, more than the full disk takes: its import fails part of the way.
    const QString import = m_root->filePath(u"import.csv"_s);
    {
        QList<Entry> many;
        for (int day = 1; day <= 3650; ++day)
            many.append({kToday.addDays(-day), day % 52 + 1, QString(200, u'ж')});
        writeFile(import, journal::toCsv(many));
    }
    const Report report = reportOnOwnDisk(folder, [&] {
        Report seen;
        // No journal can be made yet: the day waits until the disk takes it.
        remount(folder, true);
        {
            SqliteJournalStore store(journalPath(), m_today);
            store.record(kToday, 40);
            seen[u"unmade: reason"_s] = said(store.status().reason);
            seen[u"unmade: day shown"_s] = yesNo(store.entries().value(0).card == 40);
            remount(folder, false);
            seen[u"unmade: written later"_s] = yesNo(store.flush());
        }
        // A journal there already: its days are read, what is typed waits.
        remount(folder, true);
        {
            SqliteJournalStore store(journalPath(), m_today);
            store.setNote(kToday, 40, u"While read-only"_s);
            seen[u"read-only: reason"_s] = said(store.status().reason);
            seen[u"read-only: note shown"_s] = store.entries().value(0).note;
            remount(folder, false);
            seen[u"read-only: written later"_s] = yesNo(store.flush());
        }
        seen[u"read-only: note kept"_s] = entriesOf(journalPath(), m_today).value(0).note;
        // A full disk: a long note waits until room is made; a backup there leaves nothing, and
        // an import that runs out of room halfway leaves the journal as it was.
        const QString filler = folder + u"/filler"_s;
        {
            QFile fill(filler);
            fill.open(QIODevice::WriteOnly);
            const QByteArray block(4096, 'x');
            while (fill.write(block) == block.size() && fill.flush()) {
            }
        }
        const QString longNote = QString(200'000, u'ж');
        {
            SqliteJournalStore store(journalPath(), m_today);
            const QList<Entry> before = store.entries();
            const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            const std::optional<QString> backup = store.backUp(folder + u"/backup.sqlite"_s);
            seen[u"full: backup refused, nothing left"_s] =
                yesNo(backup && QDir(folder).entryList(QDir::Files | QDir::Hidden) == files);
            // Room for the import to begin, not to end.
            QFile(filler).resize(QFileInfo(filler).size() - 64 * 1024);
            const journal::ImportOutcome imported = store.importFrom(import);
            seen[u"full: import failed"_s] =
                yesNo(imported.result == journal::ImportOutcome::Result::Failed);
            seen[u"full: import changed nothing"_s] =
                yesNo(entriesOf(journalPath(), m_today) == before);
            store.setNote(kToday, 40, longNote);
            seen[u"full: reason"_s] = said(store.status().reason);
            seen[u"full: note shown"_s] = yesNo(store.entries().value(0).note == longNote);
            QFile::remove(filler);
            seen[u"full: written later"_s] = yesNo(store.flush());
        }
        seen[u"full: note kept"_s] =
            yesNo(entriesOf(journalPath(), m_today).value(0).note == longNote);
        return seen;
    });
    if (report.contains(u"unprepared"_s))
        QSKIP("no user and mount namespaces here");
    QCOMPARE(report.value(u"unmade: reason"_s), said(Reason::ReadOnly));
    QCOMPARE(report.value(u"read-only: reason"_s), said(Reason::ReadOnly));
    QCOMPARE(report.value(u"full: reason"_s), said(Reason::Full));
    for (const QString &key : {u"read-only: note shown"_s, u"read-only: note kept"_s})
        QCOMPARE(report.value(key), u"While read-only"_s);
    for (const QString &key :
         {u"unmade: day shown"_s, u"unmade: written later"_s, u"read-only: written later"_s,
          u"full: note shown"_s, u"full: backup refused, nothing left"_s, u"full: import failed"_s,
          u"full: import changed nothing"_s, u"full: written later"_s, u"full: note kept"_s})
        QVERIFY2(report.value(key) == u"yes"_s, qPrintable(key));
}

void TestJournalStore::backupIsTheJournalAsCommittedWhileAnotherWrites()
{
    fillJournal(30);
    const QList<Entry> committed = entriesOf(journalPath(), m_today);
    const QString backup = m_root->filePath(u"backup.sqlite"_s);
    SqliteJournalStore store(journalPath(), m_today);
    {
        // Another program midway through a transaction: the copy holds none of it, and the
        // store's own note, which cannot be written meanwhile, waits.
        OtherConnection other(journalPath(), u"QSQLITE_BUSY_TIMEOUT=0"_s);
        other.value(u"BEGIN IMMEDIATE"_s);
        other.value(u"INSERT INTO days VALUES ('2027-01-01', 5, 'Not yet')"_s);
        other.value(u"UPDATE days SET note = 'Half written' WHERE day = '2026-12-01'"_s);
        store.setNote(kToday, 1, u"Waiting"_s);
        QVERIFY(store.hasPending());
        const std::optional<QString> failed = store.backUp(backup);
        QVERIFY2(!failed, qPrintable(failed.value_or(QString())));
        QCOMPARE(entriesOf(backup, m_today), committed);
        QCOMPARE(OtherConnection(backup).value(u"PRAGMA user_version"_s).toInt(),
                 SqliteJournalStore::kFormat);
        QCOMPARE(modeOf(backup), 0600);

        // While it holds the file whole, no copy is made and the one there stays as it was.
        const QByteArray before = contents(backup);
        QVERIFY(other.tryExec(u"PRAGMA locking_mode = EXCLUSIVE"_s));
        QVERIFY(other.tryExec(u"UPDATE days SET card = 9 WHERE day = '2026-12-02'"_s));
        QVERIFY(other.tryExec(u"COMMIT"_s));
        QVERIFY(store.backUp(backup).has_value());
        QCOMPARE(contents(backup), before);
        QCOMPARE(QDir(m_root->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"backup.sqlite"_s});
    }
    // Free again: what waited is written first and is in the copy.
    QVERIFY(!store.backUp(backup));
    QVERIFY(!store.hasPending());
    QCOMPARE(entriesOf(backup, m_today), entriesOf(journalPath(), m_today));
    QCOMPARE(entriesOf(backup, m_today).value(1), (Entry{kToday, 1, u"Waiting"_s}));
    QVERIFY(store.backUp(m_root->filePath(u"no/such/folder/backup.sqlite"_s)).has_value());
    // Asked to copy onto itself, it refuses, and what it writes next still reaches the file.
    QVERIFY(store.backUp(journalPath()).has_value());
    store.record(QDate(2030, 1, 1), 3);
    QCOMPARE(entriesOf(journalPath(), m_today).first(), (Entry{QDate(2030, 1, 1), 3, {}}));
}

void TestJournalStore::importOfAnExportRoundTrips()
{
    QRandomGenerator random(testSeed());
    QList<Entry> days;
    for (int day = 0; day < 200; ++day)
        days.append({kToday.addDays(-day), random.bounded(1, 53), randomNote(random)});
    const QString csv = m_root->filePath(u"export.csv"_s);
    writeFile(csv, journal::toCsv(days));

    SqliteJournalStore store(journalPath(), m_today);
    const journal::ImportOutcome first = store.importFrom(csv);
    QCOMPARE(first.result, journal::ImportOutcome::Result::Imported);
    QCOMPARE(first.daysAdded, int(days.size()));
    QCOMPARE(first.notesJoined, 0);
    // Notes of white space only or empty come back as written, as every other.
    QCOMPARE(entriesOf(journalPath(), m_today), days);
    // Taken twice, nothing is added or joined twice.
    const journal::ImportOutcome again = store.importFrom(csv);
    QCOMPARE(again.result, journal::ImportOutcome::Result::Imported);
    QCOMPARE(again.daysAdded + again.notesJoined, 0);
    QCOMPARE(entriesOf(journalPath(), m_today), days);
}

void TestJournalStore::importOfABackupAddsMissingDaysAndJoinsNotes()
{
    // The backup of a journal of format 0 (restored from a dump), as it was in another place.
    const QString backup = m_root->filePath(u"older.sqlite"_s);
    {
        OtherConnection older(backup);
        older.value(u"CREATE TABLE days (day TEXT PRIMARY KEY, card INTEGER, note TEXT)"_s);
        older.value(u"INSERT INTO days VALUES ('2026-12-01', 11, 'Only there'), "
                    u"('2026-12-02', 12, 'Theirs'), ('2026-12-03', 13, 'Same'), "
                    u"('2026-12-04', 14, ''), ('2026-12-05', 60, 'No such card')"_s);
    }
    const QByteArray untouched = contents(backup);
    SqliteJournalStore store(journalPath(), m_today);
    store.record(QDate(2026, 12, 2), 22);
    store.setNote(QDate(2026, 12, 2), 22, u"Mine"_s);
    store.setNote(QDate(2026, 12, 3), 23, u"Same"_s);
    store.setNote(QDate(2026, 12, 4), 24, u"Kept"_s);
    store.record(kToday, 1);

    const journal::ImportOutcome outcome = store.importFrom(backup);
    QCOMPARE(outcome.result, journal::ImportOutcome::Result::Imported);
    QCOMPARE(outcome.daysAdded, 1);
    QCOMPARE(outcome.notesJoined, 1);
    QCOMPARE(entriesOf(journalPath(), m_today),
             (QList<Entry>{{kToday, 1, {}},
                           {QDate(2026, 12, 4), 24, u"Kept"_s},
                           {QDate(2026, 12, 3), 23, u"Same"_s},
                           {QDate(2026, 12, 2), 22, u"Mine\n\nTheirs"_s},
                           {QDate(2026, 12, 1), 11, u"Only there"_s}}));
    QCOMPARE(contents(backup), untouched);
    QCOMPARE(QDir(m_root->path()).entryList(QDir::Files), QStringList{u"older.sqlite"_s});
}

void TestJournalStore::refusedImportChangesNothing_data()
{
    QTest::addColumn<std::function<void(const QString &)>>("make");
    QTest::addColumn<journal::ImportOutcome::Result>("result");
    using Result = journal::ImportOutcome::Result;
    const auto sql = [](const QStringList &statements) {
        return std::function<void(const QString &)>([statements](const QString &path) {
            OtherConnection made(path);
            for (const QString &statement : statements)
                made.value(statement);
        });
    };
    const auto bytes = [](const QByteArray &text) {
        return std::function<void(const QString &)>(
            [text](const QString &path) { writeFile(path, text); });
    };
    QTest::newRow("somebody else's database")
        << sql({u"CREATE TABLE recipes (name TEXT)"_s}) << Result::NotOurs;
    QTest::newRow("a journal of a newer format")
        << sql({u"CREATE TABLE days (day TEXT PRIMARY KEY, card INTEGER, note TEXT)"_s,
                u"INSERT INTO days VALUES ('2026-11-01', 3, 'From the future')"_s,
                u"PRAGMA user_version = 99"_s})
        << Result::NotOurs;
    const QByteArray ace = cards::cardName(1).toUtf8();
    QTest::newRow("an empty database") << sql({u"VACUUM"_s}) << Result::NotOurs;
    QTest::newRow("another CSV") << bytes("Name,Price\r\nTea,3\r\n") << Result::NotOurs;
    QTest::newRow("ours, one line broken")
        << bytes("Date,Card,Note\r\n2026-11-01," + ace + ",Fine\r\n2026-11-02,Joker,\r\n")
        << Result::NotOurs;
    QTest::newRow("a picture") << bytes(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, 0))
                               << Result::NotOurs;
    QTest::newRow("a damaged journal")
        << std::function<void(const QString &)>([](const QString &path) {
               {
                   OtherConnection made(path);
                   made.value(u"CREATE TABLE days (day TEXT PRIMARY KEY, card, note)"_s);
                   made.value(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                              u"WHERE i < 400) INSERT INTO days SELECT date('2000-01-01', i || "
                              u"' days'), 1, hex(randomblob(300)) FROM n"_s);
               }
               QFile file(path);
               QVERIFY(file.open(QIODevice::ReadWrite));
               file.seek(3 * 4096);
               file.write(QByteArray(4096 * 4, '\xff'));
           })
        << Result::Unreadable;
    QTest::newRow("nothing there")
        << std::function<void(const QString &)>([](const QString &) {}) << Result::Unreadable;
    // Ours, but the journal is held by another program throughout.
    QTest::newRow("the journal locked")
        << bytes("Date,Card,Note\r\n2026-11-01," + ace + ",Fine\r\n") << Result::Failed;
}

void TestJournalStore::refusedImportChangesNothing()
{
    QFETCH(std::function<void(const QString &)>, make);
    QFETCH(journal::ImportOutcome::Result, result);
    fillJournal(5);
    const QString import = m_root->filePath(u"import"_s);
    make(import);
    const QByteArray journalBefore = contents(journalPath());
    const QByteArray importBefore = contents(import);
    SqliteJournalStore store(journalPath(), m_today);
    const QList<Entry> before = store.entries();
    OtherConnection other(journalPath(), u"QSQLITE_BUSY_TIMEOUT=0"_s);
    if (result == journal::ImportOutcome::Result::Failed)
        other.value(u"BEGIN EXCLUSIVE"_s);
    const journal::ImportOutcome outcome = store.importFrom(import);
    other.tryExec(u"ROLLBACK"_s);
    QCOMPARE(outcome.result, result);
    QVERIFY(!outcome.detail.isEmpty());
    QCOMPARE(outcome.daysAdded + outcome.notesJoined, 0);
    QCOMPARE(store.entries(), before);
    QCOMPARE(contents(journalPath()), journalBefore);
    QCOMPARE(contents(import), importBefore);
}

QTEST_GUILESS_MAIN(TestJournalStore)
#include "tst_journalstore.moc"
