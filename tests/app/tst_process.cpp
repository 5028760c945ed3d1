// The real executable, started as a desktop would start it, in environments that misbehave.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestProcess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void endingSignalsSaveAndEnd_data();
    void endingSignalsSaveAndEnd();
    void endingSignalAtAnyMomentOfTheStart();
    void signalWhileWaitingForATrayAtLogOn();
    void installedUnderAPathThatIsNotUtf8();
    void firstRunKilledAtAnyWriteLeavesAWholeStore();
    void noHomeNoRuntimeFolder();
    void localeChangesBetweenStarts();
    void configFolderThatCannotBeWritten();

private:
    QProcessEnvironment environment() const;
    bool start(const QProcessEnvironment &env, const QStringList &arguments = {});
    // Starts the program, waits for its window's first paint, then ends it as a log-out does.
    void showAndEnd(QProcessEnvironment env);
    QString setting(const QString &key) const;
    QString iniPath() const { return m_root->path() + u"/config/Tarvelle/Tarvelle.ini"_s; }
    void writeIni(const QByteArray &contents);
    bool lockIsFree() const;

    std::unique_ptr<QTemporaryDir> m_root;
    QProcess m_program;
};

void TestProcess::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QDir().mkpath(m_root->path() + u"/runtime"_s);
    QFile::setPermissions(m_root->path() + u"/runtime"_s,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestProcess::cleanup()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished();
    }
}

QProcessEnvironment TestProcess::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"XDG_CONFIG_HOME"_s, m_root->path() + u"/config"_s);
    env.insert(u"XDG_RUNTIME_DIR"_s, m_root->path() + u"/runtime"_s);
    env.insert(u"HOME"_s, m_root->path() + u"/home"_s);
    // Where fonts and the like keep their caches and state: never the developer's own.
    env.insert(u"XDG_CACHE_HOME"_s, m_root->path() + u"/cache"_s);
    env.insert(u"XDG_DATA_HOME"_s, m_root->path() + u"/data"_s);
    env.insert(u"XDG_STATE_HOME"_s, m_root->path() + u"/state"_s);
    env.insert(u"LANG"_s, u"C"_s);
    env.remove(u"LC_ALL"_s);
    return env;
}

bool TestProcess::start(const QProcessEnvironment &env, const QStringList &arguments)
{
    m_program.setProcessEnvironment(env);
    m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program.start(QString::fromLocal8Bit(TARVELLE_PATH), arguments);
    return m_program.waitForStarted();
}

void TestProcess::showAndEnd(QProcessEnvironment env)
{
    env.insert(u"TARVELLE_REPORT_FIRST_PAINT"_s, u"1"_s);
    m_program.setProcessEnvironment(env);
    m_program.setProcessChannelMode(QProcess::SeparateChannels);
    m_program.start(QString::fromLocal8Bit(TARVELLE_PATH), {});
    QVERIFY(m_program.waitForStarted());
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += m_program.readAllStandardError()).contains("first-paint-ns"),
                             20000);
    ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
    QVERIFY(m_program.waitForFinished(20000));
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
}

QString TestProcess::setting(const QString &key) const
{
    return QSettings(iniPath(), QSettings::IniFormat).value(u"Settings/"_s + key).toString();
}

void TestProcess::writeIni(const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(iniPath()).absolutePath());
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

