#include "journal/SqliteJournalStore.h"

#include "journal/JournalImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace journal {

namespace {

// SQLite's primary result codes, as Qt's driver hands them on.
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kNotADatabase = 26;

// Another program's lock is waited for no longer than this: the window that asked must not hang.
constexpr int kBusyTimeoutMs = 200;
// SQLite's page cache, in KiB. Its default of 2 MiB would fill at each opening (the check reads
// every page) and stay for the rest of the program's life; the system caches the file anyway.
constexpr int kPageCacheKib = 256;

const QString kDriver = u"QSQLITE"_s;

// A card as the journal keeps it: an integer of the deck, not text or a fraction.
const QString kValidCard = u"typeof(card) = 'integer' AND card BETWEEN 1 AND 52"_s;

// How every SQLite file begins.
const QByteArray kSqliteHeader("SQLite format 3", 16);
// A CSV larger than this is no export of ours: ten years of long notes take a few MiB.
constexpr qint64 kLargestCsv = 256 << 20;

QString keptWhileWaiting()
{
    return QCoreApplication::translate(
        "SqliteJournalFile", "The days drawn and the notes typed are kept while Tarvelle runs, and "
                             "written to the journal as soon as it takes them.");
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Every missing folder on the way, made 0700 as the XDG rules ask. The errno of a failure, or 0.
int makeFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(name.constData(), &info) == 0)
        return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT)
        return errno;
    const QString parent = QFileInfo(path).path();
    if (parent != path) {
        if (const int error = makeFolder(parent))
            return error;
    }
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return errno;
    return 0;
}

int resultCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

QString dayKey(QDate day)
{
    return day.toString(Qt::ISODate);
}

// The columns of `days` in each format, oldest first from format 1: what tells a file that lost
// its number (restored from an SQL dump, which drops it) for ours, and of which format.
constexpr const char *kDaysColumns[] = {"day,card,note"};
static_assert(std::size(kDaysColumns) == SqliteJournalFile::kFormat);

// One step per change of format, from `from` to the next, run inside the opening transaction.
bool migrateFrom(QSqlQuery &query, int from)
{
    switch (from) {
    case 0:
        // A file with none of our tables.
        return query.exec(u"CREATE TABLE days ("
                          u" day TEXT PRIMARY KEY NOT NULL CHECK (date(day) IS day),"
                          u" card INTEGER NOT NULL CHECK (card BETWEEN 1 AND 52),"
                          u" note TEXT NOT NULL DEFAULT '') WITHOUT ROWID"_s);
    default: return false;
    }
}

// The days of `db` within `range`, newest first. A row edited by hand into something else is
// passed over, not shown wrong: a day is its exact ISO text, so that one like it is never taken
// for it.
bool readDays(const QSqlDatabase &db, DayRange range, QList<Entry> *days, QSqlError *error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(u"SELECT day, card, note FROM days WHERE day BETWEEN ? AND ? "
                  u"AND typeof(day) = 'text' AND "_s
                  + kValidCard + u" ORDER BY day DESC"_s);
    query.addBindValue(range.first.isNull() ? u"0000-01-01"_s : dayKey(range.first));
    query.addBindValue(range.last.isNull() ? u"9999-12-31"_s : dayKey(range.last));
    if (query.exec()) {
        while (query.next()) {
            const QString day = query.value(0).toString();
            Entry entry{QDate::fromString(day, u"yyyy-MM-dd"_s), query.value(1).toInt(),
                        query.value(2).toString()};
            if (entry.day.isValid() && dayKey(entry.day) == day)
                days->append(std::move(entry));
        }
    }
    *error = query.lastError();
    return error->type() == QSqlError::NoError;
}

// A link whose target is not there: following it makes the file at the target.
// Why a file could not be made, as the journal's status tells it.
Status::Reason reasonOf(int error)
{
    switch (error) {
    case EROFS:
    case EACCES:
    case EPERM: return Status::Reason::ReadOnly;
    case ENOSPC:
    case EDQUOT: return Status::Reason::Full;
    default: return Status::Reason::Failed;
    }
}

