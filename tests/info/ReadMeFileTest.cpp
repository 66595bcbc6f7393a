// SPDX-License-Identifier: MIT
// What the read-me viewer shows for the files it may meet: the shipped
// read-me, other texts, no file, and files it cannot or must not read whole.
#include <ui/info/Windows1252.h>

#include "InfoTesting.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <thread>

using namespace InfoTesting;

namespace {

const QString NotFoundShown =
    QStringLiteral("Rollwright Error - \"Read Me First.txt\" was not found!\n");

// The text box shows a CR LF pair as one line break.
QString asShown(const QByteArray& bytes)
{
    return Windows1252::decode(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// 64 bytes a line, so that a cut at any size is easy to predict.
QByteArray lines(qint64 size)
{
    const QByteArray line =
        QByteArrayLiteral("The quick brown fox jumps over the lazy dog, 0123456789 abcde\r\n");
    QByteArray bytes;
    while (bytes.size() < size)
        bytes += line;
    bytes.truncate(size);
    return bytes;
}

} // namespace

class ReadMeFileTest : public QObject
{
    Q_OBJECT

    MainWindow m_main;
    QTemporaryDir m_dir;

    QString path() const { return m_dir.filePath(frmReadMe::FileName); }

    bool write(const QByteArray& bytes) const
    {
        QFile file(path());
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // Opens the viewer and returns what its box shows.
    QString shown() const
    {
        QString text;
        const bool ran = whileReadMeOpen([&] {
            text = LoadedWindows::readMe->findChild<QPlainTextEdit*>(QStringLiteral("txtReadMe"))
                       ->toPlainText();
        });
        return ran ? text : QStringLiteral("(viewer did not open)");
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        Program::setHost({.directory = QFile::encodeName(m_dir.path())});
        QVERIFY(m_main.start());
    }
    void cleanup()
    {
        m_main.stop();
        Program::setHost({});
        frmReadMe::setBeforeOpeningForTests({});
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        QDir(path()).removeRecursively();
        QFile::remove(path());
    }

    void content_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("CR LF line ends") << QByteArray("First line\r\nSecond line\r\n")
                                         << QStringLiteral("First line\nSecond line\n");
        QTest::newRow("no line end at the end")
            << QByteArray("Only line") << QStringLiteral("Only line");
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("Windows-1252 characters")
            << QByteArray("\x80 5, \x93quoted\x94, caf\xe9")
            << QStringLiteral(u"\u20AC 5, \u201Cquoted\u201D, caf\u00E9");
        QTest::newRow("NUL bytes")
            << QByteArray("a\0b\0\0c", 6) << QStringLiteral(u"a\uFFFDb\uFFFD\uFFFDc");
        QTest::newRow("undefined byte") << QByteArray("x\x81y") << QStringLiteral(u"x\uFFFDy");
    }

    void content()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QVERIFY(write(bytes));
        QCOMPARE(shown(), expected);
    }

    void missingFile()
    {
        QCOMPARE(shown(), NotFoundShown); // the message, then an empty line
        QCOMPARE(frmReadMe::NotFoundText,
                 QStringLiteral("Rollwright Error - \"Read Me First.txt\" was not found!\r\n"));
    }

    void unreadable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << "directory";
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("link to nothing") << "dangling link";
        QTest::newRow("no read permission") << "no permission";
        QTest::newRow("no program folder") << "no folder";
    }

