// SPDX-License-Identifier: MIT
#include <help/HelpWindow.h>

#include "HelpTestFiles.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <sys/stat.h>

using Mode = Help::HelpRequest::Mode;

namespace {

// Records the addresses that the window hands to the desktop.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace

// Files at and beyond the limits: the window shows them, or their problems, in bounded time.
class HelpWindowLimitsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<Help::HelpWindow>();
        m_view = m_window->findChild<QTextBrowser*>("topicView");
        m_contents = m_window->findChild<QListWidget*>("contentsList");
        QVERIFY(m_view && m_contents);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void aNamedPipeIsReportedInsteadOfWaitedFor()
    {
        const QString fifo = m_dir.filePath(QStringLiteral("pipe.hlp"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QElapsedTimer timer;
        timer.start();
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(fifo)});
        QVERIFY(timer.elapsed() < hangBoundMs);
        QVERIFY(m_view->toPlainText().contains(
            QStringLiteral("This is a named pipe, not a help file")));
    }

    void hundredThousandTopicsOpenAtTheFirst()
    {
        const QString path = write(linkedTopics(100'000));
        QElapsedTimer timer;
        timer.start();
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(path)});
        QCoreApplication::processEvents();
        QVERIFY(timer.elapsed() < hangBoundMs);

        QCOMPARE(m_window->currentTopicId(), QStringLiteral("t0"));
        QCOMPARE(m_contents->count(), 100'000);
        emit m_view->anchorClicked(QUrl(QStringLiteral("topic:t1")));
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("t1"));
        QCOMPARE(m_contents->currentRow(), 1);
        m_contents->setCurrentRow(99'999);
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("t99999"));
    }

