// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// Hands help requests to the help viewer program, rollwright-help, which
// lives beside the program. The request is handed over and the call returns
// without waiting; the viewer is never asked to close. The viewer's window
// is its own, owned by no window of the program, so the asking window is not
// passed on.
//
// Names of files travel as the system's bytes, which need not be valid
// UTF-8: the viewer is looked for only in the program's own folder, and the
// help file reaches it exactly as named.
namespace HelpViewer {

// The two requests, by the numbers the classic help viewer gives them.
enum Command : int
{
    Contents = 3,      // the help file's contents
    PartialKey = 0x105 // the keyword index, the keyword filled in
};

struct Request
{
    QByteArray program; // empty when the program's folder cannot be told
    QList<QByteArray> arguments;
    // Lets the viewer come forward on Wayland; handed over in XDG_ACTIVATION_TOKEN.
    QString activationToken;
};

// Throws std::runtime_error with a description when the viewer cannot be
// started.
void request(const QByteArray& helpFile, Command command, const QString& keyword);

// What request() would start.
Request requestFor(const QByteArray& helpFile, Command command, const QString& keyword);

// The seam for tests: a starter set here is handed every request instead of
// starting the viewer; an empty one brings back the real start. Where the
// viewer is looked for follows Program::directory().
using Starter = std::function<void(const Request&)>;
void setStarter(Starter starter);

} // namespace HelpViewer