bool isDanglingLink(const QByteArray &name)
{
    struct stat info = {};
    return ::lstat(name.constData(), &info) == 0 && S_ISLNK(info.st_mode)
           && ::stat(name.constData(), &info) != 0 && errno == ENOENT;
}

} // namespace

SqliteJournalFile::SqliteJournalFile(QString path, TodayFunction today)
    : m_path(std::move(path)), m_today(std::move(today)),
      m_connection(u"tarvelle-journal-"_s + QString::number(reinterpret_cast<quintptr>(this), 16))
{
}

SqliteJournalFile::~SqliteJournalFile()
{
    close();
}

Status SqliteJournalFile::status() const
{
    Status standing;
    for (const Status *said : {&m_opening, &m_writing, &m_reading, &m_movedAside}) {
        if (!said->ok()) {
            standing = *said;
            break;
        }
    }
    standing.daysRead = m_daysRead;
    return standing;
}

void SqliteJournalFile::noticeShown()
{
    if (m_noticeOnDisk)
        QFile::remove(noticePath());
    m_noticeOnDisk = false;
}

QSqlDatabase SqliteJournalFile::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool SqliteJournalFile::connect(bool readOnly)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, m_connection);
    db.setDatabaseName(m_path);
    QString options = u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(kBusyTimeoutMs);
    if (readOnly)
        options += u";QSQLITE_OPEN_READONLY"_s;
    db.setConnectOptions(options);
    if (db.open()) {
        QSqlQuery(db).exec(u"PRAGMA cache_size = -"_s + QString::number(kPageCacheKib));
        return true;
    }
    m_opening = {
        Status::Reason::Failed,
        tr("The journal %1 cannot be opened: %2.").arg(m_path, db.lastError().databaseText()),
        keptWhileWaiting()};
    return false;
}

void SqliteJournalFile::close()
{
    if (QSqlDatabase::contains(m_connection)) {
        database().close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_access = Access::Closed;
}

SqliteJournalFile::Access SqliteJournalFile::open()
{
    if (m_access != Access::Closed)
        return m_access;
    readNotice();
    // Once more after a damaged file has gone aside: the new one begins empty.
    for (int attempt = 0; attempt < 2; ++attempt) {
        bool damaged = false;
        m_opening = {};
        m_access = openFile(&damaged);
        if (m_access != Access::Closed)
            break;
        close();
        if (!damaged || !moveAside())
            break;
    }
    return m_access;
}

SqliteJournalFile::Access SqliteJournalFile::openFile(bool *damaged)
{
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        m_opening = {Status::Reason::ModuleMissing,
                     tr("The journal cannot be kept: Qt's SQLite driver (Debian package "
                        "libqt6sql6-sqlite) is not installed."),
                     keptWhileWaiting()};
        return Access::Closed;
    }
    const QString folder = QFileInfo(m_path).path();
    if (const int error = makeFolder(folder)) {
        m_opening = {
            Status::Reason::NoFolder,
            tr("The journal's folder %1 cannot be made: %2.").arg(folder, errorText(error)),
            keptWhileWaiting()};
        return Access::Closed;
    }
    if (!makeFile())
        return Access::Closed;
    makePrivate();
    if (!connect(false))
        return Access::Closed;
    Found found;
    switch (check(&found)) {
    case Outcome::Done: break;
    case Outcome::Damaged: *damaged = true; return Access::Closed;
    case Outcome::Failed: return Access::Closed;
    }
    if (found.format > kFormat)
        return openNewer(found.format);
    if (found.format != kFormat || found.from() != kFormat) {
        const Outcome migrated = migrate();
        if (migrated != Outcome::Done) {
            *damaged = migrated == Outcome::Damaged;
            return Access::Closed;
        }
    }
    const QString why = whyNotWritable();
    m_openedUnwritable = !why.isEmpty();
    if (m_openedUnwritable)
        m_opening = {Status::Reason::ReadOnly,
                     tr("The journal %1 cannot be written: %2.").arg(m_path, why),
                     keptWhileWaiting()};
    return Access::Writable;
}

