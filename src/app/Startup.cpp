#include "Startup.h"

#include "AppSettings.h"
#include "frmDice.h"

#include <QApplication>
#include <QLineEdit>

frmDice* startMainWindow(dice::RandomSource& source)
{
    // The runtime titles its failure messages with the application's name.
    QCoreApplication::setApplicationName(AppSettings::get().title);
    auto* window = new frmDice(source);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
    window->activateWindow();
    // The first control in tab order takes the focus and selects its text.
    if (auto* first = window->findChild<QLineEdit*>(QStringLiteral("txtNumDice"))) {
        first->setFocus(Qt::TabFocusReason);
        first->selectAll();
    }
    return window;
}
