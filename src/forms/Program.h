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

// What the program learns of the machine it runs on, and how its ending
// reaches the event loop. A field left empty keeps the real one.
struct Host
{
    std::function<void(int status)> quit{}; // instead of quitting
    std::optional<QSize> screenSizeTwips{}; // another screen
    std::optional<QByteArray> directory{};  // the executable's; empty: none can be told
};

// The seam for tests: they stand in for the machine and stay alive when the
// program ends. Setting a host also forgets an ending, so the next handler
// runs; setHost({}) brings back the real machine.
void setHost(Host host);
const Host& host();

// Loads `window` if needed (runs its load handler through `load`), shows it
// modally over `owner` and returns once it has been unloaded.
void showModal(QDialog* window, QWidget* owner, const std::function<void()>& load);

// Closes and destroys a window.
void unload(QWidget* window);

// Size of the screen in twips.
QSize screenSizeTwips();

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
