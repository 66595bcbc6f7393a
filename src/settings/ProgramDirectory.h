// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The folder of the running program's executable, as the system spells it:
// bytes that need not be valid in any encoding, without a trailing separator
// (but for the root, "/").
// Empty when it cannot be told; it is never the working folder.
QByteArray programDirectory();

// The file `name` in the program's `directory`. Without a directory there is
// no such file: empty, never a file in the root or the working folder.
QByteArray inProgramDirectory(const QByteArray& directory, const QByteArray& name);
