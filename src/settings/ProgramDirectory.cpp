// SPDX-License-Identifier: MIT
#include <settings/ProgramDirectory.h>

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_LINUX
#include <unistd.h>

#include <climits>
#endif

namespace {

QByteArray folderOf(const QByteArray& file)
{
    // Only an absolute name leads anywhere but the working folder.
    const qsizetype slash = file.lastIndexOf('/');
    if (!file.startsWith('/') || slash < 0)
        return {};
    return slash == 0 ? QByteArray("/") : file.left(slash);
}

} // namespace

QByteArray programDirectory()
{
#ifdef Q_OS_LINUX
    // Qt's own answer goes through a QString, which loses a name that is not
    // valid UTF-8 and leaves an empty folder.
    QByteArray link(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink("/proc/self/exe", link.data(), static_cast<size_t>(PATH_MAX));
    if (length > 0 && length < PATH_MAX) {
        link.truncate(length);
        return folderOf(link);
    }
#endif
    return folderOf(QFile::encodeName(QCoreApplication::applicationFilePath()));
}

QByteArray inProgramDirectory(const QByteArray& directory, const QByteArray& name)
{
    if (directory.isEmpty())
        return {};
    return directory.endsWith('/') ? directory + name : directory + '/' + name;
}