// Made here first, so that the file is private from its first byte on; through a link to a file
// that is not there yet, at the link's target.
bool SqliteJournalFile::makeFile()
{
    const QByteArray name = QFile::encodeName(m_path);
    int made = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    int error = made < 0 ? errno : 0;
    if (error == EEXIST && isDanglingLink(name)) {
        made = ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        error = made < 0 ? errno : 0;
    }
    if (made >= 0)
        ::close(made);
    if (error == 0 || error == EEXIST)
        return true;
    m_opening = {
        reasonOf(error),
        tr("The journal cannot be made in %1: %2.").arg(QFileInfo(m_path).path(), errorText(error)),
        keptWhileWaiting()};
    return false;
}

// A journal restored by hand may be readable by others, and SQLite gives the files it makes
// beside the journal (as soon as it reads one kept with a write-ahead log) the journal's own mode:
// it is made private before any of them.
void SqliteJournalFile::makePrivate() const
{
    const QByteArray name = QFile::encodeName(m_path);
    struct stat info = {};
    if (::stat(name.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 077) != 0)
        ::chmod(name.constData(), info.st_mode & 0700);
}

int SqliteJournalFile::Found::from() const
{
    if (tables == 0)
        return 0;
    // Without its number only its columns tell; with it, its table of days.
    if (format == 0)
        return shape > 0 ? shape : -1;
    return hasDays ? format : -1;
}

// What the file is, and whether it is whole, read in one transaction: another program's lock is
// met at its start, where it means "not now", or not at all.
SqliteJournalFile::Outcome SqliteJournalFile::check(Found *found)
{
    QSqlQuery query(database());
    if (!query.exec(u"BEGIN"_s))
        return failed(query.lastError(), &m_opening, false);
    Outcome outcome = readFormat(query, found, &m_opening);
    if (outcome == Outcome::Done && found->format <= kFormat && found->tables > 0) {
        // Not ours: neither made by the journal nor holding its days.
        outcome = found->from() < 0 ? Outcome::Damaged : checkIntegrity(query);
    }
    query.exec(u"ROLLBACK"_s);
    return outcome;
}

SqliteJournalFile::Outcome SqliteJournalFile::readFormat(QSqlQuery &query, Found *found,
                                                         Status *said)
{
    if (!query.exec(u"PRAGMA user_version"_s) || !query.next())
        return failed(query.lastError(), said, false);
    found->format = query.value(0).toInt();
    if (!query.exec(u"SELECT name FROM sqlite_master WHERE type = 'table'"_s))
        return failed(query.lastError(), said, false);
    while (query.next()) {
        ++found->tables;
        found->hasDays = found->hasDays || query.value(0).toString() == "days"_L1;
    }
    if (query.lastError().isValid())
        return failed(query.lastError(), said, false);
    if (!found->hasDays)
        return Outcome::Done;
    if (!query.exec(u"SELECT name FROM pragma_table_info('days') ORDER BY cid"_s))
        return failed(query.lastError(), said, false);
    QStringList columns;
    while (query.next())
        columns.append(query.value(0).toString());
    if (query.lastError().isValid())
        return failed(query.lastError(), said, false);
    const QString shape = columns.join(u',');
    for (int format = kFormat; format > 0 && found->shape == 0; --format) {
        if (shape == QLatin1StringView(kDaysColumns[format - 1]))
            found->shape = format;
    }
    return Outcome::Done;
}

