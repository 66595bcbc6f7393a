// SPDX-License-Identifier: MIT
// Copied beside an installed Rollwright and started through a symlink, this
// reports where the program's own code looks for its files from there:
//   directory DIR      the program's directory
//   help FILE          the help collection that Help hands to the viewer
//   box TEXT           a message Help shows
//   readme LINE        the first line the read-me viewer shows
//   language LANGUAGE  the program's language, empty for English
//   roll CAPTION       the Roll button's caption
//   qt TEXT            the first item of a field's context menu, Qt's text
//   direction ltr|rtl  the main window's layout direction
// one line each, the fields separated by tabs, paths as the system's bytes.
// Given --viewer PROGRAM, it runs Help > Contents and Help > Search with
// PROGRAM in Qt Assistant's place, as the program starts Assistant.
#include <dice/RandomSource.h>
#include <forms/HelpViewer.h>
#include <forms/MessageBox.h>
#include <forms/Program.h>
#include <settings/AppSettings.h>
#include <settings/Translations.h>
#include <ui/info/frmReadMe.h>
#include <ui/main/frmDice.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>

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
    Translations::load();
    report({"directory", Program::directory()});
    report({"help", AppSettings::get().helpFile});
    report({"language", Translations::language().toUtf8()});

    MessageBox::setRecorder([](const MessageBox::Shown& box) {
        report({"box", box.text.toUtf8()});
    });
    Dice::EntropySeededSource source;
    frmDice window(source);
    window.Form_Load();
    window.show();
    const auto* roll = window.findChild<QPushButton*>(QStringLiteral("cmdRoll"));
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("txtNumDice"));
    if (!roll || !field)
        return 1;
    report({"roll", roll->text().toUtf8()});
    const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    report({"qt", menu->actions().value(0)->text().section(QLatin1Char('\t'), 0, 0).toUtf8()});
    report({"direction", window.layoutDirection() == Qt::RightToLeft ? "rtl" : "ltr"});
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
