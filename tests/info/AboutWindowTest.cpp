// SPDX-License-Identifier: MIT
// The About window as the user meets it: its layout, keyboard, closing,
// placement over the main window and the way to the read-me viewer.
#include <forms/Contrast.h>
#include <forms/Twips.h>
#include <settings/AppSettings.h>

#include "InfoTesting.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>

#include <support/PaintedContrast.h>

#include <algorithm>

using namespace InfoTesting;

namespace {

template <class T = QWidget> T* control(const char* name)
{
    return LoadedWindows::about ? LoadedWindows::about->findChild<T*>(QString::fromLatin1(name))
                                : nullptr;
}

QPoint expectedPlace(const QWidget* window)
{
    const QWidget* main = LoadedWindows::dice;
    const float top = (float(Twips::outerHeight(main)) - float(Twips::outerHeight(window))) / 2.0f +
                      float(Twips::top(main));
    const float left = (float(Twips::outerWidth(main)) - float(Twips::outerWidth(window))) / 2.0f +
                       float(Twips::left(main));
    return {Twips::toPixels(left), Twips::toPixels(top)};
}

} // namespace

class AboutWindowTest : public QObject
{
    Q_OBJECT

    MainWindow m_main;
    AppSettings m_saved;

private slots:
    void initTestCase() { m_saved = AppSettings::get(); }
    void init() { QVERIFY(m_main.start()); }
    void cleanup()
    {
        m_main.stop();
        AppSettings::set(m_saved);
    }

    void frame()
    {
        QVERIFY(whileModal(openAbout, [] {
            frmAbout* about = LoadedWindows::about;
            QCOMPARE(about->windowTitle(), QStringLiteral("About Rollwright"));
            QCOMPARE(about->size(), QSize(Twips::toPixels(6405), Twips::toPixels(4320)));
            QCOMPARE(about->minimumSize(), about->maximumSize());
            const Qt::WindowFlags flags = about->windowFlags();
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            QVERIFY(!about->windowIcon().pixmap(32, 32).isNull());
            QCOMPARE(about->parentWidget(), static_cast<QWidget*>(LoadedWindows::dice));
            QCOMPARE(about->windowModality(), Qt::ApplicationModal);
            QCOMPARE(control<QLabel>("picIcon")->pixmap().size(), QSize(134, 130));
        }));
    }

