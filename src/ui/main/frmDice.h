// SPDX-License-Identifier: MIT
#pragma once

#include <dice/RollRequest.h>

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>

class FormEvents;
class OptionGroup;
class QComboBox;
class QRadioButton;

namespace HelpViewer {
enum Command : int;
} // namespace HelpViewer
namespace Dice {
class RandomSource;
struct RollResult;
} // namespace Dice
namespace Ui {
class frmDice;
} // namespace Ui

// The main window: every setting of a roll, its results and the commands.
class frmDice : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmDice(Dice::RandomSource& source, QWidget* parent = nullptr);
    ~frmDice() override;

    std::int16_t Sides() const { return m_sides; }

    // Shown by the Help commands when the program has no help file.
    static const QString HelpMissingText;

    // Load, start state and reset
    void Form_Load();
    void cmdClear_Click();

    // Rolling
    void cmdRoll_Click();
    void ShowRollResult(const Dice::RollResult& result);

    // Die type
    void optDieType_Click(int index);
    void SelectDieType(int dieType);

    // Fields
    void txtNumDice_Click();
    void txtNumDice_GotFocus();
    void txtNumDice_KeyPress(int& keyAscii);
    void txtCustomDieLow_Click();
    void txtCustomDieLow_GotFocus();
    void txtCustomDieLow_KeyPress(int& keyAscii);
    void txtCustomDieHigh_Click();
    void txtCustomDieHigh_GotFocus();
    void txtCustomDieHigh_KeyPress(int& keyAscii);
    void cmbRollModifier_Click();
    void cmbRollModifier_GotFocus();
    void cmbRollModifier_KeyPress(int& keyAscii);
    void cmbDieModifier_Change();
    void cmbDieModifier_Click();
    void cmbDieModifier_GotFocus();
    void cmbDieModifier_KeyPress(int& keyAscii);

    // Commands
    void cmdAbout_Click();
    void cmdExit_Click();
    void mnuActionRollDice_Click();
    void mnuActionClearResults_Click();
    void mnuActionExit_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();

private:
    // Entries showing "0", and the result frames' left edge beside and
    // behind the Custom frame, in twips.
    static constexpr int RollModifierZero = 15;
    static constexpr int DieModifierZero = 10;
    static constexpr int ResultFramesLeft = 1920;
    static constexpr int ResultFramesLeftForCustom = 3420;

    void bindEvents();
    void applyFonts();
    // Selecting an entry from code is a choice: the list's Click handler runs
    // at once, also for the entry already selected.
    void selectEntry(QComboBox* list, int index);
    void clearResults();
    void centreOnScreen();
    void moveFocus(QWidget* control);
    void showHelp(HelpViewer::Command command);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::frmDice> m_ui;
    Dice::RandomSource& m_source;
    FormEvents* m_events;
    OptionGroup* m_dieTypes;
    std::array<QRadioButton*, Dice::DieTypeCount> optDieType{};
    std::int16_t m_sides = 0;
    bool m_shownBefore = false;
};

// The program's one reference to its main window, empty until it is created.
namespace LoadedWindows {
inline QPointer<frmDice> dice;
} // namespace LoadedWindows
