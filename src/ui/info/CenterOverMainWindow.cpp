#include "CenterOverMainWindow.h"

#include "Forms.h"
#include "Twips.h"
#include "frmDice.h"

void CenterOverMainWindow(QWidget* window)
{
    // Always the main window, even when another window owns this one.
    const QWidget* main = Forms::dice;
    if (!main)
        return; // nothing to centre over: the window stays where it is

    const auto twips = [](int value) { return static_cast<float>(value); };
    const float top = (twips(Twips::outerHeight(main)) - twips(Twips::outerHeight(window))) / 2.0f +
                      twips(Twips::top(main));
    const float left = (twips(Twips::outerWidth(main)) - twips(Twips::outerWidth(window))) / 2.0f +
                       twips(Twips::left(main));
    Twips::moveWindow(window, left, top);
}