    void keywordOfEveryTopicIsReportedNotListed()
    {
        const QString path =
            write(linkedTopics(100'000, [](int) { return QByteArray("@keywords Dice\n"); }));
        QElapsedTimer timer;
        timer.start();
        m_window->performRequest({Mode::Index, QStringLiteral("di"), QFile::encodeName(path)});
        QCoreApplication::processEvents();
        QVERIFY(timer.elapsed() < hangBoundMs);

        const QString text = m_view->toPlainText();
        QVERIFY2(text.contains(QStringLiteral(
                     "Line 603: Keyword \"Dice\" is listed by more than 100 topics")),
                 qPrintable(text.left(500)));
        QVERIFY(!m_window->findChild<QTabWidget*>("panes")->isEnabled());
    }

    void keywordOfAHundredTopicsIsDisplayedAtOnce()
    {
        // A hundred of 100,000 topics share a keyword; every topic has one of its own.
        const QString path = write(linkedTopics(100'000, [](int i) {
            return "@keywords k" + QByteArray::number(i) + (i % 1000 == 0 ? "; Dice\n" : "\n");
        }));
        m_window->performRequest({Mode::Index, QStringLiteral("dice"), QFile::encodeName(path)});
        QCOMPARE(m_window->findChild<QListWidget*>("indexList")->count(), 100'001);

        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(m_window->findChild<QLineEdit*>("keywordEdit"), Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(timer.elapsed() < hangBoundMs);

        const QString text = m_view->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Topic 0\n")));
        QVERIFY(text.contains(QStringLiteral("Topic 99000")));
        QCOMPARE(text.count(QStringLiteral("Topic ")), 100);
    }

    // Wrapping lays out every entry's whole text: only short lists wrap, and
    // in the others an entry shows one line, its whole text in its tooltip.
    // Contents and Index fill their lists alike.
    void listsWrapOnlyWhileShort_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<QString>("firstTitle");

        // Titles of a number, a space and `title` (lines of at most 4,000 characters).
        const auto longTitles = [](int count, const QString& title) {
            QByteArray text;
            for (int i = 0; i < count; ++i) {
                const QByteArray line = (QString::number(i) + QLatin1Char(' ') + title).toUtf8();
                text += "@topic t" + QByteArray::number(i) + "\n@title " + line + "\n\nText.\n\n";
            }
            return text;
        };
        QTest::newRow("three short titles") << linkedTopics(3) << true << "Topic 0";
        QTest::newRow("2,001 short titles") << linkedTopics(2001) << false << "Topic 0";
        QTest::newRow("30 titles of 3,972 characters")
            << longTitles(30, QString(3970, QLatin1Char('a'))) << false
            << QStringLiteral("0 ") + QString(3970, QLatin1Char('a'));
        QTest::newRow("1,300 titles of 3,972 wide characters")
            << longTitles(1300, QStringLiteral(u"漢").repeated(3970)) << false
            << QStringLiteral("0 ") + QStringLiteral(u"漢").repeated(3970);
        QTest::newRow("characters beyond 16 bits")
            << longTitles(30, QStringLiteral(u"\U0001F3B2").repeated(1985)) << false
            << QStringLiteral("0 ") + QStringLiteral(u"\U0001F3B2").repeated(1985);
    }

    void listsWrapOnlyWhileShort()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, wraps);
        QFETCH(QString, firstTitle);

        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(write(file))});
        QVERIFY(!m_window->helpFile().hasErrors());
        QCOMPARE(m_contents->wordWrap(), wraps);
        QCOMPARE(m_contents->uniformItemSizes(), !wraps);
        const QListWidgetItem* first = m_contents->item(0);
        const QString shown = first->text();
        if (shown == firstTitle) {
            QVERIFY(wraps || shown.size() <= 200);
            return;
        }
        QVERIFY(!wraps);
        QVERIFY(shown.size() <= 200);
        QVERIFY2(firstTitle.startsWith(shown.chopped(1)), qPrintable(shown));
        QVERIFY(!shown.at(shown.size() - 2).isHighSurrogate()); // no half character
        QCOMPARE(first->toolTip(), firstTitle);
    }

    void hardMarkdownShowsInBoundedTime_data()
    {
        QTest::addColumn<QByteArray>("body");

        // Each just within 10,000 characters.
        const QByteArray line = QByteArray("*a").repeated(2000) + '\n';
        QTest::newRow("*a") << line + line + QByteArray("*a").repeated(995);
        QTest::newRow("**a**") << (QByteArray("**a** ").repeated(600) + '\n').repeated(2) +
                                      QByteArray("**a** ").repeated(460);
        QTest::newRow("links") << (QByteArray("[a](topic:a) ").repeated(300) + '\n').repeated(2) +
                                      QByteArray("[a](topic:a) ").repeated(160);
        QTest::newRow("a word of 4,000 characters") << QByteArray(4000, 'w');
        QTest::newRow("a list of 1,000 items") << QByteArray("- x\n").repeated(1000);
        QTest::newRow("a table of 1,000 rows")
            << "| a | b |\n|---|---|\n" + QByteArray("| x | y |\n").repeated(998);
    }

    void hardMarkdownShowsInBoundedTime()
    {
        QFETCH(QByteArray, body);

        const QString path = write("@topic a\n@title A\n\n" + body);
        QElapsedTimer timer;
        timer.start();
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(path)});
        QCoreApplication::processEvents();
        QVERIFY(timer.elapsed() < hangBoundMs);
        QVERIFY2(m_window->helpFile().diagnostics.isEmpty(),
                 qPrintable(m_window->helpFile().diagnostics.value(0).message));
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("a"));
    }

    void aWordTooLongIsReported()
    {
        const QString path = write("@topic a\n@title A\n\n" + QByteArray(1024 * 1024, 'w') + '\n');
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(path)});
        QVERIFY(m_view->toPlainText().contains(
            QStringLiteral("Line 4: The line is longer than 4000 characters")));
    }

    void topicsReadNoFilesOfTheirOwn()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("pipe"));
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString path = writeHelpFile(
            dir, QStringLiteral("images.hlp"),
            "@topic a\n@title A\n\n![pipe](" + QFile::encodeName(fifo) +
                ") ![zero](/dev/zero)\n\n<img src=\"" + QFile::encodeName(fifo) + "\">\n");
        QElapsedTimer timer;
        timer.start();
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(path)});
        QCoreApplication::processEvents();
        QVERIFY(timer.elapsed() < hangBoundMs);
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("a"));
    }

    void onlyWebAndMailLinksLeaveTheViewer_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("opened");

        QTest::newRow("web") << "https://example.org/dice" << true;
        QTest::newRow("mail") << "mailto:someone@example.org" << true;
        QTest::newRow("local file") << "file:///usr/bin/xterm" << false;
        QTest::newRow("relative path") << "setup.sh" << false;
        QTest::newRow("other scheme") << "ftp://example.org/x" << false;
    }

    void onlyWebAndMailLinksLeaveTheViewer()
    {
        QFETCH(QString, link);
        QFETCH(bool, opened);

        UrlRecorder recorder;
        const QStringList schemes{"https", "mailto", "file", "ftp"};
        for (const QString& scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, &recorder, "open");
        // Relative paths become file: addresses on their way to the desktop.
        const QString path = write("@topic a\n@title A\n\ntext\n");
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(path)});
        emit m_view->anchorClicked(QUrl(link));
        for (const QString& scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);

        QCOMPARE(recorder.opened.size(), opened ? 1 : 0);
        if (!opened)
            QVERIFY(m_view->toPlainText().contains(QStringLiteral("Link not followed")));
    }

private:
    QString write(const QByteArray& content)
    {
        return writeHelpFile(m_dir, QStringLiteral("file%1.hlp").arg(++m_files), content);
    }

    QTemporaryDir m_dir;
    int m_files = 0;
    std::unique_ptr<Help::HelpWindow> m_window;
    QTextBrowser* m_view = nullptr;
    QListWidget* m_contents = nullptr;
};

QTEST_MAIN(HelpWindowLimitsTest)
#include "HelpWindowLimitsTest.moc"
