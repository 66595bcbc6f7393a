// SPDX-License-Identifier: MIT
#pragma once

#include <help/HelpRequest.h>

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

QString helpUsageText(const QString& program);

} // namespace Help
