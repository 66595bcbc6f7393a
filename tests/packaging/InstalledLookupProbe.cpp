// SPDX-License-Identifier: MIT
// Copied beside an installed Rollwright and started through a symlink, this
// reports where the program's own code looks for its files from there:
//   directory DIR      the program's directory
//   help PROGRAM FILE  what Help > Contents and Help > Search would start
//   readme LINE        the first line the read-me viewer shows
// one line each, the fields separated by tabs.
// It runs the main window's menu actions and the read-me viewer's load
// handler, with only the starting of the help viewer captured.
#include <dice/RandomSource.h>
#include <forms/HelpViewer.h>
#include <forms/Program.h>
#include <ui/info/frmReadMe.h>
#include <ui/main/frmDice.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    out << "directory\t" << Program::directory() << '\n';

    HelpViewer::setStarter([&out](const HelpViewer::Request& request) {
        out << "help\t" << request.program << '\t'
            << request.arguments.value(request.arguments.size() - 1) << '\n';
    });
    Dice::EntropySeededSource source;
    frmDice window(source);
    window.Form_Load();
    window.show();
    for (const char* name : {"mnuHelpContents", "mnuHelpSearch"}) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        if (!action)
            return 1;
        action->trigger();
    }

    frmReadMe readMe(&window);
    readMe.Form_Load();
    const auto* text = readMe.findChild<QPlainTextEdit*>(QStringLiteral("txtReadMe"));
    if (!text)
        return 1;
    out << "readme\t" << text->document()->firstBlock().text() << '\n';
    return 0;
}