    void colours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("title text") << "lblTitle" << int(QPalette::WindowText) << QColor(0, 0, 0);
        QTest::newRow("disclaimer text")
            << "lblDisclaimer" << int(QPalette::WindowText) << QColor(0, 0, 0);
        QTest::newRow("rule, grey line")
            << "Line1_1" << int(QPalette::Window) << QColor(128, 128, 128);
        QTest::newRow("rule, white line")
            << "Line1_0" << int(QPalette::Window) << QColor(255, 255, 255);
    }

    void colours()
    {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QColor, colour);
        frmAbout about(nullptr);
        about.Form_Load();
        about.show();
        const auto* widget = about.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), colour);
        // What is painted, not only what is asked for.
        const QImage shot = about.grab().toImage();
        const QPoint probe = widget->geometry().topLeft() + QPoint(widget->width() / 2, 0);
        if (role == QPalette::Window)
            QCOMPARE(QColor(shot.pixel(probe)), colour);
    }

    // The title and the disclaimer read on any window colour; the rule
    // under the picture never outshines them.
    void readsOnTheTheme_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("whileOpen"); // the theme changes once the window shows
        QTest::newRow("light") << QColor(0xef, 0xef, 0xef) << QColor(0x1f, 0x1f, 0x1f) << false;
        QTest::newRow("Adwaita dark")
            << QColor(0x32, 0x32, 0x32) << QColor(0xee, 0xee, 0xee) << false;
        QTest::newRow("darker scheme")
            << QColor(0x1e, 0x1e, 0x1e) << QColor(0xdc, 0xdc, 0xdc) << false;
        QTest::newRow("turning dark while open")
            << QColor(0x32, 0x32, 0x32) << QColor(0xee, 0xee, 0xee) << true;
    }

    void readsOnTheTheme()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QFETCH(bool, whileOpen);
        const QPalette saved = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(saved); });
        QPalette theme = saved;
        theme.setColor(QPalette::Window, window);
        theme.setColor(QPalette::WindowText, text);
        theme.setColor(QPalette::Light, window.lighter(160));
        theme.setColor(QPalette::Shadow, window.darker(300));
        if (!whileOpen)
            QApplication::setPalette(theme);

        frmAbout about(nullptr);
        about.Form_Load();
        about.show();
        if (whileOpen) {
            QApplication::setPalette(theme);
            QCoreApplication::sendPostedEvents(); // the change reaches each window queued
        }
        const QImage shot = about.grab().toImage();
        const QColor background = shot.pixelColor(about.width() - 2, about.height() / 2);
        QCOMPARE(background, window);

        double weakestText = 21.0;
        for (const char* name : {"lblTitle", "lblDisclaimer"}) {
            const auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
            const double contrast = strongestContrast(shot, label->geometry(), background);
            qInfo("%s: %.2f:1", name, contrast);
            QVERIFY2(contrast >= Contrast::Readable, name);
            weakestText = std::min(weakestText, contrast);
        }
        const QRect rule =
            about.findChild<QWidget*>(QStringLiteral("Line1_0"))
                ->geometry()
                .united(about.findChild<QWidget*>(QStringLiteral("Line1_1"))->geometry());
        const double contrast = strongestContrast(shot, rule, background);
        qInfo("rule: %.2f:1", contrast);
        QVERIFY(contrast > 1.2); // still seen
        QVERIFY(contrast <= weakestText);
    }

    void tabOrder()
    {
        QVERIFY(whileModal(openAbout, [] {
            QCOMPARE(focusName(), QStringLiteral("cmdOK"));
            for (const char* next : {"picIcon", "cmdReadme", "cmdOK"}) {
                press(Qt::Key_Tab);
                QCOMPARE(focusName(), QString::fromLatin1(next));
            }
            press(Qt::Key_Backtab);
            QCOMPARE(focusName(), QStringLiteral("cmdReadme"));
        }));
    }

    void closing_data()
    {
        QTest::addColumn<int>("tabs"); // from cmdOK: 1 picIcon, 2 cmdReadme
        QTest::addColumn<QString>("how");
        QTest::newRow("OK clicked") << 0 << "click";
        QTest::newRow("Enter on OK") << 0 << "enter";
        QTest::newRow("Enter on the picture") << 1 << "enter";
        QTest::newRow("Esc on OK") << 0 << "escape";
        QTest::newRow("Esc on the picture") << 1 << "escape";
        QTest::newRow("Esc on Rollwright Info") << 2 << "escape";
        QTest::newRow("keypad Enter on OK") << 0 << "keypad enter";
        QTest::newRow("close box") << 0 << "close box";
    }

    void closing()
    {
        QFETCH(int, tabs);
        QFETCH(QString, how);
        bool closedInside = false;
        QVERIFY(whileModal(openAbout, [&] {
            for (int i = 0; i < tabs; ++i)
                press(Qt::Key_Tab);
            if (how == QLatin1String("click"))
                QTest::mouseClick(control("cmdOK"), Qt::LeftButton);
            else if (how == QLatin1String("enter"))
                press(Qt::Key_Return);
            else if (how == QLatin1String("keypad enter"))
                press(Qt::Key_Enter, Qt::KeypadModifier);
            else if (how == QLatin1String("escape"))
                press(Qt::Key_Escape);
            else
                LoadedWindows::about->close();
            closedInside = !LoadedWindows::about->isVisible();
        }));
        QVERIFY(closedInside);
        QVERIFY(!LoadedWindows::about); // unloaded: the next opening builds a new window
        QVERIFY(!QApplication::activeModalWidget());
    }

    void infoButtonOpensTheViewer_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("Enter on Rollwright Info") << true;
        QTest::newRow("click on Rollwright Info") << false;
    }

    void infoButtonOpensTheViewer()
    {
        QFETCH(bool, byEnter);
        bool viewerSeen = false;
        bool aboutBackOnTop = false;
        QVERIFY(whileModal(openAbout, [&] {
            QPointer<frmAbout> about = LoadedWindows::about;
            const auto open = [&] {
                if (byEnter) {
                    press(Qt::Key_Tab);
                    press(Qt::Key_Tab);
                    QCOMPARE(focusName(), QStringLiteral("cmdReadme"));
                    press(Qt::Key_Return);
                } else {
                    QTest::mouseClick(control("cmdReadme"), Qt::LeftButton);
                }
            };
            QVERIFY(whileModal(open, [&] {
                QVERIFY(LoadedWindows::readMe);
                QCOMPARE(QApplication::activeModalWidget(),
                         static_cast<QWidget*>(LoadedWindows::readMe));
                QCOMPARE(LoadedWindows::readMe->parentWidget(), static_cast<QWidget*>(about));
                viewerSeen = true;
                QTest::mouseClick(
                    LoadedWindows::readMe->findChild<QWidget*>(QStringLiteral("cmdOk")),
                    Qt::LeftButton);
            }));
            QVERIFY(!LoadedWindows::readMe);
            QVERIFY(about && about->isVisible());
            aboutBackOnTop = QApplication::activeModalWidget() == about;
        }));
        QVERIFY(viewerSeen);
        QVERIFY(aboutBackOnTop);
    }

    void placement_data()
    {
        QTest::addColumn<QPoint>("mainAt");
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QTest::newRow("middle of the screen") << QPoint(200, 150);
        QTest::newRow("moved down right") << QPoint(480, 330);
        QTest::newRow("past the left edge") << QPoint(-200, 100);
        QTest::newRow("above the top edge") << QPoint(300, -120);
        QTest::newRow("at the bottom right corner")
            << QPoint(screen.width() - 60, screen.height() - 40);
    }

    void placement()
    {
        QFETCH(QPoint, mainAt);
        m_main.window->move(mainAt);
        QCOMPARE(m_main.window->pos(), mainAt);
        QVERIFY(whileModal(openAbout, [] {
            QCOMPARE(LoadedWindows::about->pos(), expectedPlace(LoadedWindows::about));
            // Centred: equal margins to both sides of the main window's frame.
            const QRect main = LoadedWindows::dice->frameGeometry();
            const QRect about = LoadedWindows::about->frameGeometry();
            QVERIFY(qAbs((about.left() - main.left()) - (main.right() - about.right())) <= 1);
            QVERIFY(qAbs((about.top() - main.top()) - (main.bottom() - about.bottom())) <= 1);
        }));
    }

    // Every opening loads a new window: placed again, texts composed again.
    void reopening()
    {
        m_main.window->move(100, 100);
        QPoint firstPlace;
        QVERIFY(whileModal(openAbout, [&] {
            firstPlace = LoadedWindows::about->pos();
            control<QLabel>("lblTitle")->setText(QStringLiteral("stale"));
            QTest::mouseClick(control("cmdOK"), Qt::LeftButton);
        }));
        QVERIFY(!LoadedWindows::about);

        m_main.window->move(260, 40);
        AppSettings nextBuild = AppSettings::get();
        nextBuild.versionRevision = 9;
        AppSettings::set(nextBuild);
        QVERIFY(whileModal(openAbout, [&] {
            QCOMPARE(LoadedWindows::about->pos(), firstPlace + QPoint(160, -60));
            QVERIFY(control<QLabel>("lblTitle")
                        ->text()
                        .startsWith(QStringLiteral("Rollwright       Version 1.29\n")));
            QCOMPARE(focusName(), QStringLiteral("cmdOK"));
        }));
    }
};

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
