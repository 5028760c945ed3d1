#include "settings/IniSettingsStore.h"

#include "ScopedEnvironment.h"
#include "TestSeed.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestIniSettingsStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void absentEmptyAndDefault();
    void fileLayout();
    void textSurvivesUnchanged();
    void eachAppNameHasItsOwnFile();
    void relativeConfigHomeIsIgnored();
    void handEditedListReadsWhole();
    void sameValueIsNotRewrittenButAnEditedOneIs();
    void changesOnDiskAreSeenByTheNextRead();
    void unwritableFolderReportsFailure();
    void emptyLockOfAKilledWriterIsCleared();
    void killedWriterNeverLeavesAnUnreadableFile();

private:
    QString iniPath() const { return m_config.path() + u"/Tarvelle/Tarvelle.ini"_s; }

    QTemporaryDir m_config;
    settings::IniSettingsStore m_store{[] { return u"Tarvelle"_s; }};
};

void TestIniSettingsStore::initTestCase()
{
    QVERIFY(m_config.isValid());
    // QSettings fixes its folders at first use, so this comes before any store is touched.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void TestIniSettingsStore::init()
{
    QDir(m_config.path()).removeRecursively();
    QDir().mkpath(m_config.path());
}

void TestIniSettingsStore::absentEmptyAndDefault()
{
    QCOMPARE(m_store.read(u"Hour"_s), QString());
    QCOMPARE(m_store.read(u"RunAtSysTray"_s, u"False"_s), u"False"_s);
    QVERIFY(!m_store.storedValue(u"Hour"_s).has_value());

    m_store.write(u"Hour"_s, QString());
    QCOMPARE(m_store.storedValue(u"Hour"_s), std::optional<QString>(QString()));
    QCOMPARE(m_store.read(u"Hour"_s, u"7"_s), QString()); // empty is not absent

    m_store.write(u"Hour"_s, u"13"_s);
    m_store.write(u"Hour"_s, u"14"_s);
    QCOMPARE(m_store.read(u"Hour"_s, u"7"_s), u"14"_s);
}

void TestIniSettingsStore::fileLayout()
{
    QVERIFY(m_store.store(u"Hour"_s, u"7"_s));
    QVERIFY(m_store.store(u"AutorunStartUp"_s, u"True"_s));
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QVERIFY2(contents.startsWith("[Settings]\n"), contents.constData());
    QVERIFY(contents.contains("\nHour=7\n"));
    QVERIFY(contents.contains("\nAutorunStartUp=True\n"));
}

void TestIniSettingsStore::textSurvivesUnchanged()
{
    const QStringList values = {u"12/8/26"_s, u"08.12.26"_s,    u"2026/12/08"_s, u"Grüße, 東京 ✓"_s,
                                u"a=b;c#d"_s, u"@Variant(x)"_s, u" padded "_s,   u"\"quoted\""_s};
    for (const QString &value : values) {
        QVERIFY(m_store.store(u"Date"_s, value));
        // A fresh reader, as at the next start.
        settings::IniSettingsStore reader([] { return u"Tarvelle"_s; });
        QCOMPARE(reader.read(u"Date"_s), value);
    }
}

void TestIniSettingsStore::eachAppNameHasItsOwnFile()
{
    int asked = 0;
    settings::IniSettingsStore copy([&asked] {
        ++asked;
        return u"Tarvelle-copy"_s;
    });
    m_store.write(u"Hour"_s, u"9"_s);
    QCOMPARE(copy.read(u"Hour"_s), QString());
    copy.write(u"Hour"_s, u"5"_s);
    QCOMPARE(m_store.read(u"Hour"_s), u"9"_s);
    QCOMPARE(copy.read(u"Hour"_s), u"5"_s);
    QVERIFY(QFile::exists(m_config.path() + u"/Tarvelle-copy/Tarvelle-copy.ini"_s));
    // Asking at every read cost more than the rest of the read.
    QCOMPARE(asked, 1);
}

void TestIniSettingsStore::relativeConfigHomeIsIgnored()
{
    // Relative, the folder would depend on where the program was started from.
    ScopedEnvironment environment;
    environment.set("XDG_CONFIG_HOME", "relative/config");
    environment.set("HOME", QFile::encodeName(m_config.path()));
    settings::IniSettingsStore store([] { return u"Elsewhere"_s; });
    QVERIFY(store.store(u"Hour"_s, u"7"_s));
    QVERIFY(QFile::exists(m_config.path() + u"/.config/Elsewhere/Elsewhere.ini"_s));
    QVERIFY(!QFileInfo::exists(u"relative"_s));
}

void TestIniSettingsStore::handEditedListReadsWhole()
{
    QDir().mkpath(m_config.path() + u"/Tarvelle"_s);
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nDate=8, Dec 2026\n");
    file.close();
    settings::IniSettingsStore reader([] { return u"Tarvelle"_s; });
    QCOMPARE(reader.read(u"Date"_s), u"8, Dec 2026"_s);
}

void TestIniSettingsStore::sameValueIsNotRewrittenButAnEditedOneIs()
{
    QVERIFY(m_store.store(u"Hour"_s, u"7"_s));
    // Each real write replaces the file, so its inode tells whether one happened.
    const auto inode = [this] {
        struct stat info = {};
        return ::stat(QFile::encodeName(iniPath()).constData(), &info) == 0 ? info.st_ino : 0;
    };
    const ino_t before = inode();
    QVERIFY(before != 0);
    QVERIFY(m_store.store(u"Hour"_s, u"7"_s));
    QCOMPARE(inode(), before);

    // Edited behind the store's back: the next store of the old value must still land.
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Settings]\nHour=8\nMinute=30\n");
    file.close();
    QVERIFY(m_store.store(u"Hour"_s, u"7"_s));
    const QSettings reread(iniPath(), QSettings::IniFormat);
    QCOMPARE(reread.value(u"Settings/Hour"_s).toString(), u"7"_s);
    QCOMPARE(reread.value(u"Settings/Minute"_s).toString(), u"30"_s);

    // A later read, a tick after, sees a hand edit too.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Settings]\nHour=9\n");
    file.close();
    QTRY_COMPARE(m_store.read(u"Hour"_s), u"9"_s);
}

