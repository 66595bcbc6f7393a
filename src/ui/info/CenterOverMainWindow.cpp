#include "CenterOverMainWindow.h"

#include "Forms.h"
#include "Twips.h"
#include "frmDice.h"

namespace {

// Before its first show a window knows only its inside; its frame will be
// the one the main window has.
QSize outerPixels(const QWidget* window, const QWidget* main)
{
    const QSize outer = window->frameGeometry().size();
    if (outer != window->size())
        return outer;
    return outer + (main->frameGeometry().size() - main->size());
}

float twips(int pixels) { return static_cast<float>(Twips::fromPixels(pixels)); }

} // namespace

void CenterOverMainWindow(QWidget* window)
{
    // Always the main window, even when another window owns this one.
    const QWidget* main = Forms::dice;
    if (!main)
        return; // nothing to centre over: the window stays where it is

    const QRect mainOuter = main->frameGeometry();
    const QSize own = outerPixels(window, main);
    const float top = (twips(mainOuter.height()) - twips(own.height())) / 2.0f + twips(mainOuter.top());
    const float left = (twips(mainOuter.width()) - twips(own.width())) / 2.0f + twips(mainOuter.left());
    Twips::moveWindow(window, left, top);
}
