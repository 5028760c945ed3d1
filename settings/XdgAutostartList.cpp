#include "settings/XdgAutostartList.h"

#include "settings/ConfigHome.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace settings {

namespace {

StartupList::Failure failure(StartupList::Failure::Stage stage, int code)
{
    return {stage, code, QString::fromLocal8Bit(std::strerror(code))};
}

// mkdir -p that keeps the system's reason when it fails.
int makeFolders(const QByteArray &path)
{
    for (qsizetype slash = path.indexOf('/', 1);; slash = path.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? path : path.left(slash);
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST)
            return errno;
        if (slash < 0)
            break;
    }
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0)
        return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

// Writes a new file beside the target and renames it over, so a crash never leaves half an entry.
// Not being allowed to create a file in the folder is a failure to open it, like a folder that
// cannot be made; whatever fails after that is a failure to set the entry.
std::optional<StartupList::Failure> writeAtomically(const QByteArray &path,
                                                    const QByteArray &contents)
{
    QByteArray temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failure(StartupList::Failure::Stage::Opening, errno);
    int error = 0;
    qsizetype done = 0;
    while (done < contents.size() && error == 0) {
        const ssize_t n =
            ::write(fd, contents.constData() + done, static_cast<size_t>(contents.size() - done));
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n > 0)
            done += n;
    }
    if (error == 0 && ::fchmod(fd, 0644) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), path.constData()) != 0)
        error = errno;
    if (error == 0)
        return std::nullopt;
    ::unlink(temporary.constData());
    return failure(StartupList::Failure::Stage::Setting, error);
}

} // namespace

XdgAutostartList::XdgAutostartList(QString folder) : m_folder(std::move(folder)) {}

QString XdgAutostartList::defaultFolder()
{
    return configHome() + "/autostart"_L1;
}

QString XdgAutostartList::folder() const
{
    return m_folder.isEmpty() ? defaultFolder() : m_folder;
}

QString XdgAutostartList::entryPath(const QString &name) const
{
    return folder() + u'/' + name + ".desktop"_L1;
}

bool XdgAutostartList::contains(const QString &name) const
{
    return QFile::exists(entryPath(name));
}

std::optional<StartupList::Failure> XdgAutostartList::write(const QString &name,
                                                            const QString &executablePath)
{
    if (const int error = makeFolders(QFile::encodeName(folder())); error != 0)
        return failure(Failure::Stage::Opening, error);
    // An entry must start this program: with no path to it there is nothing to write.
    if (!QDir::isAbsolutePath(executablePath))
        return failure(Failure::Stage::Setting, ENOENT);
    return writeAtomically(QFile::encodeName(entryPath(name)),
                           autostartEntryText(executablePath).toUtf8());
}

std::optional<StartupList::Failure> XdgAutostartList::remove(const QString &name)
{
    struct stat info = {};
    const QByteArray folderPath = QFile::encodeName(folder());
    if (::stat(folderPath.constData(), &info) != 0)
        return std::nullopt; // no folder, no entry
    if (!S_ISDIR(info.st_mode))
        return failure(Failure::Stage::Opening, ENOTDIR);
    if (::unlink(QFile::encodeName(entryPath(name)).constData()) != 0 && errno != ENOENT)
        return failure(Failure::Stage::Setting, errno);
    return std::nullopt;
}

QString quotedExecArgument(const QString &path)
{
    // Inside double quotes the Exec rules escape ", `, $ and \ with a backslash ...
    QString quoted = u"\""_s;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    // ... then "%" introduces field codes, and the value itself is a string with its own escapes.
    quoted.replace(u'%', "%%"_L1);
    QString value;
    for (const QChar c : quoted) {
        switch (c.unicode()) {
        case '\\': value += "\\\\"_L1; break;
        case '\n': value += "\\n"_L1; break;
        case '\t': value += "\\t"_L1; break;
        case '\r': value += "\\r"_L1; break;
        default: value += c;
        }
    }
    return value;
}

QString autostartEntryText(const QString &executablePath)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tarvelle\n"
           "Comment=Shows the card for the day at its time\n"
           "Icon=com.quellmoor.Tarvelle\n"
           "Exec="_L1
           + quotedExecArgument(executablePath)
           + " /STARTUP\n"
             "X-GNOME-Autostart-enabled=true\n"
             "X-KDE-autostart-after=panel\n"
             "X-LXQt-Need-Tray=true\n"_L1;
}

} // namespace settings