    // Nothing to read, or nothing the viewer should wait on: the not-found
    // text, and the window opens and closes as usual.
    void unreadable()
    {
        QFETCH(QString, kind);
        if (kind == QLatin1String("directory")) {
            QVERIFY(QDir(m_dir.path()).mkdir(frmReadMe::FileName));
        } else if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
        } else if (kind == QLatin1String("dangling link")) {
            QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("nowhere")), path()));
        } else if (kind == QLatin1String("no folder")) {
            Program::setHost({.directory = QByteArray()});
            frmReadMe::setBeforeOpeningForTests([] { QFAIL("a file was looked for"); });
        } else {
            if (::geteuid() == 0)
                QSKIP("running as root, which reads a file whatever its permissions say");
            QVERIFY(write("secret\r\n"));
            QVERIFY(QFile::setPermissions(path(), QFile::WriteOwner));
        }
        QCOMPARE(shown(), NotFoundShown);
    }

    // Anyone who may write the program's folder can put a named pipe in the
    // read-me's place at any moment, also after any check of the name: the
    // viewer must not wait for a writer. Should the opening wait, a writer
    // comes after a few seconds so that the test ends, and fails.
    void aPipeInPlaceJustBeforeTheOpeningIsNotWaitedFor()
    {
        QVERIFY(write("A regular file when the viewer starts\r\n"));
        const QByteArray pipe = QFile::encodeName(path());
        std::mutex mutex;
        std::condition_variable opened;
        bool done = false;
        bool rescued = false;
        std::thread writer;
        frmReadMe::setBeforeOpeningForTests([&] {
            QFile::remove(path());
            QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
            writer = std::thread([&] {
                std::unique_lock lock(mutex);
                if (opened.wait_for(lock, std::chrono::seconds(5), [&] { return done; }))
                    return;
                const int fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
                rescued = fd >= 0;
                if (fd >= 0)
                    ::close(fd);
            });
        });
        const QString text = shown();
        frmReadMe::setBeforeOpeningForTests({});
        {
            const std::lock_guard lock(mutex);
            done = true;
        }
        opened.notify_one();
        if (writer.joinable())
            writer.join();
        QVERIFY2(!rescued, "the viewer waited for a writer to the pipe");
        QCOMPARE(text, NotFoundShown);
    }

    void capacity_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::newRow("just under the capacity") << frmReadMe::Capacity - 1;
        QTest::newRow("exactly the capacity") << frmReadMe::Capacity;
        QTest::newRow("one byte more") << frmReadMe::Capacity + 1;
        QTest::newRow("100 MB") << qint64(100) * 1024 * 1024;
    }

    // A file larger than the box shows its beginning, as much as the box takes.
    void capacity()
    {
        QFETCH(qint64, size);
        const QByteArray start = lines(std::min(size, frmReadMe::Capacity + 64));
        QVERIFY(write(start));
        // The rest of a huge file is a hole: it takes no disk space.
        QVERIFY(QFile::resize(path(), size));
        QCOMPARE(QFileInfo(path()).size(), size);
        QCOMPARE(shown(), asShown(start.left(frmReadMe::Capacity)));
    }

    void deletedBetweenOpenings()
    {
        QVERIFY(write("Here today\r\n"));
        QCOMPARE(shown(), QStringLiteral("Here today\n"));
        QVERIFY(QFile::remove(path()));
        QCOMPARE(shown(), NotFoundShown);
    }

    void changedBetweenOpenings()
    {
        QVERIFY(write("First edition\r\n"));
        QCOMPARE(shown(), QStringLiteral("First edition\n"));
        QVERIFY(write("Second edition\r\nwith more\r\n"));
        QCOMPARE(shown(), QStringLiteral("Second edition\nwith more\n"));
    }

    // The shipped read-me lies beside the programs, whatever the working directory.
    void shippedReadMe()
    {
        Program::setHost({});
        QFile source(QStringLiteral(ROLLWRIGHT_README_FILE));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();

        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        const QString text = shown();
        QDir::setCurrent(before);
        QCOMPARE(text, asShown(bytes));
        QVERIFY(text.startsWith(QStringLiteral("Rollwright - Read Me First\n")));
    }

    // Plain ASCII with CR LF line ends, well inside what the box takes.
    void shippedReadMeFormat()
    {
        QFile source(QStringLiteral(ROLLWRIGHT_README_FILE));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        QVERIFY(bytes.size() < frmReadMe::Capacity);
        QVERIFY(bytes.endsWith("\r\n"));
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes.at(i));
            QVERIFY2(byte < 0x80 && byte != 0, qPrintable(QStringLiteral("byte %1").arg(i)));
            if (byte == '\n')
                QVERIFY2(i > 0 && bytes.at(i - 1) == '\r',
                         qPrintable(QStringLiteral("bare LF at %1").arg(i)));
            if (byte == '\r')
                QVERIFY2(i + 1 < bytes.size() && bytes.at(i + 1) == '\n',
                         qPrintable(QStringLiteral("bare CR at %1").arg(i)));
        }
    }
};

QTEST_MAIN(ReadMeFileTest)
#include "ReadMeFileTest.moc"
