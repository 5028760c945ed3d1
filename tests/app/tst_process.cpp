// The real executable, started as a desktop would start it, in environments that misbehave.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

class TestProcess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void endingSignalsSaveAndEnd_data();
    void endingSignalsSaveAndEnd();
    void signalWhileWaitingForATrayAtLogOn();
    void noHomeNoRuntimeFolder();
    void localeChangesBetweenStarts();
    void configFolderThatCannotBeWritten();

private:
    QProcessEnvironment environment() const;
    bool start(const QProcessEnvironment &env, const QStringList &arguments = {});
    QString setting(const QString &key) const;
    QString iniPath() const { return m_root->path() + u"/config/Tarvelle/Tarvelle.ini"_s; }
    void writeIni(const QByteArray &contents);

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
    QVERIFY(!QFile::exists(m_root->path() + u"/runtime/Tarvelle.lock"_s));
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

void TestProcess::noHomeNoRuntimeFolder()
{
    QProcessEnvironment env = environment();
    env.remove(u"HOME"_s);
    env.remove(u"XDG_RUNTIME_DIR"_s);
    env.remove(u"XDG_CONFIG_HOME"_s);
    QVERIFY(start(env));
    // Settings go to the account's own home, never to the root folder.
    const QString home = QDir::homePath();
    const QString ini = home + u"/.config/Tarvelle/Tarvelle.ini"_s;
    const bool hadOne = QFile::exists(ini);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ini), 20000);
    QVERIFY(!QFile::exists(u"/.config/Tarvelle/Tarvelle.ini"_s) || home == u"/"_s);
    ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
    QVERIFY(m_program.waitForFinished(20000));
    QCOMPARE(m_program.exitCode(), 0);
    if (!hadOne)
        QDir(home + u"/.config/Tarvelle"_s).removeRecursively();
}

void TestProcess::localeChangesBetweenStarts()
{
    QProcessEnvironment env = environment();
    env.insert(u"LANG"_s, u"de_DE.UTF-8"_s);
    QVERIFY(start(env));
    QTRY_VERIFY_WITH_TIMEOUT(setting(u"Date"_s).contains(u'.'), 20000);
    ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
    QVERIFY(m_program.waitForFinished(20000));

    env.insert(u"LANG"_s, u"en_US.UTF-8"_s);
    QVERIFY(start(env));
    // The German date cannot be read as an American one: a new card, and the date rewritten.
    QTRY_VERIFY_WITH_TIMEOUT(setting(u"Date"_s).contains(u'/'), 20000);
    ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
    QVERIFY(m_program.waitForFinished(20000));
    QCOMPARE(m_program.exitCode(), 0);
    const int card = setting(u"Card"_s).toInt();
    QVERIFY(card >= 1 && card <= 52);
}

void TestProcess::configFolderThatCannotBeWritten()
{
    // A plain file where the settings folder should be: nothing can be stored, for root too.
    QFile blocker(m_root->path() + u"/config"_s);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QProcessEnvironment env = environment();
    env.insert(u"TARVELLE_REPORT_FIRST_PAINT"_s, u"1"_s);
    m_program.setProcessEnvironment(env);
    m_program.setProcessChannelMode(QProcess::SeparateChannels);
    m_program.start(QString::fromLocal8Bit(TARVELLE_PATH), {});
    QVERIFY(m_program.waitForStarted());
    // It still starts and shows its window with a card.
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += m_program.readAllStandardError()).contains("first-paint-ns"),
                             20000);
    ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
    QVERIFY(m_program.waitForFinished(20000));
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
    QVERIFY(QFileInfo(m_root->path() + u"/config"_s).isFile());
}

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
