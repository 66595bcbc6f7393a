// SPDX-License-Identifier: MIT
#include <forms/MessageBox.h>
#include <forms/Program.h>
#include <forms/Twips.h>
#include <forms/WindowFrame.h>
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

void closeEverythingAndExit(int status)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::exit(status);
}

Host& currentHost()
{
    static Host instance;
    return instance;
}

void finish(int status)
{
    ending = true;
    if (currentHost().quit)
        currentHost().quit(status);
    else
        closeEverythingAndExit(status);
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
        MessageBox::show(QApplication::activeWindow(),
                         QCoreApplication::translate("Program", "Unexpected failure: %1")
                             .arg(QString::fromUtf8(failure.what())),
                         MessageBox::Critical, QCoreApplication::applicationName());
        finish(1);
    } catch (...) {
        MessageBox::show(QApplication::activeWindow(),
                         QCoreApplication::translate("Program", "Unexpected failure."),
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

void setHost(Host h)
{
    currentHost() = std::move(h);
    ending = false;
}

const Host& host()
{
    return currentHost();
}

void showModal(QDialog* window, QWidget* owner, const std::function<void()>& load)
{
    window->setParent(owner, window->windowFlags());
    window->setWindowModality(Qt::ApplicationModal);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // With its owner and flags it has the native window it is shown in: the
    // window manager is asked for its frame while it loads.
    WindowFrame::prepare(window);
    load();
    window->exec();
}

void unload(QWidget* window)
{
    window->close();
}

QSize screenSizeTwips()
{
    if (currentHost().screenSizeTwips)
        return *currentHost().screenSizeTwips;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize px = screen ? screen->size() : QSize(640, 480);
    return {Twips::fromPixels(px.width()), Twips::fromPixels(px.height())};
}

QByteArray directory()
{
    if (currentHost().directory)
        return *currentHost().directory;
    return programDirectory();
}

} // namespace Program
