#include "journal/OnDemandJournalStore.h"
#include "journal/SqliteJournalStore.h"

#include "FakeClock.h"
#include "RandomNotes.h"
#include "ScopedEnvironment.h"
#include "TestSeed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using journal::Entry;
using journal::OnDemandJournalStore;
using journal::SqliteJournalStore;

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
    void newerFormatIsLeftUntouched_data();
    void newerFormatIsLeftUntouched();
    void noDataFolderKeepsWhatIsRecorded();
    void readOnlyAndFullDiskKeepWhatIsTyped();

private:
    QString journalPath() const { return m_root->path() + u"/Tarvelle/journal.sqlite"_s; }
    void fillJournal(int days);

    std::unique_ptr<QTemporaryDir> m_root;
    FakeClock m_clock;
};

namespace {

const QDate kToday(2026, 12, 8);

// A connection of the test's own, as another program would have one.
class OtherConnection {
public:
    explicit OtherConnection(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(path);
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

QList<Entry> entriesOf(const QString &path, const services::Clock &clock)
{
    return SqliteJournalStore(path, clock).entries();
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

// Runs `body` in a child process with a disk of its own on `folder` and hands back the lines it
// reports; only "unprepared" where no such disk can be had. Nothing of the child's reaches us.
QStringList reportOnOwnDisk(const QString &folder, const std::function<QStringList()> &body)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return {u"no pipe"_s};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        const QByteArray report =
            (mountOwnDisk(folder) ? body() : QStringList{u"unprepared"_s}).join(u'\n').toUtf8();
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
    return QString::fromUtf8(report).split(u'\n');
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

} // namespace

void TestJournalStore::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_clock.current = QDateTime(kToday, QTime(7, 0));
}

void TestJournalStore::fillJournal(int days)
{
    SqliteJournalStore store(journalPath(), m_clock);
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
        SqliteJournalStore store(journalPath(), m_clock);
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
    OnDemandJournalStore journal(journalPath(), m_clock,
                                 {nowhere.path(), QStringLiteral(SQLITE_MODULE_DIR)});
    QVERIFY(!journal.exists());
    journal.record(kToday, 7);
    journal.setNote(kToday, 7, u"Frost on the fence"_s);
    QVERIFY(journal.status().ok());
    QVERIFY(journal.exists());
    QCOMPARE(entriesOf(journalPath(), m_clock),
             QList<Entry>{(Entry{kToday, 7, u"Frost on the fence"_s})});

    // Without its module the journal says why and what it keeps, and loses nothing meanwhile.
    const QString elsewhere = m_root->filePath(u"other/journal.sqlite"_s);
    OnDemandJournalStore lost(elsewhere, m_clock, {nowhere.path()});
    lost.record(kToday, 12);
    QVERIFY(!lost.flush());
    QVERIFY(lost.status().problem.contains(u"tarvelle-sqlite-journal.so is not installed"_s));
    QVERIFY(!lost.status().takesNotes);
    QCOMPARE(lost.entries(), QList<Entry>{(Entry{kToday, 12, {}})});
    QVERIFY(!lost.exists());
}

void TestJournalStore::aDayIsRecordedOnceWithItsLatestCardAndItsNote()
{
    // Random draws and notes over a few days, so that days are drawn again (a clock set back),
    // checked against a plain model after each reopening of the file.
    QRandomGenerator random(testSeed());
    QMap<QDate, Entry> model;
    auto store = std::make_unique<SqliteJournalStore>(journalPath(), m_clock);
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
            store = std::make_unique<SqliteJournalStore>(journalPath(), m_clock);
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
    QCOMPARE(entriesOf(journalPath(), m_clock).last().note, longNote);
    QVERIFY(!SqliteJournalStore(journalPath(), m_clock).hasPending());
}

void TestJournalStore::lockedFileKeepsWhatIsTyped()
{
    fillJournal(3);
    SqliteJournalStore store(journalPath(), m_clock);
    QCOMPARE(store.entries().size(), 3);
    {
        OtherConnection other(journalPath());
        other.value(u"BEGIN EXCLUSIVE"_s);
        store.setNote(kToday, 1, u"Typed while another program held the file"_s);
        store.record(kToday.addDays(1), 9);
        QVERIFY(store.hasPending());
        QVERIFY2(store.status().problem.contains(u"in use by another program"_s),
                 qPrintable(store.status().problem));
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
    const QList<Entry> days = entriesOf(journalPath(), m_clock);
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
        SqliteJournalStore store(journalPath(), m_clock);
        store.record(kToday, 7);
        QCOMPARE(store.entries(), (QList<Entry>{{kToday, 7, {}}}));
        QVERIFY2(store.status().problem.contains(aside), qPrintable(store.status().problem));
    }
    QCOMPARE(contents(aside), damaged);
    QCOMPARE(entriesOf(journalPath(), m_clock), (QList<Entry>{{kToday, 7, {}}}));

    // Damaged again the same day while open, a note being typed: the first file kept aside stays
    // as it was, and the note lands in the new journal with its day.
    SqliteJournalStore store(journalPath(), m_clock);
    QCOMPARE(store.entries().size(), 1);
    writeFile(journalPath(), "garbage again");
    store.setNote(kToday, 7, u"Typed as it broke"_s);
    QCOMPARE(entriesOf(journalPath(), m_clock),
             (QList<Entry>{{kToday, 7, u"Typed as it broke"_s}}));
    QCOMPARE(contents(aside), damaged);
    QCOMPARE(contents(m_root->path() + u"/Tarvelle/journal-damaged-2026-12-08-2.sqlite"_s),
             QByteArray("garbage again"));
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
        SqliteJournalStore store(journalPath(), m_clock);
        store.record(kToday, 12);
        store.setNote(kToday, 12, u"Nowhere to go"_s);
        QVERIFY(store.hasPending());
        const QList<Entry> days = store.entries();
        QCOMPARE(days.size(), 1 + readable);
        QCOMPARE(days.first(), (Entry{kToday, 12, u"Nowhere to go"_s}));
        if (readable)
            QCOMPARE(days.last(), (Entry{QDate(2026, 12, 7), 4, u"Kept"_s}));
        QVERIFY2(store.status().problem.contains(u"newer version"_s),
                 qPrintable(store.status().problem));
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
    SqliteJournalStore store(journalPath(), m_clock);
    store.record(kToday, 30);
    QCOMPARE(store.entries(), (QList<Entry>{{kToday, 30, {}}}));
    QVERIFY2(store.status().problem.contains(u"Not a directory"_s),
             qPrintable(store.status().problem));
    QVERIFY(store.hasPending());
}

void TestJournalStore::readOnlyAndFullDiskKeepWhatIsTyped()
{
    // A disk of the test's own, made read-only (which root cannot write to either) and filled.
    const QString folder = QFileInfo(journalPath()).path();
    QVERIFY(QDir().mkpath(folder));
    const QStringList report = reportOnOwnDisk(folder, [&] {
        QStringList seen;
        // No journal can be made yet: the day waits until the disk takes it.
        remount(folder, true);
        {
            SqliteJournalStore store(journalPath(), m_clock);
            store.record(kToday, 40);
            seen << store.status().problem << yesNo(store.entries().value(0).card == 40);
            remount(folder, false);
            seen << yesNo(store.flush());
        }
        // A journal there already: its days are read, what is typed waits.
        remount(folder, true);
        {
            SqliteJournalStore store(journalPath(), m_clock);
            store.setNote(kToday, 40, u"While read-only"_s);
            seen << store.status().problem << store.entries().value(0).note;
            remount(folder, false);
            seen << yesNo(store.flush());
        }
        seen << entriesOf(journalPath(), m_clock).value(0).note;
        // A full disk: a long note waits until room is made.
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
            SqliteJournalStore store(journalPath(), m_clock);
            store.setNote(kToday, 40, longNote);
            seen << store.status().problem << yesNo(store.entries().value(0).note == longNote);
            QFile::remove(filler);
            seen << yesNo(store.flush());
        }
        seen << yesNo(entriesOf(journalPath(), m_clock).value(0).note == longNote);
        return seen;
    });
    if (report == QStringList{u"unprepared"_s})
        QSKIP("no user and mount namespaces here");
    QCOMPARE(report.size(), 11);
    QVERIFY2(report.at(0).contains(u"cannot be made"_s) && report.at(0).contains(u"Read-only"_s),
             qPrintable(report.at(0)));
    QCOMPARE(report.mid(1, 2), (QStringList{u"yes"_s, u"yes"_s}));
    QVERIFY2(report.at(3).contains(u"Read-only file system"_s), qPrintable(report.at(3)));
    QCOMPARE(report.mid(4, 3), (QStringList{u"While read-only"_s, u"yes"_s, u"While read-only"_s}));
    QVERIFY2(report.at(7).contains(u"is full"_s), qPrintable(report.at(7)));
    QCOMPARE(report.mid(8), (QStringList{u"yes"_s, u"yes"_s, u"yes"_s}));
}

QTEST_GUILESS_MAIN(TestJournalStore)
#include "tst_journalstore.moc"