void TestIniSettingsStore::changesOnDiskAreSeenByTheNextRead()
{
    const auto writeInPlace = [this](const QByteArray &contents) {
        QFile file(iniPath());
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
               && file.write(contents) == contents.size();
    };
    settings::IniSettingsStore reader([] { return u"Tarvelle"_s; });
    // First run: no folder to watch yet.
    QCOMPARE(reader.read(u"Hour"_s, u"none"_s), u"none"_s);
    QVERIFY(QDir().mkpath(m_config.path() + u"/Tarvelle"_s));
    QVERIFY(writeInPlace("[Settings]\nHour=7\n"));
    QTRY_COMPARE(reader.read(u"Hour"_s), u"7"_s);
    QVERIFY(writeInPlace("[Settings]\nHour=10\n"));
    QTRY_COMPARE(reader.read(u"Hour"_s), u"10"_s);

    // Replaced by rename, as another writer does; later edits go to the new file.
    QSaveFile replacement(iniPath());
    QVERIFY(replacement.open(QIODevice::WriteOnly));
    replacement.write("[Settings]\nHour=8\nMinute=5\n");
    QVERIFY(replacement.commit());
    QTRY_COMPARE(reader.read(u"Minute"_s), u"5"_s);
    QVERIFY(writeInPlace("[Settings]\nHour=11\n"));
    QTRY_COMPARE(reader.read(u"Hour"_s), u"11"_s);

    QVERIFY(QFile::remove(iniPath()));
    QTRY_VERIFY(!reader.storedValue(u"Hour"_s).has_value());
    QVERIFY(writeInPlace("[Settings]\nHour=6\n"));
    QTRY_COMPARE(reader.read(u"Hour"_s), u"6"_s);

    // The program reads only when told: a folder removed and made anew (as one moved to another
    // file system and back is) must still be heard of.
    int told = 0;
    reader.setChangeListener([&told] { ++told; });
    const auto readWhenTold = [&told, &reader] {
        if (!QTest::qWaitFor([&told] { return told > 0; }))
            return u"never told"_s;
        told = 0;
        return reader.read(u"Hour"_s, u"none"_s);
    };
    const QString folder = m_config.path() + u"/Tarvelle"_s;
    QVERIFY(QDir(folder).removeRecursively());
    QCOMPARE(readWhenTold(), u"none"_s);
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeInPlace("[Settings]\nHour=13\n"));
    // The folder's making and the file's may be told together or one after the other.
    QString hour = readWhenTold();
    if (hour == u"none"_s)
        hour = readWhenTold();
    QCOMPARE(hour, u"13"_s);
    QVERIFY(writeInPlace("[Settings]\nHour=8\n"));
    QCOMPARE(readWhenTold(), u"8"_s);
}

