#include "CenterOverMainWindow.h"

#include "Forms.h"
#include "Twips.h"
#include "WindowFrame.h"
#include "frmDice.h"

#include <QPointer>

namespace {

float twips(int pixels) { return static_cast<float>(Twips::fromPixels(pixels)); }

void centre(QWidget* window, QWidget* main)
{
    const QRect mainOuter = main->frameGeometry();
    const float top = (static_cast<float>(Twips::outerHeight(main)) - static_cast<float>(Twips::outerHeight(window))) / 2.0f +
                      twips(mainOuter.top());
    const float left = (static_cast<float>(Twips::outerWidth(main)) - static_cast<float>(Twips::outerWidth(window))) / 2.0f +
                       twips(mainOuter.left());
    Twips::moveWindow(window, left, top);
}

} // namespace

void CenterOverMainWindow(QWidget* window)
{
    // Always the main window, even when another window owns this one.
    const QPointer<QWidget> main = Forms::dice.data();
    if (!main)
        return; // nothing to centre over: the window stays where it is
    WindowFrame::place(window, [window, main] {
        if (main)
            centre(window, main);
    });
}
