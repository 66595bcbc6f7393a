// SPDX-License-Identifier: MIT
// How the die-type buttons and the editable fields behave while the user
// works with them.
#include <dice/NumberText.h>
#include <dice/RollRequest.h>
#include <forms/Twips.h>
#include <ui/main/ByteView.h>
#include <ui/main/frmDice.h>

#include "ui_frmDice.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

constexpr int Backspace = 8;
constexpr int Minus = 45;

bool isDigit(int keyAscii)
{
    return keyAscii >= '0' && keyAscii <= '9';
}

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

void frmDice::txtNumDice_Click()
{
    selectAll(m_ui->txtNumDice);
}
void frmDice::txtNumDice_GotFocus()
{
    selectAll(m_ui->txtNumDice);
}
void frmDice::txtNumDice_KeyPress(int& keyAscii)
{
    digitFilter(keyAscii);
}
void frmDice::txtCustomDieLow_Click()
{
    selectAll(m_ui->txtCustomDieLow);
}
void frmDice::txtCustomDieLow_GotFocus()
{
    selectAll(m_ui->txtCustomDieLow);
}
void frmDice::txtCustomDieLow_KeyPress(int& keyAscii)
{
    digitFilter(keyAscii);
}
void frmDice::txtCustomDieHigh_Click()
{
    selectAll(m_ui->txtCustomDieHigh);
}
void frmDice::txtCustomDieHigh_GotFocus()
{
    selectAll(m_ui->txtCustomDieHigh);
}
void frmDice::txtCustomDieHigh_KeyPress(int& keyAscii)
{
    digitFilter(keyAscii);
}

void frmDice::clearResults()
{
    m_ui->txtIndivRolls->clear();
    m_ui->txtIndivRollsMulti->clear();
    m_ui->txtModRolls->clear();
    m_ui->txtModRollsMulti->clear();
    m_ui->txtTotalResult->clear();
    m_ui->cmdClear->setAccessibleDescription(QString()); // the roll it told of is gone
}

void frmDice::cmbRollModifier_Click()
{
    clearResults();
}
void frmDice::cmbRollModifier_GotFocus()
{
    clearResults();
}
void frmDice::cmbRollModifier_KeyPress(int& keyAscii)
{
    signedFilter(keyAscii);
}

void frmDice::cmbDieModifier_Click()
{
    clearResults();
    m_ui->fraModified->setVisible(m_ui->cmbDieModifier->currentIndex() != DieModifierZero);
}

void frmDice::cmbDieModifier_Change()
{
    const QByteArray text = m_ui->cmbDieModifier->currentText().toUtf8();
    const double value = Dice::LeadingNumber(byteView(text));
    m_ui->fraModified->setVisible(value != 0.0);
}

void frmDice::cmbDieModifier_GotFocus()
{
    clearResults();
}
void frmDice::cmbDieModifier_KeyPress(int& keyAscii)
{
    signedFilter(keyAscii);
}

void frmDice::optDieType_Click(int index)
{
    SelectDieType(index);
}

void frmDice::SelectDieType(int dieType)
{
    if (dieType >= 0 && dieType < Dice::DieTypeCount)
        m_sides = Dice::sidesOfDieType(dieType);

    if (dieType == Dice::CustomDieType) {
        m_ui->fraCustom->show();
        Twips::setLeft(m_ui->fraActual, ResultFramesLeftForCustom);
        Twips::setLeft(m_ui->fraModified, ResultFramesLeftForCustom);
    }
    if (!optDieType[Dice::CustomDieType]->isChecked()) {
        m_ui->fraCustom->hide();
        if (Twips::left(m_ui->fraActual) != ResultFramesLeft) {
            Twips::setLeft(m_ui->fraActual, ResultFramesLeft);
            Twips::setLeft(m_ui->fraModified, ResultFramesLeft);
        }
    }
    if (m_sides == Dice::PercentileSides) {
        m_ui->cmbRollModifier->setEnabled(false);
        selectEntry(m_ui->cmbRollModifier, RollModifierZero);
        m_ui->lblRollModifier->setEnabled(false);
    } else {
        m_ui->cmbRollModifier->setEnabled(true);
        m_ui->lblRollModifier->setEnabled(true);
    }
}