void TestIniSettingsStore::unwritableFolderReportsFailure()
{
    // A plain file where the folder should be: nothing can be created below it.
    QFile blocker(m_config.path() + u"/Tarvelle"_s);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!m_store.store(u"Hour"_s, u"7"_s));
    QCOMPARE(m_store.read(u"Hour"_s, u"none"_s), u"none"_s);
}

void TestIniSettingsStore::emptyLockOfAKilledWriterIsCleared()
{
    // Left by a copy killed between creating the lock and writing its owner; QSettings alone
    // would wait half a minute before it wrote.
    QDir().mkpath(m_config.path() + u"/Tarvelle"_s);
    QFile lock(iniPath() + u".lock"_s);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.close();
    // The next start finds it on its first write.
    settings::IniSettingsStore nextStart([] { return u"Tarvelle"_s; });
    QVERIFY(nextStart.store(u"Hour"_s, u"8"_s));
    QVERIFY(!QFile::exists(iniPath() + u".lock"_s));
    QCOMPARE(nextStart.read(u"Hour"_s), u"8"_s);
}

void TestIniSettingsStore::killedWriterNeverLeavesAnUnreadableFile()
{
    const QStringList keys = {u"Hour"_s, u"Minute"_s,         u"Second"_s,     u"Card"_s,
                              u"Date"_s, u"AutorunStartUp"_s, u"SystemTray"_s, u"RunAtSysTray"_s};
    QRandomGenerator random(testSeed());
    int lastRound = 0;
    for (int attempt = 0; attempt < 200; ++attempt) {
        QProcess writer;
        writer.start(QString::fromLocal8Bit(SETTINGS_WRITER_PATH),
                     {QString::number(lastRound + 1)});
        QVERIFY(writer.waitForStarted());
        // Let it finish a random number of rounds, then kill it wherever it is.
        const int rounds = random.bounded(1, 12);
        int seen = 0;
        while (seen < rounds && writer.waitForReadyRead(10000)) {
            while (writer.canReadLine()) {
                writer.readLine();
                ++seen;
            }
        }
        QCOMPARE(writer.state(), QProcess::Running);
        writer.kill();
        QVERIFY(writer.waitForFinished());

        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.status(), QSettings::NoError);
        // Keys are written in order, so the file holds round n for a first run of keys and
        // round n - 1 for the rest: the old or the new value, never anything else.
        QList<int> values;
        for (const QString &key : keys) {
            bool isNumber = false;
            values.append(ini.value(u"Settings/"_s + key).toString().toInt(&isNumber));
            QVERIFY2(isNumber, qPrintable(key));
        }
        for (int i = 1; i < values.size(); ++i)
            QVERIFY(values[i] <= values[i - 1] && values[i] >= values[0] - 1);
        QVERIFY(values.last() >= lastRound);
        lastRound = values.first();
    }
}

QTEST_GUILESS_MAIN(TestIniSettingsStore)
#include "tst_inisettingsstore.moc"
