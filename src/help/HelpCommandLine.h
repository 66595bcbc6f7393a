// SPDX-License-Identifier: MIT
#pragma once

#include <help/HelpRequest.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace Help {

struct HelpCommandLine
{
    enum class Action
    {
        Show,    // open the viewer for request
        Check,   // report the problems of request.file and exit
        Usage,   // --help
        Version, // --version
        Invalid, // error says why
    };

    Action action = Action::Invalid;
    HelpRequest request;
    QString error;
};

// arguments[0] is the program's name, as in QCoreApplication::arguments().
HelpCommandLine parseHelpCommandLine(const QStringList& arguments);
// The command line as the system hands it over. The help file keeps its
// bytes, which need not be valid UTF-8; an argument that is not valid UTF-8
// is never an option.
HelpCommandLine parseHelpCommandLine(const QList<QByteArray>& arguments);

QString helpUsageText(const QString& program);

} // namespace Help
