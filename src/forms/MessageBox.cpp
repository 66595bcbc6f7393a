// SPDX-License-Identifier: MIT
#include <forms/MessageBox.h>

#include <QMessageBox>

#include <utility>

namespace MessageBox {

namespace {
Recorder& recorder()
{
    static Recorder instance;
    return instance;
}

QMessageBox::Icon iconFor(Style style)
{
    switch (style) {
    case Critical:
        return QMessageBox::Critical;
    case Exclamation:
        return QMessageBox::Warning;
    case Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

void setRecorder(Recorder r)
{
    recorder() = std::move(r);
}

void show(QWidget* owner, const QString& text, Style style, const QString& title)
{
    if (recorder()) {
        recorder()({text, style, title});
        return;
    }
    QMessageBox box(iconFor(style), title, text, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace MessageBox
