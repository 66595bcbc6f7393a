// SPDX-License-Identifier: MIT
#include <forms/Contrast.h>
#include <help/HelpWindow.h>

#include "HelpTestFiles.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <fcntl.h>
#include <support/PaintedContrast.h>
#include <sys/stat.h>
#include <unistd.h>

using Help::HelpRequest;
using Mode = Help::HelpRequest::Mode;

namespace {

QString currentKeyword(const Help::HelpWindow& window)
{
    const QListWidgetItem* item = window.findChild<QListWidget*>("indexList")->currentItem();
    return item ? item->text() : QString();
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = writeHelpFile(m_dir, QStringLiteral("sample.hlp"), sampleHelp);
        m_window = std::make_unique<Help::HelpWindow>();
        m_panes = m_window->findChild<QTabWidget*>("panes");
        m_edit = m_window->findChild<QLineEdit*>("keywordEdit");
        m_view = m_window->findChild<QTextBrowser*>("topicView");
        m_back = m_window->findChild<QPushButton*>("backButton");
        QVERIFY(m_panes && m_edit && m_view && m_back);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    // Themes pick link colours for light backgrounds; on a dark topic they
    // are lightened until they read. The window is open as the theme changes.
    void linksReadOnTheTheme_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("link");
        QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black) << QColor(0, 0, 255);
        QTest::newRow("Adwaita dark")
            << QColor(0x2d, 0x2d, 0x2d) << QColor(0xee, 0xee, 0xee) << QColor(0x4a, 0x90, 0xd9);
        QTest::newRow("darker scheme")
            << QColor(0x28, 0x28, 0x28) << QColor(0xdc, 0xdc, 0xdc) << QColor(0x1b, 0x6a, 0xcb);
        QTest::newRow("light, pale link")
            << QColor(Qt::white) << QColor(Qt::black) << QColor(0x62, 0xa0, 0xea);
    }

    void linksReadOnTheTheme()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        QFETCH(QColor, link);
        const QPalette saved = QApplication::palette();
        QPalette theme = saved;
        theme.setColor(QPalette::Base, base);
        theme.setColor(QPalette::Text, text);
        theme.setColor(QPalette::Link, link);
        QApplication::setPalette(theme);
        const auto restore = qScopeGuard([&] { QApplication::setPalette(saved); });
        QCoreApplication::processEvents(); // the open window hears of it
        qInfo("the theme's link: %.2f:1", Contrast::ratio(link, base));

        const QString path = writeHelpFile(m_dir, QStringLiteral("link.hlp"),
                                           "@topic one\n@title One\n\n[Onward](topic:two)\n\n"
                                           "@topic two\n@title Two\n\nThere.\n");
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(path)});
        QTextCursor found = m_view->document()->find(QStringLiteral("Onward"));
        QVERIFY(!found.isNull());
        QVERIFY(found.charFormat().isAnchor());
        const QRect line = m_view->document()
                               ->documentLayout()
                               ->blockBoundingRect(found.block())
                               .toAlignedRect()
                               .translated(-m_view->horizontalScrollBar()->value(),
                                           -m_view->verticalScrollBar()->value())
                               .intersected(m_view->viewport()->rect());
        QVERIFY(!line.isEmpty());

        // The underline is drawn in the link's own colour, unsmoothed.
        const QImage shot = m_view->viewport()->grab().toImage();
        const double strongest = strongestContrast(shot, line, base);
        qInfo("the link as drawn: %.2f:1", strongest);
        QVERIFY(strongest >= Contrast::Readable);
    }

    void contentsListsTopicsInFileOrderAndShowsTheFirst()
    {
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(m_path)});
        const auto* contents = m_window->findChild<QListWidget*>("contentsList");
        QStringList titles;
        for (int row = 0; row < contents->count(); ++row)
            titles.append(contents->item(row)->text());
        QCOMPARE(titles, QStringList({"Introduction", "Rolling the dice", "Results"}));
        QCOMPARE(m_panes->currentWidget(), contents);
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("intro"));
        QVERIFY(m_view->toPlainText().startsWith(QStringLiteral("Introduction\nWelcome.")));
        QCOMPARE(contents->currentRow(), 0);
    }

    void choosingInContentsShowsTheTopic()
    {
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(m_path)});
        auto* contents = m_window->findChild<QListWidget*>("contentsList");
        contents->setFocus();
        QTest::keyClick(contents, Qt::Key_Down);
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("rolling"));
        QVERIFY(m_view->toPlainText().contains(QStringLiteral("Roll them.")));
    }

    void indexRequestFillsTheKeywordFieldWithFocus_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("selected");

        QTest::newRow("prefix") << "ro"
                                << "Roll";
        QTest::newRow("empty keyword selects nothing") << ""
                                                       << "";
        QTest::newRow("no match") << "zebra"
                                  << "";
    }

    void indexRequestFillsTheKeywordFieldWithFocus()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, selected);

        m_window->performRequest({Mode::Index, keyword, QFile::encodeName(m_path)});
        QCOMPARE(m_panes->currentIndex(), 1);
        QCOMPARE(m_edit->text(), keyword);
        QTRY_VERIFY(m_edit->hasFocus());
        QCOMPARE(currentKeyword(*m_window), selected);
        QCOMPARE(m_window->findChild<QListWidget*>("indexList")->count(), 7);
        // The topic pane is not left empty behind the index.
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("intro"));
    }

    void typingSelectsTheFirstMatchingKeyword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");

        QTest::newRow("ro") << "ro"
                            << "Roll";
        QTest::newRow("case does not matter") << "ROLLI"
                                              << "rolling";
        QTest::newRow("a blank in the keyword") << "roll r"
                                                << "roll results";
        QTest::newRow("no match keeps the last match") << "rox"
                                                       << "Roll";
        QTest::newRow("no match at all selects nothing") << "zz"
                                                         << "";
        QTest::newRow("s") << "s"
                           << "start";
    }

    void typingSelectsTheFirstMatchingKeyword()
    {
        QFETCH(QString, typed);
        QFETCH(QString, selected);

        m_window->performRequest({Mode::Index, {}, QFile::encodeName(m_path)});
        QTest::keyClicks(m_edit, typed);
        QCOMPARE(currentKeyword(*m_window), selected);
    }

    void clearingTheKeywordSelectsNothing()
    {
        m_window->performRequest({Mode::Index, QStringLiteral("re"), QFile::encodeName(m_path)});
        QCOMPARE(currentKeyword(*m_window), QStringLiteral("Results"));
        QTest::keyClick(m_edit, Qt::Key_Backspace);
        QTest::keyClick(m_edit, Qt::Key_Backspace);
        QCOMPARE(currentKeyword(*m_window), QString());
    }

    void arrowKeysInTheFieldMoveThroughKeywords()
    {
        m_window->performRequest({Mode::Index, QStringLiteral("ro"), QFile::encodeName(m_path)});
        QTest::keyClick(m_edit, Qt::Key_Down);
        QCOMPARE(currentKeyword(*m_window), QStringLiteral("roll results"));
        QTest::keyClick(m_edit, Qt::Key_Up);
        QTest::keyClick(m_edit, Qt::Key_Up);
        QCOMPARE(currentKeyword(*m_window), QStringLiteral("Results"));
        QVERIFY(m_edit->hasFocus());
    }

    void enterShowsTheKeywordsTopic()
    {
        m_window->performRequest({Mode::Index, QStringLiteral("rolli"), QFile::encodeName(m_path)});
        QTest::keyClick(m_edit, Qt::Key_Return);
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("rolling"));
    }

    void keywordOfSeveralTopicsListsThem()
    {
        m_window->performRequest({Mode::Index, QStringLiteral("dice"), QFile::encodeName(m_path)});
        QTest::keyClick(m_edit, Qt::Key_Return);
        QCOMPARE(m_window->currentTopicId(), QString());
        const QString text = m_view->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Rolling the dice")));
        QVERIFY(text.contains(QStringLiteral("Results")));

        emit m_view->anchorClicked(QUrl(QStringLiteral("topic:results")));
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("results"));
        m_back->click();
        QVERIFY(m_view->toPlainText().contains(QStringLiteral("Rolling the dice")));
    }

    void linksLeadToTopicsAndBackReturns()
    {
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(m_path)});
        QVERIFY(!m_back->isEnabled());

        emit m_view->anchorClicked(QUrl(QStringLiteral("topic:rolling")));
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("rolling"));
        emit m_view->anchorClicked(QUrl(QStringLiteral("topic:results")));
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("results"));
        QVERIFY(m_back->isEnabled());

        m_view->setFocus();
        QTest::keyClick(m_view, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("rolling"));
        m_back->click();
        QCOMPARE(m_window->currentTopicId(), QStringLiteral("intro"));
        QVERIFY(!m_back->isEnabled());
        QCOMPARE(m_window->findChild<QListWidget*>("contentsList")->currentRow(), 0);
    }

    void linkToUnknownTopicSaysSo()
    {
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(m_path)});
        emit m_view->anchorClicked(QUrl(QStringLiteral("topic:nowhere")));
        QVERIFY(m_view->toPlainText().contains(QStringLiteral("Topic not found")));
        QVERIFY(m_view->toPlainText().contains(QStringLiteral("nowhere")));
    }

    void brokenFilesAreReportedInTheWindow_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("missing") << QByteArray() << QStringList{"The help file does not exist"};
        QTest::newRow("malformed") << QByteArray("@topic a\n@title A\n@tilte\nx\n")
                                   << QStringList{"Line 3: Unknown directive \"@tilte\""};
        QTest::newRow("no topics")
            << QByteArray("\n\n") << QStringList{"The help file holds no topics"};
    }

    void brokenFilesAreReportedInTheWindow()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);

        const QString path = content.isEmpty()
                                 ? m_dir.filePath(QStringLiteral("absent.hlp"))
                                 : writeHelpFile(m_dir, QStringLiteral("broken.hlp"), content);
        m_window->performRequest({Mode::Index, QStringLiteral("ro"), QFile::encodeName(path)});
        const QString text = m_view->toPlainText();
        QVERIFY(text.contains(QStringLiteral("cannot be shown")));
        QVERIFY2(text.contains(QDir::toNativeSeparators(path)), qPrintable(text));
        for (const QString& part : expected)
            QVERIFY2(text.contains(part), qPrintable(text));
        QVERIFY(!m_panes->isEnabled());
        QCOMPARE(m_window->currentTopicId(), QString());
    }

    void aFixedFileIsReadAgainOnTheNextRequest()
    {
        const QString path = m_dir.filePath(QStringLiteral("later.hlp"));
        m_window->performRequest({Mode::Contents, {}, QFile::encodeName(path)});
        QVERIFY(m_window->helpFile().hasErrors());
        QCOMPARE(writeHelpFile(m_dir, QStringLiteral("later.hlp"), sampleHelp), path);
        m_window->performRequest({Mode::Index, QStringLiteral("st"), QFile::encodeName(path)});
        QVERIFY(m_panes->isEnabled());
        QCOMPARE(currentKeyword(*m_window), QStringLiteral("start"));
    }

    // The name of a folder need not be valid UTF-8; the viewer opens the file
    // by its bytes.
    void aFileInAFolderNamedInNoEncodingOpens()
    {
        const QByteArray folder = QFile::encodeName(m_dir.path()) + "/inst-\xff\xfe";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        const QByteArray path = folder + "/Rollwright.hlp";
        // QTemporaryDir removes only what has a name in text.
        const auto removal = qScopeGuard([&] {
            ::unlink(path.constData());
            ::rmdir(folder.constData());
        });
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        QVERIFY(fd >= 0);
        const bool written =
            ::write(fd, sampleHelp.constData(), size_t(sampleHelp.size())) == sampleHelp.size();
        ::close(fd);
        QVERIFY(written);

        m_window->performRequest({Mode::Index, QStringLiteral("st"), path});
        QCOMPARE(m_window->helpFile().path, path);
        QVERIFY(m_panes->isEnabled());
        QCOMPARE(currentKeyword(*m_window), QStringLiteral("start"));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Help::HelpWindow> m_window;
    QTabWidget* m_panes = nullptr;
    QLineEdit* m_edit = nullptr;
    QTextBrowser* m_view = nullptr;
    QPushButton* m_back = nullptr;
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
