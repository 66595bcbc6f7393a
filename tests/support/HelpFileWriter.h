// SPDX-License-Identifier: MIT
#pragma once

#include <help/HelpFile.h>

#include <QByteArray>

namespace Help {

// The text of a help file holding file's topics: read back, it gives the same
// ids, titles, keywords and bodies. One keyword per line, so that no line
// grows longer than the ones the topics came from.
QByteArray writeHelpText(const HelpFile& file);

} // namespace Help
