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

enum Command : int
{
    Contents = 3,      // the help file's contents
    PartialKey = 0x105 // the keyword index, the keyword filled in
};

struct Request
{
    QByteArray program; // empty when the program's folder cannot be told
    QList<QByteArray> arguments;
};

// Throws std::runtime_error with a description when the viewer cannot be
// started.
void request(const QByteArray& helpFile, int command, const QString& keyword);

// What request() would start.
Request requestFor(const QByteArray& helpFile, int command, const QString& keyword);

// Tests replace how a request is started, or where the viewer is looked for.
using Starter = std::function<void(const Request&)>;
void setStarterForTests(Starter starter);
void setProgramForTests(const QByteArray& program);

} // namespace HelpViewer
