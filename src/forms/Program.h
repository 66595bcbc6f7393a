// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

// What the windows expect of their runtime: running handlers, ending the
// program at once, modal windows with an owner, and a few facts about the
// machine.
namespace Program {

// Runs one event handler. A failure that escapes it shows its description in
// a box titled with the application's name (QCoreApplication::applicationName)
// and ends the program with status 1;
// once the program is ending, no further handler runs.
void runHandler(const std::function<void()>& handler);

// Ends the program at once: the running handler stops here, no other handler
// runs, every window closes and the process exits with `status`.
[[noreturn]] void end(int status = 0);

bool isEnding();

// How the ending reaches the event loop; tests replace it to stay alive,
// and an empty hook brings back the real one.
using QuitHook = std::function<void(int status)>;
void setQuitHook(QuitHook hook);
void resetEndingForTests();

// Loads `window` if needed (runs its load handler through `load`), shows it
// modally over `owner` and returns once it has been unloaded.
void showModal(QDialog* window, QWidget* owner, const std::function<void()>& load);

// Closes and destroys a window.
void unload(QWidget* window);

// Size of the screen in twips; tests may pretend another screen.
QSize screenSizeTwips();
void setScreenSizeTwipsForTests(std::optional<QSize> size);

// Directory of the program's executable as the system spells it (bytes that
// need not be valid UTF-8), without a trailing separator; empty when it cannot
// be told. Never the working folder.
QByteArray directory();

} // namespace Program

// Wraps a member function as a handler for a signal connection.
template <class Obj, class... Args> auto handlerOf(Obj* object, void (Obj::*member)(Args...))
{
    return [object, member](Args... args) {
        Program::runHandler([&] { (object->*member)(args...); });
    };
}
