// SPDX-License-Identifier: MIT
// The commands: menu items against their buttons, the About window opened
// modally and afresh, Exit, and help requests handed to the help viewer (a
// stand-in for Qt Assistant).
#include <forms/HelpViewer.h>
#include <settings/AppSettings.h>
#include <settings/ProgramDirectory.h>
#include <ui/info/frmAbout.h>

#include "MainWindowFixture.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

class CommandsTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;
    QTemporaryDir dir;
    QByteArray helpFile;

    QString viewerLog() const
    {
        QFile file(dir.filePath(QStringLiteral("log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // Runs `act` on the modal window once it shows, from inside its loop.
    static void whenModalShows(std::function<void(QWidget*)> act)
    {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timer->deleteLater();
                act(modal);
            }
        });
        timer->start(10);
    }

    static void setHelpFile(const QByteArray& file)
    {
        AppSettings settings = AppSettings::get();
        settings.helpFile = file;
        AppSettings::set(settings);
    }

    void prepareRoll()
    {
        f.chooseDieType(4);
        f.edit("txtNumDice")->setText(QStringLiteral("3"));
        f.source = ScriptedSource({0.0f, 0.5f, 0.9f});
    }

private slots:
    void init()
    {
        QVERIFY(f.start());
        helpFile = AppSettings::get().helpFile;
        qputenv("STAND_IN_LOG", QFile::encodeName(dir.filePath(QStringLiteral("log"))));
        HelpViewer::setProgram(ROLLWRIGHT_STAND_IN);
    }
    void cleanup()
    {
        setHelpFile(helpFile);
        f.stop();
    }

    void rollDiceFromTheMenuMatchesTheButton()
    {
        prepareRoll();
        f.button("cmdRoll")->click();
        const QStringList byButton = f.results();
        prepareRoll();
        f.edit("txtNumDice")->setFocus(Qt::OtherFocusReason);
        f.find<QAction>("mnuActionRollDice")->trigger();
        QCOMPARE(f.results(), byButton);
        QCOMPARE(f.focusName(), QStringLiteral("cmdClear"));
    }

    void clearResultsFromTheMenuMatchesTheButton()
    {
        prepareRoll();
        f.button("cmdRoll")->click();
        f.list("cmbDieModifier")->setCurrentIndex(3);
        f.find<QAction>("mnuActionClearResults")->trigger();
        QVERIFY(f.resultsEmpty());
        QCOMPARE(f.window->Sides(), 0);
        QCOMPARE(f.list("cmbDieModifier")->currentText(), QStringLiteral("0"));
        QCOMPARE(f.focusName(), QStringLiteral("txtNumDice"));
        QCOMPARE(f.edit("txtNumDice")->selectedText(), QStringLiteral("1"));
    }

    void aRefusedRollFromTheMenuMovesTheFocusLikeTheButton()
    {
        f.edit("txtNumDice")->setFocus(Qt::OtherFocusReason);
        f.find<QAction>("mnuActionRollDice")->trigger();
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text, QStringLiteral("You must select a Die Type."));
        QCOMPARE(f.focusName(), QStringLiteral("txtNumDice"));
    }

    void aboutOpensModallyAndAfreshEachTime_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("button") << false;
        QTest::newRow("Help menu") << true;
    }
    void aboutOpensModallyAndAfreshEachTime()
    {
        QFETCH(bool, fromMenu);
        f.chooseDieType(4);
        QList<QWidget*> opened;
        QList<bool> mainBlocked;
        for (int i = 0; i < 2; ++i) {
            whenModalShows([&](QWidget* modal) {
                opened << modal;
                // The main window takes no input meanwhile.
                mainBlocked << (modal->windowModality() == Qt::ApplicationModal &&
                                modal->isVisible());
                QCOMPARE(modal->parentWidget(), f.window);
                QCOMPARE(modal->windowTitle(), QStringLiteral("About Rollwright"));
                QTest::keyClick(modal, Qt::Key_Escape);
            });
            if (fromMenu)
                f.find<QAction>("mnuHelpAbout")->trigger();
            else
                f.button("cmdAbout")->click();
            QVERIFY(LoadedWindows::about.isNull()); // unloaded when closed
        }
        QCOMPARE(opened.size(), 2);
        QCOMPARE(mainBlocked, (QList<bool>{true, true}));
    }

    // Before any viewer runs: a request would go to a running one.
    void aMissingViewerIsDescribed()
    {
        HelpViewer::setProgram("/nowhere/assistant");
        f.find<QAction>("mnuHelpContents")->trigger();
        QCOMPARE(f.boxes.size(), 1);
        QVERIFY(f.boxes[0].text.contains(QStringLiteral("/nowhere/assistant")));
        QCOMPARE(f.boxes[0].style, int(MessageBox::Plain));
        QCOMPARE(f.boxes[0].title, QStringLiteral("Rollwright"));
        QVERIFY(f.window->isEnabled());
    }

    // The first request starts the viewer, the second goes to it.
    void helpRequests_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("seen");
        QTest::newRow("contents") << "mnuHelpContents"
                                  << "arg /nowhere/Rollwright.hlp\narg "
                                     "-enableRemoteControl\narg -activate\narg contents";
        QTest::newRow("search") << "mnuHelpSearch"
                                << "command show index";
    }
    void helpRequests()
    {
        QFETCH(QString, item);
        QFETCH(QString, seen);
        setHelpFile("/nowhere/Rollwright.hlp"); // never checked
        f.window->findChild<QAction*>(item)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(viewerLog().contains(seen), 5000);
        QVERIFY(f.boxes.isEmpty());
    }

    void theHelpFileLiesBesideTheProgram_data()
    {
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("the program's") << Program::directory() << Program::directory() + "/x.hlp";
        QTest::newRow("the root") << QByteArray("/") << QByteArray("/x.hlp");
        QTest::newRow("none can be told") << QByteArray() << QByteArray();
    }
    void theHelpFileLiesBesideTheProgram()
    {
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, file);
        QCOMPARE(inProgramDirectory(folder, "x.hlp"), file);
        QCOMPARE(AppSettings::get().helpFile, Program::directory() + "/Rollwright.hlp");
    }

    void anEmptyHelpSettingIsReportedByBothItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("contents") << "mnuHelpContents";
        QTest::newRow("search") << "mnuHelpSearch";
    }
    void anEmptyHelpSettingIsReportedByBothItems()
    {
        QFETCH(QString, item);
        setHelpFile({});
        f.window->findChild<QAction*>(item)->trigger();
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text,
                 QStringLiteral(
                     "Unable to display Help Contents. The Rollwright Help file is missing."));
        QCOMPARE(f.boxes[0].style, int(MessageBox::Information));
        QCOMPARE(f.boxes[0].title, QStringLiteral("Rollwright"));
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
