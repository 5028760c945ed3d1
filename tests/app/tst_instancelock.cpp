#include "app/InstanceLock.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <utime.h>

using namespace Qt::StringLiterals;

class TestInstanceLock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefusedAndAKilledOneDoesNotBlock();
    void emptyLockOfACopyKilledWhileLocking();
    void copiesStartedTogetherLeaveExactlyOne();

private:
    QString holderSays(QProcess &holder)
    {
        holder.start(QString::fromLocal8Bit(LOCK_HOLDER_PATH), {m_path});
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
    app::LockFileInstanceLock here(m_path);
    QVERIFY(!here.acquire());

    first.kill(); // SIGKILL: no chance to clean up its lock
    QVERIFY(first.waitForFinished());
    QVERIFY(QFile::exists(m_path));
    QVERIFY(here.acquire());
    QProcess third;
    QCOMPARE(holderSays(third), u"refused"_s);
    third.kill();
    third.waitForFinished();
}

void TestInstanceLock::emptyLockOfACopyKilledWhileLocking()
{
    QFile empty(m_path);
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    // Fresh, it may be a copy starting this very moment.
    QVERIFY(!app::LockFileInstanceLock(m_path).acquire());
    struct utimbuf old = {};
    old.actime = old.modtime = ::time(nullptr) - 60;
    QCOMPARE(::utime(QFile::encodeName(m_path).constData(), &old), 0);
    app::LockFileInstanceLock after(m_path);
    QVERIFY(after.acquire());
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
