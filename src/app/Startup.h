// SPDX-License-Identifier: MIT
#pragma once

namespace Dice {
class RandomSource;
}
class frmDice;

// Creates the main window, runs its load handler and shows it with the focus
// in the number of dice.
frmDice* startMainWindow(Dice::RandomSource& source);
