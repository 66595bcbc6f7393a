// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The texts of the program and of Qt in the user's language. The program's
// translations are compiled into it; Qt's come from Qt's own folder, and
// only for a language the program speaks too, so that one window speaks one
// language. An English or unknown language installs nothing: the source
// texts are the English ones.
namespace Translations {

// Installs the program's translation for the first of the default locale's
// languages it ships, and Qt's (qtbase) for the same language. Call after
// the application object exists; a later call replaces what an earlier one
// installed.
void load();

// The language of the program's texts that load() installed, as its
// translations name it ("de"), or empty for English.
QString language();

} // namespace Translations
