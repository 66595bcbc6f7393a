#pragma once

#include "HelpFile.h"

#include <QByteArray>

namespace help {

// Parses the text of a help file (UTF-8); path only names the file in messages.
HelpFile parseHelpText(const QByteArray& bytes, const QString& path);

// Reads and parses a file; a file that cannot be read gives an error at line 0.
HelpFile loadHelpFile(const QString& path);

} // namespace help
