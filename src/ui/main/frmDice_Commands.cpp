// SPDX-License-Identifier: MIT
// The commands of the buttons and the menus.
#include <forms/HelpViewer.h>
#include <forms/MessageBox.h>
#include <forms/Program.h>
#include <settings/AppSettings.h>
#include <ui/info/frmAbout.h>
#include <ui/main/frmDice.h>

#include "ui_frmDice.h"

#include <exception>

// Shown in the user's language; the constant keeps the source text.
const QString frmDice::HelpMissingText = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "frmDice", "Unable to display Help Contents. The Rollwright Help file is missing."));

void frmDice::cmdAbout_Click()
{
    if (!LoadedWindows::about)
        LoadedWindows::about = new frmAbout(this);
    // Unloading destroys the window, so every opening loads it afresh.
    Program::showModal(LoadedWindows::about, this, [] { LoadedWindows::about->Form_Load(); });
}

void frmDice::cmdExit_Click()
{
    Program::end(0);
}

// The menu items that repeat a button call its handler, without a click.
void frmDice::mnuActionRollDice_Click()
{
    cmdRoll_Click();
}
void frmDice::mnuActionClearResults_Click()
{
    cmdClear_Click();
}
void frmDice::mnuActionExit_Click()
{
    cmdExit_Click();
}
void frmDice::mnuHelpAbout_Click()
{
    cmdAbout_Click();
}

void frmDice::mnuHelpContents_Click()
{
    showHelp(HelpViewer::Contents);
}
void frmDice::mnuHelpSearch_Click()
{
    showHelp(HelpViewer::PartialKey);
}

void frmDice::showHelp(HelpViewer::Command command)
{
    const QByteArray helpFile = AppSettings::get().helpFile;
    if (helpFile.isEmpty()) {
        MessageBox::show(this, tr(HelpMissingText.toUtf8().constData()), MessageBox::Information,
                         windowTitle());
        return;
    }
    // Whether the file exists is the viewer's business; only a viewer that
    // cannot be started is reported here.
    try {
        HelpViewer::request(this, helpFile, command);
    } catch (const std::exception& failure) {
        MessageBox::show(this, QString::fromUtf8(failure.what()), MessageBox::Plain,
                         AppSettings::get().title);
    }
}