// Damage inside a file whose header is whole shows only here, or at some later read. Only
// SQLite's verdict of corruption is damage: a lock, a failing disk or a lack of memory meanwhile
// mean "not now".
SqliteJournalFile::Outcome SqliteJournalFile::checkIntegrity(QSqlQuery &query)
{
    // A row that breaks the table's checks is the row's fault, not the file's: reads pass it
    // over and writes leave it alone.
    query.exec(u"PRAGMA ignore_check_constraints = ON"_s);
    const bool ran = query.exec(u"PRAGMA quick_check"_s) && query.next();
    const QSqlError error = query.lastError();
    const bool whole = ran && query.value(0).toString() == "ok"_L1;
    query.finish();
    query.exec(u"PRAGMA ignore_check_constraints = OFF"_s);
    if (!ran)
        return failed(error, &m_opening, false);
    return whole ? Outcome::Done : Outcome::Damaged;
}

// Brings a file of an older format, or one without its number, to this one: every step in one
// transaction, which lands whole or leaves the file as it was.
SqliteJournalFile::Outcome SqliteJournalFile::migrate()
{
    QSqlQuery query(database());
    if (!query.exec(u"BEGIN IMMEDIATE"_s))
        return failed(query.lastError(), &m_opening, true);
    // Read again under the write lock: another copy of the program may have been first.
    Found found;
    Outcome outcome = readFormat(query, &found, &m_opening);
    const int from = found.from();
    if (outcome == Outcome::Done && (from < 0 || found.format > kFormat)) {
        m_opening = {Status::Reason::Failed,
                     tr("The journal %1 changed while it was being opened.").arg(m_path),
                     keptWhileWaiting()};
        outcome = Outcome::Failed;
    }
    if (outcome != Outcome::Done) {
        query.exec(u"ROLLBACK"_s);
        return outcome;
    }
    bool done = true;
    for (int format = from; done && format < kFormat; ++format)
        done = migrateFrom(query, format);
    done = done && query.exec(u"PRAGMA user_version = "_s + QString::number(kFormat))
           && query.exec(u"COMMIT"_s);
    if (done)
        return Outcome::Done;
    const QSqlError error = query.lastError();
    query.exec(u"ROLLBACK"_s);
    return failed(error, &m_opening, true);
}

SqliteJournalFile::Access SqliteJournalFile::openNewer(int format)
{
    close();
    const QString problem =
        tr("The journal %1 comes from a newer version of Tarvelle (format %2; this "
           "version knows format %3) and is left as it is.")
            .arg(m_path)
            .arg(format)
            .arg(kFormat);
    if (connect(true)) {
        QSqlQuery query(database());
        if (query.exec(u"SELECT day, card, note FROM days LIMIT 1"_s)) {
            m_opening = {
                Status::Reason::NewerFormat, problem,
                tr("Its days are shown, but nothing new is written to it, and notes cannot be "
                   "typed."),
                false};
            return Access::ReadOnly;
        }
    }
    m_opening = {Status::Reason::NewerFormat, problem,
                 tr("This version cannot show its days, and nothing new is written to it."), false};
    return Access::Closed;
}

QString SqliteJournalFile::whyNotWritable() const
{
    // SQLite writes a rollback file beside the journal, so the folder must take new files too.
    for (const QString &path : {m_path, QFileInfo(m_path).path()}) {
        if (::access(QFile::encodeName(path).constData(), W_OK) != 0)
            return errorText(errno);
    }
    return {};
}

SqliteJournalFile::Outcome SqliteJournalFile::failed(const QSqlError &error, Status *into,
                                                     bool writing) const
{
    switch (resultCode(error)) {
    case kCorrupt:
    case kNotADatabase: return Outcome::Damaged;
    case kBusy:
    case kLocked:
        *into = {Status::Reason::InUse,
                 tr("The journal %1 is in use by another program.").arg(m_path),
                 keptWhileWaiting()};
        break;
    case kFull:
        *into = {Status::Reason::Full,
                 tr("The disk that holds the journal %1 is full.").arg(m_path), keptWhileWaiting()};
        break;
    case kReadOnly: {
        QString why = whyNotWritable();
        if (why.isEmpty())
            why = u"it is read-only"_s;
        *into = {Status::Reason::ReadOnly,
                 tr("The journal %1 cannot be written: %2.").arg(m_path, why), keptWhileWaiting()};
        break;
    }
    default:
        *into = {Status::Reason::Failed,
                 (writing ? tr("The journal %1 could not be written: %2.")
                          : tr("The journal %1 could not be read: %2."))
                     .arg(m_path, error.databaseText()),
                 keptWhileWaiting()};
    }
    return Outcome::Failed;
}

