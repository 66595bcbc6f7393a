// SPDX-License-Identifier: MIT
#include <forms/MessageBox.h>
#include <forms/Program.h>
#include <forms/Twips.h>
#include <settings/ProgramDirectory.h>

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QWidget>

#include <exception>
#include <utility>

namespace Program {

namespace {

// Thrown by end(); only runHandler catches it.
struct EndRequested
{
    int status;
};

bool ending = false;
std::optional<QSize> pretendScreen;

void closeEverythingAndExit(int status)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::exit(status);
}

QuitHook& quitHook()
{
    static QuitHook hook = closeEverythingAndExit;
    return hook;
}

void finish(int status)
{
    ending = true;
    quitHook()(status);
}

} // namespace

void runHandler(const std::function<void()>& handler)
{
    if (ending)
        return;
    try {
        handler();
    } catch (const EndRequested& request) {
        finish(request.status);
    } catch (const std::exception& failure) {
        MessageBox::show(
            QApplication::activeWindow(),
            QStringLiteral("Unexpected failure: %1").arg(QString::fromUtf8(failure.what())),
            MessageBox::Critical, QCoreApplication::applicationName());
        finish(1);
    } catch (...) {
        MessageBox::show(QApplication::activeWindow(), QStringLiteral("Unexpected failure."),
                         MessageBox::Critical, QCoreApplication::applicationName());
        finish(1);
    }
}

void end(int status)
{
    throw EndRequested{status};
}

bool isEnding()
{
    return ending;
}

void setQuitHook(QuitHook hook)
{
    quitHook() = hook ? std::move(hook) : QuitHook(closeEverythingAndExit);
}

void resetEndingForTests()
{
    ending = false;
}

void showModal(QDialog* window, QWidget* owner, const std::function<void()>& load)
{
    window->setParent(owner, window->windowFlags());
    window->setWindowModality(Qt::ApplicationModal);
    window->setAttribute(Qt::WA_DeleteOnClose);
    load();
    window->exec();
}

void unload(QWidget* window)
{
    window->close();
}

QSize screenSizeTwips()
{
    if (pretendScreen)
        return *pretendScreen;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize px = screen ? screen->size() : QSize(640, 480);
    return {Twips::fromPixels(px.width()), Twips::fromPixels(px.height())};
}

void setScreenSizeTwipsForTests(std::optional<QSize> size)
{
    pretendScreen = size;
}

QByteArray directory()
{
    return programDirectory();
}

} // namespace Program