bool TestProcess::lockIsFree() const
{
    const int fd =
        ::open(QFile::encodeName(m_root->path() + u"/runtime/Tarvelle.lock"_s).constData(),
               O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

void TestProcess::endingSignalsSaveAndEnd_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestProcess::endingSignalsSaveAndEnd()
{
    QFETCH(int, signalNumber);
    QVERIFY(start(environment()));
    // Up once the first run has stored its card.
    QTRY_VERIFY_WITH_TIMEOUT(!setting(u"Card"_s).isEmpty(), 20000);
    QVERIFY(setting(u"AutorunStartUp"_s).isEmpty());
    ::kill(static_cast<pid_t>(m_program.processId()), signalNumber);
    QVERIFY(m_program.waitForFinished(20000));
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
    QCOMPARE(setting(u"AutorunStartUp"_s), u"False"_s);
    QCOMPARE(setting(u"SystemTray"_s), u"False"_s);
    QVERIFY(lockIsFree());
}

void TestProcess::endingSignalAtAnyMomentOfTheStart()
{
    // From the first line of main on, whatever the program is doing: status 0, never killed.
    // Started with the signals blocked, so that one sent while the loader still works waits
    // for main.
    m_program.setChildProcessModifier([] {
        sigset_t ending;
        sigemptyset(&ending);
        for (const int number : {SIGTERM, SIGHUP, SIGINT})
            sigaddset(&ending, number);
        ::sigprocmask(SIG_BLOCK, &ending, nullptr);
    });
    for (const int delayMs : {0, 1, 2, 4, 8, 15, 30, 60, 120, 250}) {
        QVERIFY(start(environment()));
        QThread::msleep(static_cast<unsigned long>(delayMs));
        ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
        QVERIFY2(m_program.waitForFinished(20000), qPrintable(QString::number(delayMs)));
        QVERIFY2(m_program.exitStatus() == QProcess::NormalExit,
                 qPrintable(QString::number(delayMs)));
        QCOMPARE(m_program.exitCode(), 0);
        QVERIFY(lockIsFree());
    }
    m_program.setChildProcessModifier({});
}

void TestProcess::signalWhileWaitingForATrayAtLogOn()
{
    QDir().mkpath(m_root->path() + u"/config/autostart"_s);
    QFile entry(m_root->path() + u"/config/autostart/Tarvelle.desktop"_s);
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.close();
    writeIni("[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=3\nDate=1 Jan 2099\n"
             "AutorunStartUp=True\nSystemTray=True\nRunAtSysTray=True\n");
    QVERIFY(start(environment(), {u"/STARTUP"_s}));
    QTRY_VERIFY_WITH_TIMEOUT(!setting(u"UpdateCheckStamp"_s).isEmpty(), 20000);
    ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
    QVERIFY(m_program.waitForFinished(20000));
    QCOMPARE(m_program.exitCode(), 0);
    QCOMPARE(setting(u"SystemTray"_s), u"True"_s);
    QCOMPARE(setting(u"AutorunStartUp"_s), u"True"_s);
}

void TestProcess::installedUnderAPathThatIsNotUtf8()
{
    // Qt reports no path at all for such a folder; the program keeps its own name.
    const QByteArray folder = QFile::encodeName(m_root->path()) + "/bad\xff\xfe";
    QCOMPARE(::mkdir(folder.constData(), 0755), 0);
    const QByteArray copy = folder + "/Tarvelle";
    QVERIFY(std::filesystem::copy_file(TARVELLE_PATH, copy.toStdString()));
    m_program.setProcessEnvironment(environment());
    m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program.setProgram(u"/bin/sh"_s);
    // A path Qt cannot hand to exec itself; the shell takes the bytes as they are.
    m_program.setArguments(
        {u"-c"_s, u"exec \"$0/bad$(printf '\\377\\376')/Tarvelle\""_s, m_root->path()});
    m_program.start();
    QVERIFY(m_program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!setting(u"Card"_s).isEmpty(), 20000);
    QVERIFY(!QFile::exists(m_root->path() + u"/config/.ini"_s));
    QVERIFY(QFile::exists(m_root->path() + u"/runtime/Tarvelle.lock"_s));
    QVERIFY(!lockIsFree());
    ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
    QVERIFY(m_program.waitForFinished(20000));
    QCOMPARE(m_program.exitCode(), 0);
}

void TestProcess::firstRunKilledAtAnyWriteLeavesAWholeStore()
{
    const QString strace = QStandardPaths::findExecutable(u"strace"_s);
    QVERIFY2(!strace.isEmpty(), "strace is needed to kill the program inside a write");
    const QStringList firstRun{u"Date"_s,   u"Hour"_s, u"Minute"_s,
                               u"Second"_s, u"Card"_s, u"UpdateCheckStamp"_s};
    // The first write creates the file by a link, every later one renames a temporary over it.
    for (const QString &call : {u"linkat"_s, u"rename"_s}) {
        for (int when = 1; when <= 5; ++when) {
            const QString round = call + u" #"_s + QString::number(when);
            QDir(m_root->path() + u"/config"_s).removeRecursively();
            QProcessEnvironment env = environment();
            env.insert(u"TARVELLE_REPORT_FIRST_PAINT"_s, u"1"_s);
            m_program.setProcessEnvironment(env);
            m_program.setProcessChannelMode(QProcess::SeparateChannels);
            m_program.start(strace,
                            {u"-f"_s, u"-o"_s, u"/dev/null"_s, u"-e"_s, u"trace="_s + call, u"-e"_s,
                             u"inject=%1:signal=SIGKILL:when=%2"_s.arg(call).arg(when),
                             QString::fromLocal8Bit(TARVELLE_PATH)});
            QVERIFY(m_program.waitForStarted());
            // Either killed inside that write, or the start got through without one.
            QByteArray said;
            QTRY_VERIFY_WITH_TIMEOUT(
                m_program.state() == QProcess::NotRunning
                    || (said += m_program.readAllStandardError()).contains("first-paint-ns"),
                20000);
            if (m_program.state() != QProcess::NotRunning) {
                QFile children(u"/proc/%1/task/%1/children"_s.arg(m_program.processId()));
                QVERIFY(children.open(QIODevice::ReadOnly));
                ::kill(static_cast<pid_t>(children.readAll().trimmed().toLongLong()), SIGTERM);
                QVERIFY(m_program.waitForFinished(20000));
            }
            // A whole first run, or none of it.
            int present = 0;
            for (const QString &key : firstRun)
                present += setting(key).isEmpty() ? 0 : 1;
            QVERIFY2(present == 0 || present == firstRun.size(), qPrintable(round));

            // The next start completes it and clears what the killed write left behind.
            m_program.start(QString::fromLocal8Bit(TARVELLE_PATH), {});
            QVERIFY(m_program.waitForStarted());
            said.clear();
            QTRY_VERIFY_WITH_TIMEOUT(
                (said += m_program.readAllStandardError()).contains("first-paint-ns"), 20000);
            ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
            QVERIFY(m_program.waitForFinished(20000));
            QCOMPARE(setting(u"Second"_s), u"0"_s);
            const QStringList left =
                QDir(m_root->path() + u"/config/Tarvelle"_s)
                    .entryList({u"Tarvelle.ini.*"_s}, QDir::Files | QDir::Hidden);
            QVERIFY2(left.isEmpty(), qPrintable(round + u": "_s + left.join(u' ')));
        }
    }
}

void TestProcess::noHomeNoRuntimeFolder()
{
    // Without HOME the program asks the account database for its home. Run as the root of a
    // user namespace whose account entry names a temporary folder, it never reaches the
    // developer's own home.
    const QString unshare = QStandardPaths::findExecutable(u"unshare"_s);
    if (unshare.isEmpty())
        QSKIP("unshare is not installed");
    const QString home = m_root->path() + u"/account"_s;
    QVERIFY(QDir().mkpath(home));
    const QString passwd = m_root->path() + u"/passwd"_s;
    QFile account(passwd);
    QVERIFY(account.open(QIODevice::WriteOnly));
    account.write(QFile::encodeName(u"root:x:0:0:Tarvelle test:"_s + home + u":/bin/sh\n"_s));
    account.close();
    const QStringList asAccount{u"--user"_s,  u"--map-root-user"_s,
                                u"--mount"_s, u"/bin/sh"_s,
                                u"-c"_s,      u"mount --bind \"$0\" /etc/passwd && exec \"$@\""_s,
                                passwd};
    QProcess probe;
    probe.start(unshare, asAccount + QStringList{u"getent"_s, u"passwd"_s, u"0"_s});
    if (!probe.waitForFinished(20000) || probe.exitStatus() != QProcess::NormalExit
        || probe.exitCode() != 0)
        QSKIP("no user and mount namespaces here");
    QCOMPARE(QString::fromLocal8Bit(probe.readAllStandardOutput()).section(u':', 5, 5), home);

    QProcessEnvironment env = environment();
    for (const QString &name :
         {u"HOME"_s, u"XDG_RUNTIME_DIR"_s, u"XDG_CONFIG_HOME"_s, u"XDG_CACHE_HOME"_s})
        env.remove(name);
    m_program.setProcessEnvironment(env);
    m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program.start(unshare, asAccount + QStringList{QString::fromLocal8Bit(TARVELLE_PATH)});
    QVERIFY(m_program.waitForStarted());
    // Settings go to the account's own home, never to the root folder; so does the lock.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home + u"/.config/Tarvelle/Tarvelle.ini"_s), 20000);
    QVERIFY(!QFile::exists(u"/.config/Tarvelle/Tarvelle.ini"_s));
    QVERIFY(QFile::exists(home + u"/.cache/Tarvelle/Tarvelle.lock"_s));
    ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
    QVERIFY(m_program.waitForFinished(20000));
    QCOMPARE(m_program.exitCode(), 0);
}

void TestProcess::localeChangesBetweenStarts()
{
    // Each start shows its card, then ends as at a log-out.
    const auto showAndEndIn = [this](const char *lang) {
        QProcessEnvironment env = environment();
        env.insert(u"LANG"_s, QString::fromLatin1(lang));
        showAndEnd(env);
    };
    const QDate today = QDate::currentDate();
    const QLocale german(u"de_DE"_s);
    const auto settingsLeftBefore = [this, today](const QString &date) {
        writeIni("[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=17\nDate=" + date.toUtf8()
                 + "\nUpdateCheckStamp=" + today.toString(Qt::ISODate).toLatin1() + "\n");
    };

    // An earlier version wrote the due date in the German short form: still tomorrow.
    const QString earlierTomorrow = german.toString(today.addDays(1), QLocale::ShortFormat);
    settingsLeftBefore(earlierTomorrow);
    showAndEndIn("de_DE.UTF-8");
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(setting(u"Card"_s), u"17"_s);
    QCOMPARE(setting(u"Date"_s), earlierTomorrow);

    // Still today: a new card, due tomorrow in a form any language reads.
    settingsLeftBefore(german.toString(today, QLocale::ShortFormat));
    showAndEndIn("de_DE.UTF-8");
    if (QTest::currentTestFailed())
        return;
    const QString tomorrow = today.addDays(1).toString(Qt::ISODate);
    QCOMPARE(setting(u"Date"_s), tomorrow);
    const QString card = setting(u"Card"_s);

    // In English now, the same card for the day.
    showAndEndIn("en_US.UTF-8");
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(setting(u"Card"_s), card);
    QCOMPARE(setting(u"Date"_s), tomorrow);
}

void TestProcess::configFolderThatCannotBeWritten()
{
    // A plain file where the settings folder should be: nothing can be stored, for root too.
    QFile blocker(m_root->path() + u"/config"_s);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // It still starts and shows its window with a card.
    showAndEnd(environment());
    if (QTest::currentTestFailed())
        return;
    QVERIFY(QFileInfo(m_root->path() + u"/config"_s).isFile());
}

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
