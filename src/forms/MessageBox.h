// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Modal message boxes with a caption, a text and one OK button. Every box of
// the program goes through here, so a test can record them instead.
namespace MessageBox {

// The classic message box styles, by their numbers.
enum Style : int
{
    Plain = 0,        // no icon
    Critical = 16,    // the failure that ends the program
    Exclamation = 48, // refused input
    Information = 64,
};

struct Shown
{
    QString text;
    Style style = Plain;
    QString title;
};

void show(QWidget* owner, const QString& text, Style style, const QString& title);

// While a recorder is set, boxes are handed to it and never shown.
using Recorder = std::function<void(const Shown&)>;
void setRecorder(Recorder recorder);

} // namespace MessageBox
