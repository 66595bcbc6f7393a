// SPDX-License-Identifier: MIT
#pragma once

#include <help/HelpFile.h>

#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

namespace Help {

// Parses the text of a help file (UTF-8); path only names the file in messages.
// The time it takes grows linearly with the text.
HelpFile parseHelpText(QByteArrayView bytes, const QByteArray& path);

// The targets of the Markdown links on one line: what follows "](", after
// blanks and an optional "<", up to a blank, ")" or ">".
QStringList linkTargets(QStringView line);

} // namespace Help
