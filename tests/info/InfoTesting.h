// SPDX-License-Identifier: MIT
#pragma once

#include <app/Startup.h>
#include <dice/RandomSource.h>
#include <forms/Program.h>
#include <ui/info/frmAbout.h>
#include <ui/info/frmReadMe.h>
#include <ui/main/frmDice.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace InfoTesting {

// Presses a button with the mouse, as the user does.
inline void clickButton(QWidget* window, const char* button)
{
    auto* target = window->findChild<QPushButton*>(QString::fromLatin1(button));
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton);
}

// The main window's About button: the About window opens modally and the
// call returns once it has closed.
inline void openAbout()
{
    clickButton(LoadedWindows::dice, "cmdAbout");
}

// The About window's "Rollwright Info" button opens the read-me viewer over
// it, modally.
inline void openReadMeFromAbout()
{
    clickButton(LoadedWindows::about, "cmdReadme");
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

// Runs `whileOpen` while the read-me viewer is open, as the user opens it:
// the About button, then the About window's "Rollwright Info" button.
inline bool whileReadMeOpen(const std::function<void()>& whileOpen)
{
    bool ran = false;
    const bool aboutRan =
        whileModal(openAbout, [&] { ran = whileModal(openReadMeFromAbout, whileOpen); });
    return aboutRan && ran;
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
    Dice::EntropySeededSource source{1};
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
