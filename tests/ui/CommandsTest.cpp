// SPDX-License-Identifier: MIT
// The commands: menu items against their buttons, the About window opened
// modally and afresh, Exit, and help requests handed to the help viewer.
#include <forms/HelpViewer.h>
#include <settings/AppSettings.h>
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
    QList<HelpViewer::Request> requests;
    QByteArray helpFile;

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
        requests.clear();
        HelpViewer::setStarter([this](const HelpViewer::Request& r) { requests << r; });
    }
    void cleanup()
    {
        setHelpFile(helpFile);
        HelpViewer::setStarter({});
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

    void helpRequests_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("leading");
        QTest::newRow("contents") << "mnuHelpContents" << QStringList{"--contents"};
        QTest::newRow("search") << "mnuHelpSearch" << QStringList{"--partial-key", ""};
    }
    void helpRequests()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, leading);
        setHelpFile("/nowhere/Rollwright.hlp"); // never checked
        f.window->findChild<QAction*>(item)->trigger();
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(requests.size(), 1);
        const HelpViewer::Request& r = requests[0];
        QCOMPARE(r.program, Program::directory() + "/rollwright-help");
        QStringList arguments;
        for (const QByteArray& argument : r.arguments)
            arguments << QString::fromUtf8(argument);
        QCOMPARE(arguments.mid(0, leading.size()), leading);
        const QStringList tail = arguments.mid(leading.size());
        QCOMPARE(tail, (QStringList{"--", "/nowhere/Rollwright.hlp"}));
    }

    void theHelpFileLiesBesideTheProgram()
    {
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
        QVERIFY(requests.isEmpty());
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text,
                 QStringLiteral(
                     "Unable to display Help Contents. The Rollwright Help file is missing."));
        QCOMPARE(f.boxes[0].style, int(MessageBox::Information));
        QCOMPARE(f.boxes[0].title, QStringLiteral("Rollwright"));
    }

    void aMissingViewerIsDescribed()
    {
        HelpViewer::setStarter({}); // the real start
        Program::Host elsewhere = Program::host();
        elsewhere.directory = "/nowhere";
        Program::setHost(elsewhere);
        f.find<QAction>("mnuHelpContents")->trigger();
        QCOMPARE(f.boxes.size(), 1);
        QVERIFY(f.boxes[0].text.contains(QStringLiteral("/nowhere/rollwright-help")));
        QCOMPARE(f.boxes[0].style, int(MessageBox::Plain));
        QCOMPARE(f.boxes[0].title, QStringLiteral("Rollwright"));
        QVERIFY(f.window->isEnabled());
    }

    void theViewerIsStartedWithoutWaiting()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString viewer = dir.filePath(QStringLiteral("rollwright-help"));
        const QString seen = dir.filePath(QStringLiteral("arguments"));
        QFile script(viewer);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\n{ printf 'token=%s\\n' \"$XDG_ACTIVATION_TOKEN\"; "
                                    "printf '%s\\n' \"$@\"; } > '%1.part' && mv '%1.part' '%1'\n")
                         .arg(seen)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        HelpViewer::setStarter({});
        Program::Host beside = Program::host();
        beside.directory = QFile::encodeName(dir.path());
        Program::setHost(beside);

        // A token this program was started with is spent: the viewer gets
        // only one asked for with the request, and none off Wayland.
        qputenv("XDG_ACTIVATION_TOKEN", "spent-at-start");
        f.find<QAction>("mnuHelpSearch")->trigger();
        qunsetenv("XDG_ACTIVATION_TOKEN");
        QVERIFY(f.boxes.isEmpty());
        QTRY_VERIFY(QFile::exists(seen) && QFileInfo(seen).size() > 0);
        QFile result(seen);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QStringList args = QString::fromUtf8(result.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(args.takeFirst(), QStringLiteral("token="));
        QCOMPARE(args.first(), QStringLiteral("--partial-key"));
        QCOMPARE(args.last(), QFile::decodeName(helpFile));
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