bool SqliteJournalFile::moveAside()
{
    close();
    const QFileInfo file(m_path);
    const QString stem =
        file.dir().filePath(file.completeBaseName() + u"-damaged-"_s + dayKey(m_today()));
    QString aside = stem + u".sqlite"_s;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + u'-' + QString::number(n) + u".sqlite"_s;
    // QFile::rename never replaces a file that is there.
    if (!QFile::rename(m_path, aside)) {
        m_opening = {Status::Reason::Damaged,
                     tr("The journal %1 is damaged and cannot be moved aside: %2. It is left as it "
                        "is.")
                         .arg(m_path, QFile(m_path).errorString()),
                     keptWhileWaiting()};
        return false;
    }
    // Its unfinished transaction, if any, belongs with it.
    for (const QString &suffix : {u"-journal"_s, u"-wal"_s, u"-shm"_s}) {
        if (QFileInfo::exists(m_path + suffix))
            QFile::rename(m_path + suffix, aside + suffix);
    }
    // Said at every start until the user has seen it.
    QFile notice(noticePath());
    if (notice.open(QIODevice::Append | QIODevice::Text,
                    QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        notice.write(aside.toUtf8() + '\n');
        m_noticeOnDisk = notice.flush();
    }
    m_setAside.append(aside);
    sayMovedAside();
    return true;
}

QString SqliteJournalFile::noticePath() const
{
    const QFileInfo file(m_path);
    return file.dir().filePath(file.completeBaseName() + u"-set-aside.txt"_s);
}

void SqliteJournalFile::readNotice()
{
    if (m_noticeRead)
        return;
    m_noticeRead = true;
    QFile notice(noticePath());
    if (!notice.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    while (!notice.atEnd()) {
        const QString aside = QString::fromUtf8(notice.readLine()).chopped(1);
        if (!aside.isEmpty())
            m_setAside.append(aside);
    }
    m_noticeOnDisk = !m_setAside.isEmpty();
    if (m_noticeOnDisk)
        sayMovedAside();
}

void SqliteJournalFile::sayMovedAside()
{
    m_movedAside = {Status::Reason::SetAside,
                    tr("The journal file was damaged. It has been kept, untouched, as %1, and a "
                       "new journal has begun.")
                        .arg(m_setAside.join(u", "_s)),
                    tr("Nothing of the damaged file has been deleted.")};
    m_movedAside.notice = true;
}

bool SqliteJournalFile::write(const Changes &changes)
{
    // SQLite opens a file it may not write read-only, and the connection stays so when the disk
    // takes writes again.
    if (m_openedUnwritable)
        close();
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (open() != Access::Writable)
            return false;
        switch (writeOnce(changes)) {
        case Outcome::Done:
            // Whatever opening feared about writing, the write has proved wrong.
            m_opening = {};
            m_writing = {};
            return true;
        case Outcome::Failed: return false;
        case Outcome::Damaged:
            if (!moveAside())
                return false;
        }
    }
    return false;
}

SqliteJournalFile::Outcome
SqliteJournalFile::inWriteTransaction(const std::function<bool(QSqlError *error)> &work)
{
    QSqlQuery transaction(database());
    // The write lock is taken at once, so that another program's lock is met before any change.
    if (!transaction.exec(u"BEGIN IMMEDIATE"_s))
        return failed(transaction.lastError(), &m_writing, true);
    QSqlError error;
    if (work(&error) && transaction.exec(u"COMMIT"_s))
        return Outcome::Done;
    if (!error.isValid())
        error = transaction.lastError();
    transaction.exec(u"ROLLBACK"_s);
    return failed(error, &m_writing, true);
}

SqliteJournalFile::Outcome SqliteJournalFile::writeOnce(const Changes &changes)
{
    return inWriteTransaction(
        [&](QSqlError *error) { return writeChanges(changes, error) == Outcome::Done; });
}

// Inside a transaction: each day as it is written, changed by the rule every store shares.
SqliteJournalFile::Outcome SqliteJournalFile::writeChanges(const Changes &changes, QSqlError *error)
{
    const QSqlDatabase db = database();
    QSqlQuery held(db);
    held.prepare(u"SELECT CASE WHEN "_s + kValidCard
                 + u" THEN card ELSE 0 END, note FROM days WHERE day = ?"_s);
    QSqlQuery day(db);
    day.prepare(u"INSERT INTO days (day, card, note) VALUES (?, ?, ?) ON CONFLICT (day) "
                u"DO UPDATE SET card = excluded.card, note = excluded.note"_s);
    for (auto change = changes.cbegin(); change != changes.cend(); ++change) {
        const QString key = dayKey(change.key());
        held.bindValue(0, key);
        if (!held.exec()) {
            *error = held.lastError();
            return Outcome::Failed;
        }
        std::optional<Entry> before;
        if (held.next())
            before = Entry{change.key(), held.value(0).toInt(), held.value(1).toString()};
        held.finish();
        const Entry after = change->writtenOver(change.key(), before);
        // The same card again changes nothing, so a start that makes sure of its day writes
        // nothing.
        if (before == after)
            continue;
        day.bindValue(0, key);
        day.bindValue(1, after.card);
        // A null text would be bound as NULL, which the column refuses.
        day.bindValue(2, after.note.isNull() ? u""_s : after.note);
        if (!day.exec()) {
            *error = day.lastError();
            return Outcome::Failed;
        }
    }
    return Outcome::Done;
}

QList<Entry> SqliteJournalFile::read(DayRange range)
{
    m_daysRead = false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (open() == Access::Closed)
            return {};
        QList<Entry> days;
        switch (readOnce(range, &days)) {
        case Outcome::Done:
            m_reading = {};
            m_daysRead = true;
            return days;
        case Outcome::Failed: return {};
        case Outcome::Damaged:
            if (!moveAside())
                return {};
        }
    }
    return {};
}

