// SPDX-License-Identifier: MIT
#include <app/Startup.h>
#include <settings/AppSettings.h>
#include <ui/main/frmDice.h>

#include <QCoreApplication>

frmDice* startMainWindow(Dice::RandomSource& source)
{
    // The runtime titles its failure messages with the application's name.
    QCoreApplication::setApplicationName(AppSettings::get().title);
    auto* window = new frmDice(source);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
    window->activateWindow();
    return window;
}
