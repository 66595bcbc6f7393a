#pragma once

#include <QPointer>

class frmDice;
class frmAbout;
class frmReadMe;

// One global reference per window, empty until the window is first needed
// and again once it has been unloaded.
namespace Forms {
inline QPointer<frmDice> dice;
inline QPointer<frmAbout> about;
inline QPointer<frmReadMe> readMe;
} // namespace Forms
