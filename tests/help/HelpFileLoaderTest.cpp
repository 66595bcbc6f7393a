// SPDX-License-Identifier: MIT
#include <help/HelpFileLoader.h>

#include "HelpTestFiles.h"

#include <QDir>
#include <QLocalServer>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using Help::HelpFile;

namespace {

// What each case leaves at dir/"help.hlp" in place of a help file.
enum class Kind
{
    Missing,
    Folder,
    NamedPipe,
    LinkToDevZero,
    Device,
    LinkLoop,
    Socket,
    Sparse17MiB,
    Exactly16MiB,
};

bool make(Kind kind, const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Kind::Missing:
        return true;
    case Kind::Folder:
        return QDir().mkdir(path);
    case Kind::NamedPipe:
        return ::mkfifo(name.constData(), 0600) == 0;
    case Kind::LinkToDevZero:
        return QFile::link(QStringLiteral("/dev/zero"), path);
    case Kind::Device:
        return QFile::link(QStringLiteral("/dev/null"), path);
    case Kind::LinkLoop:
        return QFile::link(path, path);
    case Kind::Socket:
        return false; // made by the test, which keeps its server listening
    case Kind::Sparse17MiB:
    case Kind::Exactly16MiB: {
        QFile file(path);
        const qint64 size = kind == Kind::Sparse17MiB ? 17 * 1024 * 1024 : 16 * 1024 * 1024;
        return file.open(QIODevice::WriteOnly) && file.resize(size);
    }
    }
    return false;
}

} // namespace

// Loading never waits for anything but the file's own bytes, and reads no more than a help file may
// hold.
class HelpFileLoaderTest : public QObject
{
    Q_OBJECT

private slots:
    void reportsWhatIsNotAHelpFileAtOnce_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("message");

        QTest::newRow("missing") << Kind::Missing << "the help file does not exist";
        QTest::newRow("folder") << Kind::Folder << "this is a folder, not a help file";
        QTest::newRow("named pipe") << Kind::NamedPipe << "this is a named pipe, not a help file";
        QTest::newRow("link to /dev/zero")
            << Kind::LinkToDevZero << "this is a device, not a help file";
        QTest::newRow("device") << Kind::Device << "this is a device, not a help file";
        QTest::newRow("link loop") << Kind::LinkLoop << "the help file cannot be read: ";
        QTest::newRow("socket") << Kind::Socket << "this is a socket, not a help file";
        QTest::newRow("17 MiB, sparse") << Kind::Sparse17MiB << "the file is larger than 16 MiB";
        // A file of exactly the limit is read: the problem is its text, one line of NUL bytes.
        QTest::newRow("16 MiB, sparse") << Kind::Exactly16MiB << "the line is longer than 4000";
    }

    void reportsWhatIsNotAHelpFileAtOnce()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, message);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("help.hlp"));
        QLocalServer socket;
        if (kind == Kind::Socket)
            QVERIFY(socket.listen(path));
        else
            QVERIFY(make(kind, path));

        HelpFile file;
        std::unique_ptr<QThread> loader(
            QThread::create([&] { file = Help::loadHelpFile(QFile::encodeName(path)); }));
        loader->start();
        // A generous bound: it catches a wait without end, not a slow machine.
        if (!loader->wait(QDeadlineTimer(hangBoundMs))) {
            // Set the loader free, so that the test can end.
            const int writer = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            loader->wait();
            if (writer >= 0)
                ::close(writer);
            QFAIL("loading did not come back");
        }
        QCOMPARE(file.path, QFile::encodeName(path));
        QVERIFY(file.hasErrors());
        QVERIFY(file.topics.isEmpty());
        QVERIFY2(file.diagnostics[0].message.startsWith(message),
                 qPrintable(file.diagnostics[0].message));
        QCOMPARE(file.diagnostics[0].line, kind == Kind::Exactly16MiB ? 1 : 0);
    }

    void readsAFileThatClaimsNoSize()
    {
        // The system makes such files up as they are read.
        const HelpFile file = Help::loadHelpFile("/proc/self/status");
        QCOMPARE(file.diagnostics.size(), 1);
        QCOMPARE(file.diagnostics[0].line, 1);
        QCOMPARE(file.diagnostics[0].message, QStringLiteral("text before the first @topic"));
    }

    void readsAHelpFileThroughALink()
    {
        QTemporaryDir dir;
        const QString target = writeHelpFile(dir, QStringLiteral("real.hlp"), sampleHelp);
        const QString link = dir.filePath(QStringLiteral("link.hlp"));
        QVERIFY(QFile::link(target, link));
        const HelpFile file = Help::loadHelpFile(QFile::encodeName(link));
        QVERIFY(file.diagnostics.isEmpty());
        QCOMPARE(file.topics.size(), 3);
    }
};

QTEST_GUILESS_MAIN(HelpFileLoaderTest)
#include "HelpFileLoaderTest.moc"
