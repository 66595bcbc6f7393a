// SPDX-License-Identifier: MIT
#pragma once

#include <help/HelpFile.h>

namespace Help {

// Reads and parses a help file. Only a regular file is read (a pipe or a
// device could block or never end), and no more of it than a help file may
// hold, whatever size it claims; anything else is an error at line 0.
HelpFile loadHelpFile(const QString& path);

} // namespace Help
