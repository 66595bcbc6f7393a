// SPDX-License-Identifier: MIT
#include <help/HelpFileLoader.h>
#include <help/HelpFileParser.h>

#include <QByteArray>
#include <QFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace Help {
namespace {

struct ReadResult
{
    QByteArray bytes;
    QString error; // empty when the bytes are the whole file
};

QString tooLarge()
{
    return QStringLiteral("the file is larger than %1 MiB, the most a help file may hold")
        .arg(Limits::FileBytes / (1024 * 1024));
}

#ifdef Q_OS_UNIX

QString notRegular(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("this is a folder, not a help file");
    if (S_ISFIFO(mode))
        return QStringLiteral("this is a named pipe, not a help file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("this is a device, not a help file");
    if (S_ISSOCK(mode))
        return QStringLiteral("this is a socket, not a help file");
    return QStringLiteral("this is not a regular file, so it cannot be a help file");
}

QString cannotRead(int error)
{
    if (error == ENOENT)
        return QStringLiteral("the help file does not exist");
    return QStringLiteral("the help file cannot be read: %1").arg(qt_error_string(error));
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

ReadResult readRegularFile(const QByteArray& path)
{
    // Without O_NONBLOCK, opening a named pipe waits for a writer that may never come.
    const Descriptor file(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        // Sockets, for one, cannot be opened at all: say what is there instead.
        const int error = errno;
        struct stat status = {};
        if (error != ENOENT && ::stat(path.constData(), &status) == 0 && !S_ISREG(status.st_mode))
            return {{}, notRegular(status.st_mode)};
        return {{}, cannotRead(error)};
    }
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0)
        return {{}, cannotRead(errno)};
    if (!S_ISREG(status.st_mode))
        return {{}, notRegular(status.st_mode)};

    // The size is only a hint: files that the system makes up as they are read claim 0.
    QByteArray bytes;
    bytes.reserve(
        static_cast<qsizetype>(std::clamp<qint64>(status.st_size, 0, Limits::FileBytes + 1)));
    constexpr qsizetype chunk = 64 * 1024;
    while (bytes.size() <= Limits::FileBytes) {
        const qsizetype before = bytes.size();
        bytes.resize(before + chunk);
        const ssize_t got = ::read(file.get(), bytes.data() + before, static_cast<size_t>(chunk));
        if (got < 0 && errno == EINTR) {
            bytes.resize(before);
            continue;
        }
        if (got < 0)
            return {{}, cannotRead(errno)};
        bytes.resize(before + got);
        if (got == 0)
            return {bytes, {}};
    }
    return {{}, tooLarge()};
}

#else

} // namespace
} // namespace Help

#include <QFileInfo>

namespace Help {
namespace {

ReadResult readRegularFile(const QByteArray& path)
{
    const QFileInfo info(QFile::decodeName(path));
    if (!info.exists())
        return {{}, QStringLiteral("the help file does not exist")};
    if (info.isDir())
        return {{}, QStringLiteral("this is a folder, not a help file")};
    if (!info.isFile())
        return {{}, QStringLiteral("this is not a regular file, so it cannot be a help file")};
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("the help file cannot be read: %1").arg(file.errorString())};
    QByteArray bytes = file.read(Limits::FileBytes + 1);
    if (bytes.size() > Limits::FileBytes)
        return {{}, tooLarge()};
    return {bytes, {}};
}

#endif

} // namespace

HelpFile loadHelpFile(const QByteArray& path)
{
    const ReadResult read = readRegularFile(path);
    if (read.error.isEmpty())
        return parseHelpText(read.bytes, path);
    HelpFile failed;
    failed.path = path;
    failed.diagnostics.append({HelpDiagnostic::Severity::Error, 0, read.error});
    return failed;
}

} // namespace Help
