#include "services/WallClockAlarm.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

class TestWallClockAlarm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyWayOfChangingTheZoneIsHeard();
};

void TestWallClockAlarm::everyWayOfChangingTheZoneIsHeard()
{
    // A folder standing in for /etc, its zone entry a link into the zone files.
    QTemporaryDir etc;
    const QString entry = etc.filePath(u"localtime"_s);
    for (const QString &zone : {u"Berlin"_s, u"London"_s, u"Tokyo"_s}) {
        QFile file(etc.filePath(zone));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("TZif");
    }
    QVERIFY(QFile::link(etc.filePath(u"Berlin"_s), entry));
    services::TimerfdAlarm alarm(entry);
    QSignalSpy changed(&alarm, &services::WallClockAlarm::clockChanged);

    // timedatectl: a new link renamed over the entry.
    QVERIFY(QFile::link(etc.filePath(u"London"_s), etc.filePath(u".localtime.new"_s)));
    QCOMPARE(std::rename(QFile::encodeName(etc.filePath(u".localtime.new"_s)).constData(),
                         QFile::encodeName(entry).constData()),
             0);
    QTRY_VERIFY(!changed.isEmpty());

    // The zone file the new link leads to, rewritten in place, as a zone data update does.
    changed.clear();
    {
        QFile london(entry);
        QVERIFY(london.open(QIODevice::Append));
        london.write("\n");
    }
    QTRY_VERIFY(!changed.isEmpty());

    // ln -sf: the entry removed, then made anew.
    changed.clear();
    QVERIFY(QFile::remove(entry));
    QVERIFY(QFile::link(etc.filePath(u"Tokyo"_s), entry));
    QTRY_VERIFY(!changed.isEmpty());
    changed.clear();
    {
        QFile tokyo(entry);
        QVERIFY(tokyo.open(QIODevice::Append));
        tokyo.write("\n");
    }
    QTRY_VERIFY(!changed.isEmpty());
}

QTEST_GUILESS_MAIN(TestWallClockAlarm)
#include "tst_wallclockalarm.moc"
