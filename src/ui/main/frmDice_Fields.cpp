// How the die-type buttons and the editable fields behave while the user
// works with them.
#include "frmDice.h"

#include "Twips.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <dice/NumberText.h>
#include <dice/RollRequest.h>

namespace {

constexpr int Backspace = 8;
constexpr int Minus = 45;

bool isDigit(int keyAscii) { return keyAscii >= '0' && keyAscii <= '9'; }

// The count and the limits are whole numbers of 0 or more.
void digitFilter(int& keyAscii)
{
    if (!isDigit(keyAscii) && keyAscii != Backspace)
        keyAscii = 0;
}

// Modifiers may be negative; "+" is left out although the entries show it.
void signedFilter(int& keyAscii)
{
    if (!isDigit(keyAscii) && keyAscii != Minus && keyAscii != Backspace)
        keyAscii = 0;
}

void selectAll(QLineEdit* box)
{
    box->setSelection(0, static_cast<int>(box->text().size()));
}

} // namespace

void frmDice::txtNumDice_Click() { selectAll(txtNumDice); }
void frmDice::txtNumDice_GotFocus() { selectAll(txtNumDice); }
void frmDice::txtNumDice_KeyPress(int& keyAscii) { digitFilter(keyAscii); }
void frmDice::txtCustomDieLow_Click() { selectAll(txtCustomDieLow); }
void frmDice::txtCustomDieLow_GotFocus() { selectAll(txtCustomDieLow); }
void frmDice::txtCustomDieLow_KeyPress(int& keyAscii) { digitFilter(keyAscii); }
void frmDice::txtCustomDieHigh_Click() { selectAll(txtCustomDieHigh); }
void frmDice::txtCustomDieHigh_GotFocus() { selectAll(txtCustomDieHigh); }
void frmDice::txtCustomDieHigh_KeyPress(int& keyAscii) { digitFilter(keyAscii); }

void frmDice::clearResults()
{
    txtIndivRolls->clear();
    txtIndivRollsMulti->clear();
    txtModRolls->clear();
    txtModRollsMulti->clear();
    txtTotalResult->clear();
    cmdClear->setAccessibleDescription(QString()); // the roll it told of is gone
}

void frmDice::cmbRollModifier_Click() { clearResults(); }
void frmDice::cmbRollModifier_GotFocus() { clearResults(); }
void frmDice::cmbRollModifier_KeyPress(int& keyAscii) { signedFilter(keyAscii); }

void frmDice::cmbDieModifier_Click()
{
    clearResults();
    fraModified->setVisible(cmbDieModifier->currentIndex() != DieModifierZero);
}

void frmDice::cmbDieModifier_Change()
{
    const QByteArray text = cmbDieModifier->currentText().toUtf8();
    const double value = dice::LeadingNumber({text.constData(), static_cast<std::size_t>(text.size())});
    fraModified->setVisible(value != 0.0);
}

void frmDice::cmbDieModifier_GotFocus() { clearResults(); }
void frmDice::cmbDieModifier_KeyPress(int& keyAscii) { signedFilter(keyAscii); }

void frmDice::optDieType_Click(int index) { SelectDieType(index); }

void frmDice::SelectDieType(int dieType)
{
    if (dieType >= 0 && dieType < dice::kDieTypeCount)
        sides_ = dice::SidesOfDieType(dieType);

    if (dieType == dice::kCustomDieType) {
        fraCustom->show();
        Twips::setLeft(fraActual, ResultFramesLeftForCustom);
        Twips::setLeft(fraModified, ResultFramesLeftForCustom);
    }
    if (!optDieType[dice::kCustomDieType]->isChecked()) {
        fraCustom->hide();
        if (Twips::left(fraActual) != ResultFramesLeft) {
            Twips::setLeft(fraActual, ResultFramesLeft);
            Twips::setLeft(fraModified, ResultFramesLeft);
        }
    }
    if (sides_ == dice::kPercentileSides) {
        cmbRollModifier->setEnabled(false);
        selectEntry(cmbRollModifier, RollModifierZero);
        lblRollModifier->setEnabled(false);
    } else {
        cmbRollModifier->setEnabled(true);
        lblRollModifier->setEnabled(true);
    }
}
