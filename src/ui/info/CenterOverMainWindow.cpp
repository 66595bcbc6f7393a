// SPDX-License-Identifier: MIT
#include <forms/Twips.h>
#include <forms/WindowFrame.h>
#include <ui/info/CenterOverMainWindow.h>

#include <QPointer>
#include <QWidget>

namespace {

float twips(int pixels)
{
    return static_cast<float>(Twips::fromPixels(pixels));
}

void centre(QWidget* window, const QWidget* mainWindow)
{
    const QRect mainOuter = mainWindow->frameGeometry();
    const float top = (static_cast<float>(Twips::outerHeight(mainWindow)) -
                       static_cast<float>(Twips::outerHeight(window))) /
                          2.0f +
                      twips(mainOuter.top());
    const float left = (static_cast<float>(Twips::outerWidth(mainWindow)) -
                        static_cast<float>(Twips::outerWidth(window))) /
                           2.0f +
                       twips(mainOuter.left());
    Twips::moveWindow(window, left, top);
}

} // namespace

void CenterOverMainWindow(QWidget* window, const QWidget* mainWindow)
{
    if (!mainWindow)
        return;
    const QPointer<const QWidget> main = mainWindow;
    WindowFrame::place(window, [window, main] {
        if (main)
            centre(window, main);
    });
}
