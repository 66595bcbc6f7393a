#pragma once

#include "Forms.h"
#include "Program.h"
#include "Startup.h"
#include "frmAbout.h"
#include "frmDice.h"
#include "frmReadMe.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <dice/RandomSource.h>

#include <functional>

namespace InfoTesting {

// Opens the About window as the main window's About command does.
inline void openAbout()
{
    if (!Forms::about)
        Forms::about = new frmAbout;
    Program::showModal(Forms::about, Forms::dice, [] { Forms::about->Form_Load(); });
}

// Opens the read-me viewer over `owner` as the About window's button does.
inline void openReadMe(QWidget* owner)
{
    if (!Forms::readMe)
        Forms::readMe = new frmReadMe;
    Program::showModal(Forms::readMe, owner, [] { Forms::readMe->Form_Load(); });
}

inline bool activate(QWidget* window)
{
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// Runs `open`, which shows a modal window and returns once it is gone, and
// runs `whileOpen` inside the window's own loop once it is up and active.
// A window still open afterwards is closed, so a failed check cannot hang.
// Returns whether `whileOpen` ran.
inline bool whileModal(const std::function<void()>& open, const std::function<void()>& whileOpen)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal && activate(modal)) {
            whileOpen();
            ran = true;
        }
        if (modal && modal->isVisible())
            modal->close();
    });
    open();
    return ran;
}

inline QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Types into whatever has the focus, as the keyboard does.
inline void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

// The main window, started as the program starts it, for the windows that
// centre themselves over it.
class MainWindow
{
public:
    dice::EntropySeededSource source{1};
    frmDice* window = nullptr;

    bool start()
    {
        window = startMainWindow(source);
        return activate(window);
    }
    void stop()
    {
        delete window;
        window = nullptr;
    }
};

} // namespace InfoTesting
