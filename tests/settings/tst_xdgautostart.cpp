#include "settings/XdgAutostartList.h"

#include "ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Failure = settings::StartupList::Failure;

class TestXdgAutostart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void entryForAPathWithSpaces();
    void execQuotingKeepsThePathOneArgument_data();
    void execQuotingKeepsThePathOneArgument();
    void presentWhateverItHolds();
    void removingAnAbsentEntryIsNoError();
    void folderThatCannotBeOpened();
    void folderThatMayNotBeWrittenTo();
    void entryThatCannotBeWritten();
    void defaultFolderFollowsXdgConfigHome();

private:
    QString read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_folder;
};

void TestXdgAutostart::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    m_folder = m_root->path() + u"/config/autostart"_s;
}

void TestXdgAutostart::entryForAPathWithSpaces()
{
    settings::XdgAutostartList list(m_folder);
    QVERIFY(!list.contains(u"Tarvelle"_s));
    QCOMPARE(list.write(u"Tarvelle"_s, u"/home/ann/My Programs/Tarvelle"_s), std::nullopt);
    QVERIFY(list.contains(u"Tarvelle"_s));
    QCOMPARE(read(m_folder + u"/Tarvelle.desktop"_s),
             u"[Desktop Entry]\n"
             u"Type=Application\n"
             u"Name=Tarvelle\n"
             u"Comment=Shows the card for the day at its time\n"
             u"Icon=com.quellmoor.Tarvelle\n"
             u"Exec=\"/home/ann/My Programs/Tarvelle\" /STARTUP\n"
             u"X-GNOME-Autostart-enabled=true\n"
             u"X-KDE-autostart-after=panel\n"
             u"X-LXQt-Need-Tray=true\n"_s);
    // Desktops' start-up settings list only entries that validate.
    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    if (!validator.isEmpty()) {
        QProcess validate;
        validate.start(validator, {m_folder + u"/Tarvelle.desktop"_s});
        QVERIFY(validate.waitForFinished());
        QVERIFY2(validate.exitCode() == 0, validate.readAll().constData());
    }
    // Written again with a new place, not appended to.
    QCOMPARE(list.write(u"Tarvelle"_s, u"/opt/Tarvelle"_s), std::nullopt);
    QVERIFY(
        read(m_folder + u"/Tarvelle.desktop"_s).contains(u"Exec=\"/opt/Tarvelle\" /STARTUP\n"_s));
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), QStringList{u"Tarvelle.desktop"_s});
    QCOMPARE(list.remove(u"Tarvelle"_s), std::nullopt);
    QVERIFY(!list.contains(u"Tarvelle"_s));
}

void TestXdgAutostart::execQuotingKeepsThePathOneArgument_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << u"/usr/bin/Tarvelle"_s << u"\"/usr/bin/Tarvelle\""_s;
    QTest::newRow("double quote") << u"/a\"b/T"_s << u"\"/a\\\\\"b/T\""_s;
    QTest::newRow("dollar") << u"/$HOME/T"_s << u"\"/\\\\$HOME/T\""_s;
    QTest::newRow("backtick") << u"/`rm`/T"_s << u"\"/\\\\`rm\\\\`/T\""_s;
    QTest::newRow("backslash") << u"/a\\b/T"_s << u"\"/a\\\\\\\\b/T\""_s;
    QTest::newRow("percent") << u"/100%/T"_s << u"\"/100%%/T\""_s;
    QTest::newRow("semicolon and ampersand") << u"/a;b&c/T"_s << u"\"/a;b&c/T\""_s;
    QTest::newRow("newline") << u"/a\nb/T"_s << u"\"/a\\nb/T\""_s;
    QTest::newRow("unicode") << u"/home/zoë/カード/T"_s << u"\"/home/zoë/カード/T\""_s;
}

void TestXdgAutostart::execQuotingKeepsThePathOneArgument()
{
    QFETCH(QString, path);
    QFETCH(QString, exec);
    QCOMPARE(settings::quotedExecArgument(path), exec);
    QVERIFY(settings::autostartEntryText(path).contains(u"\nExec="_s + exec + u" /STARTUP\n"_s));
}

