#include "services/InstanceLock.h"

#include "ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestInstanceLock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefusedAndAKilledOneDoesNotBlock();
    void aCopyKilledInAPidNamespaceDoesNotBlock();
    void lockLivesOnlyInAPrivateFolder();
    void copiesStartedTogetherLeaveExactlyOne();

private:
    // With `wherever`, the holder takes the lock where the program would.
    QString holderSays(QProcess &holder, const QStringList &wrapper = {}, bool wherever = false)
    {
        const QStringList arguments = wherever ? QStringList() : QStringList{m_path};
        if (wrapper.isEmpty())
            holder.start(QString::fromLocal8Bit(LOCK_HOLDER_PATH), arguments);
        else
            holder.start(wrapper.first(),
                         wrapper.mid(1) + QStringList{QString::fromLocal8Bit(LOCK_HOLDER_PATH)}
                             + arguments);
        if (!holder.waitForStarted() || !holder.waitForReadyRead(10000))
            return {};
        return QString::fromLatin1(holder.readLine()).trimmed();
    }

    QTemporaryDir m_dir;
    QString m_path = m_dir.path() + u"/Tarvelle.lock"_s;
};

void TestInstanceLock::secondCopyIsRefusedAndAKilledOneDoesNotBlock()
{
    QProcess first;
    QCOMPARE(holderSays(first), u"locked"_s);
    QProcess second;
    QCOMPARE(holderSays(second), u"refused"_s);
    second.kill();
    second.waitForFinished();
    services::FileInstanceLock here({m_path});
    QVERIFY(!here.acquire());

    first.kill(); // SIGKILL: no chance to clean up its lock
    QVERIFY(first.waitForFinished());
    QVERIFY(QFile::exists(m_path));
    // The same object asks again, as a fresh start would.
    services::FileInstanceLock next({m_path});
    QVERIFY(next.acquire());
    QProcess third;
    QCOMPARE(holderSays(third), u"refused"_s);
    third.kill();
    third.waitForFinished();
}

void TestInstanceLock::aCopyKilledInAPidNamespaceDoesNotBlock()
{
    // Containers and sandboxes give each start the same process id: the dead copy's id names
    // the living one, and only a lock the kernel keeps can tell them apart.
    const QString unshare = QStandardPaths::findExecutable(u"unshare"_s);
    if (unshare.isEmpty())
        QSKIP("unshare is not installed");
    const QStringList inNamespace{unshare,     u"--user"_s,       u"--map-root-user"_s, u"--pid"_s,
                                  u"--fork"_s, u"--kill-child"_s, u"--mount-proc"_s};
    for (int start = 0; start < 3; ++start) {
        QProcess copy;
        const QString said = holderSays(copy, inNamespace);
        if (start == 0 && said.isEmpty())
            QSKIP("no PID namespaces here");
        QCOMPARE(said, u"locked"_s);
        QProcess second;
        QCOMPARE(holderSays(second, inNamespace), u"refused"_s);
        second.kill();
        second.waitForFinished();
        copy.kill(); // and the kernel kills the copy inside with it, a moment later
        QVERIFY(copy.waitForFinished());
        QTRY_VERIFY(services::FileInstanceLock({m_path}).acquire());
    }
}

void TestInstanceLock::lockLivesOnlyInAPrivateFolder()
{
    // The cache's lock makes its folder: it must be a temporary one, never the developer's cache.
    ScopedEnvironment environment;
    const QString home = m_dir.path() + u"/home"_s;
    environment.set("HOME", QFile::encodeName(home));
    const QString shared = m_dir.path() + u"/shared"_s;
    QVERIFY(QDir().mkpath(shared));
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    const QString privateOne = m_dir.path() + u"/private"_s;
    QVERIFY(QDir().mkpath(privateOne));
    QVERIFY(::chmod(QFile::encodeName(privateOne).constData(), 0700) == 0);
    const QString cacheHome = m_dir.path() + u"/cache"_s;
    environment.set("XDG_CACHE_HOME", QFile::encodeName(cacheHome));
    const QString cacheLock = cacheHome + u"/Tarvelle/Tarvelle.lock"_s;

    environment.set("XDG_RUNTIME_DIR", QFile::encodeName(privateOne));
    QCOMPARE(services::FileInstanceLock::defaultPaths(u"Tarvelle"_s),
             QStringList({privateOne + u"/Tarvelle.lock"_s, cacheLock}));
    struct stat info = {};
    QCOMPARE(::stat(QFile::encodeName(cacheHome + u"/Tarvelle"_s).constData(), &info), 0);
    QCOMPARE(info.st_mode & 077, 0u);
    // A runtime folder that others may write to, or a relative one, is passed over.
    QProcess first;
    first.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    QCOMPARE(holderSays(first, {}, true), u"locked"_s);
    for (const QString &unusable : {shared, u"relative/runtime"_s, QString()}) {
        if (unusable.isEmpty())
            environment.unset("XDG_RUNTIME_DIR");
        else
            environment.set("XDG_RUNTIME_DIR", QFile::encodeName(unusable));
        QCOMPARE(services::FileInstanceLock::defaultPaths(u"Tarvelle"_s), QStringList{cacheLock});
        // A copy started so still meets the first one.
        QProcess second;
        second.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        QCOMPARE(holderSays(second, {}, true), u"refused"_s);
        second.kill();
        second.waitForFinished();
    }
    first.kill();
    first.waitForFinished();
    // With neither variable, the cache inside the home.
    environment.unset("XDG_CACHE_HOME");
    QCOMPARE(services::FileInstanceLock::defaultPaths(u"Tarvelle"_s),
             QStringList{home + u"/.cache/Tarvelle/Tarvelle.lock"_s});
}

void TestInstanceLock::copiesStartedTogetherLeaveExactlyOne()
{
    for (int round = 0; round < 10; ++round) {
        QFile::remove(m_path);
        std::vector<std::unique_ptr<QProcess>> copies;
        for (int i = 0; i < 8; ++i) {
            copies.push_back(std::make_unique<QProcess>());
            copies.back()->start(QString::fromLocal8Bit(LOCK_HOLDER_PATH), {m_path});
        }
        int locked = 0;
        int refused = 0;
        for (auto &copy : copies) {
            QVERIFY(copy->waitForReadyRead(10000));
            const QByteArray said = copy->readLine().trimmed();
            locked += said == "locked" ? 1 : 0;
            refused += said == "refused" ? 1 : 0;
        }
        QCOMPARE(locked, 1);
        QCOMPARE(refused, 7);
        for (auto &copy : copies) {
            copy->kill();
            copy->waitForFinished();
        }
    }
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