SqliteJournalFile::Outcome SqliteJournalFile::readOnce(DayRange range, QList<Entry> *days)
{
    QSqlError error;
    if (readDays(database(), range, days, &error))
        return Outcome::Done;
    return failed(error, &m_reading, false);
}

std::optional<QString> SqliteJournalFile::backUp(const QString &path)
{
    // Put in its place, the copy would take the place of the journal it is copied from.
    const QString existing = QFileInfo(path).canonicalFilePath();
    if (!existing.isEmpty() && existing == QFileInfo(m_path).canonicalFilePath())
        return tr("%1 is the journal itself.").arg(path);
    if (open() == Access::Closed)
        return status().problem;
    // Written beside its place under a name of its own, private from the start, and put in place
    // whole: a backup that fails leaves nothing half written where it was asked for.
    const QFileInfo target(path);
    QTemporaryFile partial(target.dir().filePath(u"."_s + target.fileName() + u".XXXXXX"_s));
    if (!partial.open())
        return tr("%1 cannot be written: %2.").arg(path, partial.errorString());
    partial.close();
    QSqlQuery copy(database());
    copy.prepare(u"VACUUM INTO ?"_s);
    copy.addBindValue(partial.fileName());
    if (!copy.exec())
        return tr("The journal could not be copied to %1: %2.")
            .arg(path, copy.lastError().databaseText());
    const QByteArray written = QFile::encodeName(partial.fileName());
    const int fd = ::open(written.constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    const int syncError = errno;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        return tr("%1 cannot be written: %2.").arg(path, errorText(syncError));
    if (::rename(written.constData(), QFile::encodeName(path).constData()) != 0)
        return tr("%1 cannot be written: %2.").arg(path, errorText(errno));
    partial.setAutoRemove(false);
    return std::nullopt;
}

ImportOutcome SqliteJournalFile::importFrom(const QString &path)
{
    using Result = ImportOutcome::Result;
    const QString notOurs =
        tr("%1 is neither a backup of a journal nor a CSV exported by Tarvelle.").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Result::Unreadable, 0, 0,
                tr("%1 cannot be read: %2.").arg(path, file.errorString())};
    ImportOutcome outcome{Result::NotOurs, 0, 0, notOurs};
    std::optional<QList<Entry>> days;
    if (file.peek(kSqliteHeader.size()) == kSqliteHeader) {
        file.close();
        days = backupDays(path, &outcome);
    } else if (file.size() <= kLargestCsv) {
        const QByteArray text = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return {Result::Unreadable, 0, 0,
                    tr("%1 cannot be read: %2.").arg(path, file.errorString())};
        days = fromCsv(text);
    }
    if (!days)
        return outcome;

    if (m_openedUnwritable)
        close();
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (open() != Access::Writable)
            break;
        outcome = {Result::Imported, 0, 0, {}};
        switch (importOnce(*days, &outcome)) {
        case Outcome::Done:
            m_opening = {};
            m_writing = {};
            return outcome;
        case Outcome::Failed: return {Result::Failed, 0, 0, status().problem};
        case Outcome::Damaged:
            if (!moveAside())
                return {Result::Failed, 0, 0, status().problem};
        }
    }
    return {Result::Failed, 0, 0, status().problem};
}

