// SPDX-License-Identifier: MIT
// Windows placed by their outer size under a real window manager: where the
// frame is known before the first show, and where it turns up only after.
#include <forms/Twips.h>
#include <forms/WindowFrame.h>

#include <QApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

// twm puts a frame's border, not its outer edge, where a window asks to be:
// its 2-pixel border is allowed for, far less than a title bar.
constexpr int Slack = 3;

// Records where the window's frame stood each time the window moved or was
// exposed after its first show.
class Positions : public QObject
{
public:
    explicit Positions(QWidget* window) : m_window(window)
    {
        window->windowHandle()->installEventFilter(this);
    }
    QList<QPoint> seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && m_window->isVisible() &&
            !m_window->windowHandle()->frameMargins().isNull())
            seen << m_window->frameGeometry().topLeft();
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

class WindowFrameTest : public QObject
{
    Q_OBJECT

    // Whether the window manager offers to tell a window's frame before the
    // window is shown.
    bool answers = false;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs X11 with a window manager (tests/with-window-manager.sh)");
        // openbox answers a request for a window's frame, twm does not.
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTED")});
        QVERIFY(xprop.waitForFinished(5000));
        answers = xprop.readAllStandardOutput().contains("_NET_REQUEST_FRAME_EXTENTS");
    }

    void aWindowPlacedByItsOuterSizeEndsWhereItMeant_data()
    {
        QTest::addColumn<bool>("askedEarly");
        QTest::addColumn<bool>("flagsAfterAsking");
        QTest::newRow("asked when placed") << false << false;
        QTest::newRow("asked early, sized after") << true << false;
        QTest::newRow("asked early, flags changed after") << true << true;
    }

    // Placed by its outer size, frame and title bar included: here with the
    // frame's lower right corner on a chosen point. Asked while the window
    // is still being built, the window manager gives the answer it gives
    // when asked at the placement. Placing never waits for the answer: it
    // comes among the events that follow, and the window is placed by it as
    // it is shown.
    void aWindowPlacedByItsOuterSizeEndsWhereItMeant()
    {
        QFETCH(bool, askedEarly);
        QFETCH(bool, flagsAfterAsking);
        const Qt::WindowFlags flags =
            Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

        QWidget window;
        if (!flagsAfterAsking)
            window.setWindowFlags(flags);
        window.setFixedSize(200, 100);
        if (askedEarly)
            WindowFrame::prepare(&window);
        window.setWindowFlags(flags);
        window.setFixedSize(436, 347);
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QPoint corner(screen.width() * 3 / 4, screen.height() * 3 / 4);
        WindowFrame::place(&window, [&] {
            Twips::moveWindow(&window,
                              float(Twips::fromPixels(corner.x()) - Twips::outerWidth(&window)),
                              float(Twips::fromPixels(corner.y()) - Twips::outerHeight(&window)));
        });
        if (!askedEarly || flagsAfterAsking)
            QVERIFY2(!WindowFrame::isKnown(&window), "the placement waited for the window manager");
        if (answers)
            QVERIFY(QTest::qWaitFor([&] { return WindowFrame::isKnown(&window); }, 2000));
        const QMargins expected = WindowFrame::of(&window);
        window.show();
        Positions positions(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(!window.windowHandle()->frameMargins().isNull());
        QTest::qWait(200); // any correction lands within this

        const QRect outer = window.frameGeometry();
        QVERIFY2(outer.size() != window.size(), "the window manager gave the window no frame");
        QVERIFY(qAbs(outer.x() + outer.width() - corner.x()) <= Slack);
        QVERIFY(qAbs(outer.y() + outer.height() - corner.y()) <= Slack);
        // A window manager that answers leaves the window where it first
        // appears, framed as it said.
        if (answers) {
            QCOMPARE(window.windowHandle()->frameMargins(), expected);
            QVERIFY(!positions.seen.isEmpty());
            QCOMPARE(positions.seen.first(), outer.topLeft());
        }
    }

    // A second window of the program expects, before it is shown, the frame
    // the first one has, whether or not the window manager says so.
    void aSecondWindowExpectsTheFrameOfTheFirst()
    {
        QWidget first;
        first.setFixedSize(200, 100);
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QTRY_VERIFY(!first.windowHandle()->frameMargins().isNull());

        QWidget second;
        second.setFixedSize(300, 150);
        QCOMPARE(WindowFrame::of(&second), first.windowHandle()->frameMargins());
        WindowFrame::place(&second, [&] { Twips::moveWindow(&second, 1500.0f, 1500.0f); });
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QTRY_VERIFY((second.frameGeometry().topLeft() - QPoint(100, 100)).manhattanLength() <=
                    2 * Slack);
    }

    // Asking a dialog's frame before it is shown leaves its owner's controls
    // as they are: controls made native windows stop repainting on Wayland.
    void askingADialogsFrameMakesNoControlOfItsOwnerNative()
    {
        QWidget owner;
        auto* control = new QWidget(&owner);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QWidget dialog(&owner, Qt::Dialog);
        dialog.resize(200, 100);
        WindowFrame::of(&dialog);
        Twips::outerWidth(&dialog);
        QVERIFY(dialog.internalWinId());
        QVERIFY(!control->internalWinId());
        QVERIFY(!control->testAttribute(Qt::WA_NativeWindow));
    }
};

QTEST_MAIN(WindowFrameTest)
#include "WindowFrameTest.moc"
