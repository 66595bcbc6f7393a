// SPDX-License-Identifier: MIT
// Copied beside an installed Rollwright and started through a symlink, this
// reports where the program's own code looks for its files from there:
//   directory DIR      the program's directory
//   help FILE          the help collection that Help hands to the viewer
//   box TEXT           a message Help shows
//   readme LINE        the first line the read-me viewer shows
// one line each, the fields separated by tabs, paths as the system's bytes.
// Given --viewer PROGRAM, it runs Help > Contents and Help > Search with
// PROGRAM in Qt Assistant's place, as the program starts Assistant.
#include <dice/RandomSource.h>
#include <forms/HelpViewer.h>
#include <forms/MessageBox.h>
#include <forms/Program.h>
#include <settings/AppSettings.h>
#include <ui/info/frmReadMe.h>
#include <ui/main/frmDice.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

void report(std::initializer_list<QByteArray> fields)
{
    QByteArray line;
    for (const QByteArray& field : fields)
        line += (line.isEmpty() ? "" : "\t") + field;
    line += '\n';
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    const bool startHelp = argc > 2 && std::strcmp(argv[1], "--viewer") == 0;
    if (startHelp)
        HelpViewer::setProgram(argv[2]);
    QApplication app(argc, argv);
    report({"directory", Program::directory()});
    report({"help", AppSettings::get().helpFile});

    MessageBox::setRecorder([](const MessageBox::Shown& box) {
        report({"box", box.text.toUtf8()});
    });
    Dice::EntropySeededSource source;
    frmDice window(source);
    window.Form_Load();
    window.show();
    for (const char* name : {"mnuHelpContents", "mnuHelpSearch"}) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        if (!action)
            return 1;
        if (startHelp)
            action->trigger();
    }

    frmReadMe readMe(&window);
    readMe.Form_Load();
    const auto* text = readMe.findChild<QPlainTextEdit*>(QStringLiteral("txtReadMe"));
    if (!text)
        return 1;
    report({"readme", text->document()->firstBlock().text().toUtf8()});
    return 0;
}
