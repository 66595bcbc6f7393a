// SPDX-License-Identifier: MIT
#include <forms/MessageBox.h>
#include <forms/WindowFrame.h>

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

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
    // The box sizes itself to its text when shown; an item as wide as the
    // caption needs, over its first row, keeps it from growing narrower.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (const int width = WindowFrame::captionWidth(&box); grid && width > 0)
        grid->addItem(new QSpacerItem(width, 0), 0, 0, 1, grid->columnCount());
    box.exec();
}

} // namespace MessageBox
