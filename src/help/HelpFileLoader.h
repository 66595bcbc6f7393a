// SPDX-License-Identifier: MIT
#pragma once

#include <help/HelpFile.h>

namespace Help {

// Reads and parses a help file. Only a regular file is read (a pipe or a
// device could block or never end), and no more of it than a help file may
// hold, whatever size it claims; anything else is an error at line 0.
// The path is the system's bytes, which need not be valid UTF-8.
HelpFile loadHelpFile(const QByteArray& path);

} // namespace Help
