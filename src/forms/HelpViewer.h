// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

class QWidget;

// Hands help requests to Qt Assistant, which shows a Qt help collection. The
// viewer this program started is asked again, over its remote control, while
// it runs; otherwise a new one starts. The program never waits for the viewer
// and never closes it: the viewer runs in a session of its own and outlives
// the program.
namespace HelpViewer {

// The two requests, by the numbers the classic help viewer gives them.
enum Command : int
{
    Contents = 3,      // the contents and the start page
    PartialKey = 0x105 // the Index, its Look-for field taking the keyboard
};

// Returns at once. Throws std::runtime_error with a description when the
// viewer cannot be started. A viewer that ends with a message of its own (a
// collection missing or broken) has its words shown later, in a box over
// `owner` titled with the application's name.
void request(QWidget* owner, const QByteArray& collection, Command command);

// The seam for tests: the program started in Assistant's place, by its path
// as bytes; an empty one brings back Assistant.
void setProgram(const QByteArray& program);

} // namespace HelpViewer
