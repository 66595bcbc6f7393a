// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The texts of Qt and of the program in the user's language. An English or
// unknown language installs nothing: the source texts are the English ones.
namespace Translations {

// The program's own translation files: a folder beside the program.
QString folder();

// Installs Qt's translation (qtbase) and the program's for the default
// locale. Call once, after the application object exists.
void load();

// The language of the program's texts that load() installed ("de"), empty for
// English; the help follows it.
QString language();

} // namespace Translations
