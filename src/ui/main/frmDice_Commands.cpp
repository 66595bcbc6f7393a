// The commands of the buttons and the menus.
#include "frmDice.h"

#include "Program.h"

void frmDice::cmdAbout_Click()
{
    // The About window arrives with its own change; until then the button
    // does nothing rather than pretend.
}

void frmDice::cmdExit_Click() { Program::end(0); }

void frmDice::mnuActionRollDice_Click() { cmdRoll_Click(); }
void frmDice::mnuActionClearResults_Click() { cmdClear_Click(); }
void frmDice::mnuActionExit_Click() { cmdExit_Click(); }
void frmDice::mnuHelpAbout_Click() { cmdAbout_Click(); }

void frmDice::mnuHelpContents_Click()
{
    // Help comes with the help viewer.
}

void frmDice::mnuHelpSearch_Click()
{
}