void TestXdgAutostart::presentWhateverItHolds()
{
    QDir().mkpath(m_folder);
    QFile other(m_folder + u"/Tarvelle.desktop"_s);
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("not a desktop file at all");
    other.close();
    QVERIFY(settings::XdgAutostartList(m_folder).contains(u"Tarvelle"_s));
    QVERIFY(!settings::XdgAutostartList(m_folder).contains(u"Tarvelle-copy"_s));
}

void TestXdgAutostart::removingAnAbsentEntryIsNoError()
{
    settings::XdgAutostartList list(m_folder);
    QCOMPARE(list.remove(u"Tarvelle"_s), std::nullopt); // no folder either
    QDir().mkpath(m_folder);
    QCOMPARE(list.remove(u"Tarvelle"_s), std::nullopt);
}

void TestXdgAutostart::folderThatCannotBeOpened()
{
    // A file where the folder should be; unlike a read-only folder this holds for root too.
    QDir().mkpath(m_root->path() + u"/config"_s);
    QFile blocker(m_folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    settings::XdgAutostartList list(m_folder);
    const auto failure = list.write(u"Tarvelle"_s, u"/opt/Tarvelle"_s);
    QVERIFY(failure.has_value());
    QCOMPARE(failure->stage, Failure::Stage::Opening);
    QCOMPARE(failure->code, ENOTDIR);
    QCOMPARE(failure->description, u"Not a directory"_s);
    QCOMPARE(list.remove(u"Tarvelle"_s)->stage, Failure::Stage::Opening);
}

void TestXdgAutostart::folderThatMayNotBeWrittenTo()
{
    // The folder is there but takes no new file: the folder cannot be opened for writing.
    QVERIFY(QDir().mkpath(m_folder));
    for (const QString &folder : {m_root->path(), m_root->path() + u"/config"_s})
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    QCOMPARE(::chmod(QFile::encodeName(m_folder).constData(), 0555), 0);
    // Root may write anywhere, so the write is made by a child that gives root up.
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(200);
        const auto failure =
            settings::XdgAutostartList(m_folder).write(u"Tarvelle"_s, u"/opt/Tarvelle"_s);
        if (!failure)
            ::_exit(201);
        ::_exit(failure->stage == Failure::Stage::Opening ? failure->code : 202);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), EACCES);
    QVERIFY(QDir(m_folder).isEmpty());
}

void TestXdgAutostart::entryThatCannotBeWritten()
{
    // Without a path to the program, an entry would start nothing.
    const auto noProgram = settings::XdgAutostartList(m_folder).write(u"Tarvelle"_s, {});
    QVERIFY(noProgram.has_value());
    QCOMPARE(noProgram->stage, Failure::Stage::Setting);
    QVERIFY(!QFile::exists(m_folder + u"/Tarvelle.desktop"_s));

    QDir().mkpath(m_folder + u"/Tarvelle.desktop/inside"_s);
    settings::XdgAutostartList list(m_folder);
    const auto failure = list.write(u"Tarvelle"_s, u"/opt/Tarvelle"_s);
    QVERIFY(failure.has_value());
    QCOMPARE(failure->stage, Failure::Stage::Setting);
    QVERIFY(failure->code == EISDIR || failure->code == ENOTEMPTY || failure->code == EEXIST);
    QVERIFY(!failure->description.isEmpty());
    // No temporary file is left behind.
    QCOMPARE(QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"Tarvelle.desktop"_s});
}

void TestXdgAutostart::defaultFolderFollowsXdgConfigHome()
{
    ScopedEnvironment environment;
    const QString home = m_root->path() + u"/home"_s;
    environment.set("HOME", QFile::encodeName(home));
    environment.set("XDG_CONFIG_HOME", QFile::encodeName(m_root->path()));
    QCOMPARE(settings::XdgAutostartList::defaultFolder(), m_root->path() + u"/autostart"_s);
    environment.set("XDG_CONFIG_HOME", "relative/is/ignored");
    QCOMPARE(settings::XdgAutostartList::defaultFolder(),
             QDir::homePath() + u"/.config/autostart"_s);
    environment.unset("XDG_CONFIG_HOME");
    QCOMPARE(settings::XdgAutostartList::defaultFolder(),
             QDir::homePath() + u"/.config/autostart"_s);
    QCOMPARE(QDir::homePath(), home);
}

QTEST_GUILESS_MAIN(TestXdgAutostart)
#include "tst_xdgautostart.moc"
