// SPDX-License-Identifier: MIT
// What the window system shows of the windows, judged from its own picture of
// the screen (a compositor's screenshot on Wayland, the X server's on X11):
// every control keeps showing what it paints after other windows have opened
// and closed, the windows' title bars offer what each window allows, and the
// dialogs belong to their owner.
#include "MainWindowFixture.h"

#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstring>
#include <functional>

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// What the window system shows on the screen.
QImage screenshot()
{
    if (!onWayland()) {
        return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
            QImage::Format_RGB32);
    }
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(5000))
        return {};
    const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    if (shots.isEmpty())
        return {};
    return QImage(QDir(folder.path()).filePath(shots.first()))
        .convertToFormat(QImage::Format_RGB32);
}

// The functions and decorations that a window asks its X11 window manager to
// offer (_MOTIF_WM_HINTS), as the names of the title bar's buttons.
QStringList titleBarButtons(const QWidget* window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window->internalWinId()),
                 QStringLiteral("_MOTIF_WM_HINTS")});
    if (!xprop.waitForFinished(5000))
        return {QStringLiteral("no answer from xprop")};
    // "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x3, 0x2e, 0x3e, 0x0, 0x0"
    const QStringList values = QString::fromLatin1(xprop.readAllStandardOutput())
                                   .section(QLatin1Char('='), 1)
                                   .split(QLatin1Char(','));
    if (values.size() < 3)
        return {QStringLiteral("no hints")};
    bool ok = false;
    const uint functions = values[1].trimmed().toUInt(&ok, 16);
    const uint decorations = values[2].trimmed().toUInt(&ok, 16);
    QStringList buttons;
    // Minimise and maximise as functions (8, 16) and as buttons (32, 64); close (32).
    if ((functions & 8) || (decorations & 32))
        buttons << QStringLiteral("Minimise");
    if ((functions & 16) || (decorations & 64))
        buttons << QStringLiteral("Maximise");
    if (functions & 32)
        buttons << QStringLiteral("Close");
    return buttons;
}

// Whether `part` appears, pixel for pixel, somewhere in `whole`.
bool contains(const QImage& whole, const QImage& part)
{
    if (part.isNull() || whole.width() < part.width() || whole.height() < part.height())
        return false;
    const auto rowBytes = static_cast<size_t>(part.width()) * 4;
    for (int y = 0; y + part.height() <= whole.height(); ++y) {
        for (int x = 0; x + part.width() <= whole.width(); ++x) {
            int row = 0;
            while (row < part.height() &&
                   std::memcmp(whole.constScanLine(y + row) + static_cast<size_t>(x) * 4,
                               part.constScanLine(row), rowBytes) == 0)
                ++row;
            if (row == part.height())
                return true;
        }
    }
    return false;
}

// Whether the window system shows `widget` as it paints itself now.
bool shownAsPainted(QWidget* widget, QString* where)
{
    const QImage painted = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage shown;
    for (int attempt = 0; attempt < 10; ++attempt) {
        QTest::qWait(100);
        shown = screenshot();
        if (contains(shown, painted))
            return true;
    }
    const QString folder = QDir::temp().filePath(QStringLiteral("rollwright-window-system"));
    QDir().mkpath(folder);
    painted.save(QDir(folder).filePath(QStringLiteral("painted.png")));
    shown.save(QDir(folder).filePath(QStringLiteral("shown.png")));
    *where = folder;
    return false;
}

// Closes each modal window once the window system shows it; `opened` sees
// it first, and may open a further window from it.
class ModalCloser : public QObject
{
    static constexpr const char* SeenProperty = "_seenByTheTest";

public:
    std::function<void(QWidget*)> opened;
    QStringList seen;

    explicit ModalCloser(QObject* parent = nullptr) : QObject(parent)
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalCloser::tick);
        m_timer.start(50);
        m_deadline.setRemainingTime(10000);
    }

private:
    void tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (m_deadline.hasExpired()) {
            m_timer.stop();
            if (modal)
                modal->close();
            return;
        }
        if (!modal || !modal->windowHandle() || !modal->windowHandle()->isExposed())
            return;
        if (!modal->property(SeenProperty).toBool()) {
            modal->setProperty(SeenProperty, true);
            seen << modal->objectName();
            if (opened) {
                // From the event loop, as a user's click: it may open a window of its own.
                const QPointer<QWidget> shown = modal;
                QTimer::singleShot(0, this, [this, shown] {
                    if (shown)
                        opened(shown);
                });
                return;
            }
        }
        modal->close();
    }

    QTimer m_timer;
    QDeadlineTimer m_deadline;
};

// The platform's warnings, but for the test library's own.
QStringList warnings;
QtMessageHandler previousHandler = nullptr;
void recordWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !message.startsWith(QLatin1String("qWaitForWindowActive")))
        warnings << message;
    previousHandler(type, context, message);
}

} // namespace

class WindowSystemTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

    // The window each dialog belongs to, as it opened.
    QStringList m_owners;

    void recordOwner(QWidget* dialog)
    {
        const QWindow* parent = dialog->windowHandle()->transientParent();
        const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
        const QString name = dialog->objectName().isEmpty()
                                 ? QString::fromLatin1(dialog->metaObject()->className())
                                 : dialog->objectName();
        m_owners << QStringLiteral("%1 over %2")
                        .arg(name, parent && owner && owner->windowHandle() == parent
                                       ? owner->objectName()
                                       : QStringLiteral("nothing"));
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("needs a window system (tests/with-wayland.sh, tests/with-window-manager.sh)");
        QApplication::setCursorFlashTime(0); // a caret that does not blink looks the same twice
        previousHandler = qInstallMessageHandler(recordWarning);
    }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
    void init() { warnings.clear(); }
    // Nothing runs that the window system does not offer.
    void cleanup()
    {
        f.stop();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }

    void everyControlRepaintsAfterAWindowClosed_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::newRow("About") << QStringLiteral("About");
        QTest::newRow("read-me viewer") << QStringLiteral("ReadMe");
        QTest::newRow("message box") << QStringLiteral("MessageBox");
    }
    void everyControlRepaintsAfterAWindowClosed()
    {
        QFETCH(QString, opened);
        QVERIFY(f.start());
        f.chooseDieType(4);
        m_owners.clear();
        {
            ModalCloser closer;
            closer.opened = [&](QWidget* dialog) {
                recordOwner(dialog);
                if (dialog->objectName() == QLatin1String("frmAbout") && opened == "ReadMe")
                    dialog->findChild<QPushButton*>(QStringLiteral("cmdReadme"))->click();
                dialog->close();
            };
            if (opened == "MessageBox") {
                MessageBox::setRecorder({}); // a real box this time
                f.list("cmbRollModifier")->setEditText(QStringLiteral("5000"));
                f.button("cmdRoll")->click();
                f.list("cmbRollModifier")->setEditText(QStringLiteral("0"));
                MessageBox::setRecorder(
                    [this](const MessageBox::Shown& shown) { f.boxes << shown; });
            } else {
                f.button("cmdAbout")->click();
            }
            QVERIFY(!closer.seen.isEmpty());
        }
        if (opened == "About")
            QCOMPARE(m_owners, QStringList{QStringLiteral("frmAbout over frmDice")});
        if (opened == "ReadMe") {
            QCOMPARE(m_owners, (QStringList{QStringLiteral("frmAbout over frmDice"),
                                            QStringLiteral("frmReadMe over frmAbout")}));
        }
        if (opened == "MessageBox")
            QCOMPARE(m_owners, QStringList{QStringLiteral("QMessageBox over frmDice")});

        // Many dice and a die modifier: each kind of die box shows them.
        for (const QString& dice : {QStringLiteral("3"), QStringLiteral("20")}) {
            f.edit("txtNumDice")->setText(dice);
            f.list("cmbDieModifier")->setCurrentIndex(f.list("cmbDieModifier")->currentIndex() - 1);
            f.button("cmdRoll")->click();
            QVERIFY(!f.edit("txtTotalResult")->text().isEmpty());
            QString where;
            QVERIFY2(shownAsPainted(f.window->centralWidget(), &where),
                     qPrintable(QStringLiteral("after %1 and rolling %2 dice the window system "
                                               "shows the window otherwise than it paints "
                                               "itself; both pictures are in %3")
                                    .arg(opened, dice, where)));
        }
    }

    // The main window offers Minimise and Close, no Maximise; About and a
    // message box only Close. Window managers that honour the hints show
    // only those (openbox shows every button, but maximises no window that
    // forbids it).
    void titleBarsOfferWhatEachWindowAllows()
    {
        if (onWayland())
            QSKIP("Qt 6.4 draws the title bar itself on Wayland, with every button");
        QVERIFY(f.start());
        QCOMPARE(titleBarButtons(f.window),
                 (QStringList{QStringLiteral("Minimise"), QStringLiteral("Close")}));
        QStringList dialogs;
        {
            ModalCloser closer;
            closer.opened = [&](QWidget* dialog) {
                dialogs << QStringLiteral("%1: %2").arg(
                    QString::fromLatin1(dialog->metaObject()->className()),
                    titleBarButtons(dialog).join(QLatin1Char(' ')));
                dialog->close();
            };
            f.button("cmdAbout")->click();
            MessageBox::setRecorder({});
            f.chooseDieType(4);
            f.list("cmbRollModifier")->setEditText(QStringLiteral("5000"));
            f.button("cmdRoll")->click();
            MessageBox::setRecorder([this](const MessageBox::Shown& shown) { f.boxes << shown; });
        }
        QCOMPARE(dialogs, (QStringList{QStringLiteral("frmAbout: Close"),
                                       QStringLiteral("QMessageBox: Close")}));
    }
};

QTEST_MAIN(WindowSystemTest)
#include "WindowSystemTest.moc"