// The days of the SQLite file at `path`, read without a lock and without a change to it; none
// when it is not a journal this version reads (then `outcome` says why).
std::optional<QList<Entry>> SqliteJournalFile::backupDays(const QString &path,
                                                          ImportOutcome *outcome)
{
    const QString name = m_connection + u"-import"_s;
    std::optional<QList<Entry>> days;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name);
        QUrl uri = QUrl::fromLocalFile(path);
        uri.setQuery(u"immutable=1"_s);
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"_s);
        QSqlQuery query(db);
        Found found;
        Status said;
        QList<Entry> read;
        QSqlError error;
        if (!db.open() || !query.exec(u"BEGIN"_s)
            || readFormat(query, &found, &said) != Outcome::Done) {
            *outcome = {ImportOutcome::Result::Unreadable, 0, 0,
                        tr("%1 cannot be read as a journal: %2")
                            .arg(path, said.problem.isEmpty() ? db.lastError().databaseText()
                                                              : said.problem)};
        } else if (found.format > kFormat) {
            *outcome = {
                ImportOutcome::Result::NotOurs, 0, 0,
                tr("%1 comes from a newer version of Tarvelle (format %2; this version knows "
                   "format %3).")
                    .arg(path)
                    .arg(found.format)
                    .arg(kFormat)};
        } else if (!found.hasDays || found.from() < 0) {
            // Not ours, or ours without its days: the default words stand.
        } else if (!readDays(db, {}, &read, &error)) {
            *outcome = {ImportOutcome::Result::Unreadable, 0, 0,
                        tr("%1 cannot be read as a journal: %2").arg(path, error.databaseText())};
        } else {
            days = std::move(read);
        }
        query.finish();
        query.exec(u"ROLLBACK"_s);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return days;
}

// The import merged in one transaction with the journal as it stands under the write lock.
SqliteJournalFile::Outcome SqliteJournalFile::importOnce(const QList<Entry> &imported,
                                                         ImportOutcome *outcome)
{
    return inWriteTransaction([&](QSqlError *error) {
        QList<Entry> held;
        if (!readDays(database(), {}, &held, error))
            return false;
        QSet<QDate> heldDays;
        for (const Entry &day : std::as_const(held))
            heldDays.insert(day.day);
        Changes changes;
        for (const Entry &day : mergeImport(held, imported)) {
            changes.insert(day.day, Change{day.card, day.note, day.card});
            ++(heldDays.contains(day.day) ? outcome->notesJoined : outcome->daysAdded);
        }
        return writeChanges(changes, error) == Outcome::Done;
    });
}

} // namespace journal
