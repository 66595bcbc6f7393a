// SPDX-License-Identifier: MIT
// Under a real window manager the windows are placed by their outer size,
// frame and title bar included: the main window in the middle of the
// screen, the About window and the read-me viewer over the main window.
#include <forms/Twips.h>

#include "MainWindowFixture.h"

#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

// Once the window manager has framed the window and any correction is done.
bool framed(QWidget* window)
{
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    if (!QTest::qWaitFor([window] { return !window->windowHandle()->frameMargins().isNull(); },
                         5000))
        return false;
    QTest::qWait(200);
    return window->frameGeometry().size() != window->size();
}

// The centre of `window`'s frame lies on `centre`, give or take the half
// pixel an odd difference leaves, and the 2-pixel border that twm puts
// where the frame's outer edge should go: far less than a title bar.
bool centredOn(const QWidget* window, QPointF centre)
{
    const QRectF outer = window->frameGeometry();
    const double slack = 3.0;
    return qAbs(outer.center().x() - centre.x()) <= slack &&
           qAbs(outer.center().y() - centre.y()) <= slack;
}

// Empty when the window is framed and centred on `centre`, else what is wrong.
QString placement(QWidget* window, QPointF centre)
{
    if (!framed(window))
        return QStringLiteral("not framed");
    if (!centredOn(window, centre))
        return QStringLiteral("frame at %1,%2")
            .arg(window->frameGeometry().x())
            .arg(window->frameGeometry().y());
    return {};
}

QWidget* modalWindow(const char* name)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->objectName() == QLatin1String(name) ? modal : nullptr;
}

// Whatever opened instead, so that the test goes on.
void closeModalWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

} // namespace

class FramedWindowsTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs X11 with a window manager (tests/with-window-manager.sh)");
    }
    void cleanup() { f.stop(); }

    void theMainWindowOpensInTheMiddleOfTheScreen()
    {
        QVERIFY(f.start());
        QVERIFY(framed(f.window));
        const QRectF screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY2(centredOn(f.window, screen.center()),
                 qPrintable(QStringLiteral("frame at %1,%2")
                                .arg(f.window->frameGeometry().x())
                                .arg(f.window->frameGeometry().y())));
    }

    void theAboutWindowAndTheReadMeViewerCentreOverTheMainWindow()
    {
        QVERIFY(f.start());
        QVERIFY(framed(f.window));
        // Wherever the user has put it, with room for the wider viewer: a
        // window manager keeps windows from reaching past the screen's edge.
        f.window->move(200, 60);
        QTRY_COMPARE(f.window->frameGeometry().topLeft(), QPoint(200, 60));
        const QPointF mainCentre = QRectF(f.window->frameGeometry()).center();

        // Each window is judged while it is open and closed whatever the
        // verdict, so that a fault fails at once instead of leaving a modal
        // window waiting; the verdicts are checked once both have closed.
        QString about = QStringLiteral("not shown");
        QString readMe = QStringLiteral("not shown");
        QTimer::singleShot(0, [&] {
            QWidget* aboutWindow = modalWindow("frmAbout");
            if (!aboutWindow) {
                closeModalWindow();
                return;
            }
            about = placement(aboutWindow, mainCentre);
            QTimer::singleShot(0, [&] {
                if (QWidget* readMeWindow = modalWindow("frmReadMe"))
                    readMe = placement(readMeWindow, mainCentre);
                closeModalWindow();
            });
            aboutWindow->findChild<QPushButton*>(QStringLiteral("cmdReadme"))->click();
            aboutWindow->close();
        });
        f.button("cmdAbout")->click();
        QCOMPARE(about, QString());
        QCOMPARE(readMe, QString());
    }
};

QTEST_MAIN(FramedWindowsTest)
#include "FramedWindowsTest.moc"
