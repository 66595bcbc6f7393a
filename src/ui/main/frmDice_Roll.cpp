// SPDX-License-Identifier: MIT
// The Roll Dice command and the display of its results.
#include <dice/RollEngine.h>
#include <dice/RollInput.h>
#include <forms/MessageBox.h>
#include <ui/main/ByteView.h>
#include <ui/main/RollAnnouncement.h>
#include <ui/main/frmDice.h>

#include "ui_frmDice.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

void frmDice::cmdRoll_Click()
{
    const QByteArray low = m_ui->txtCustomDieLow->text().toUtf8();
    const QByteArray high = m_ui->txtCustomDieHigh->text().toUtf8();
    const QByteArray rollModifier = m_ui->cmbRollModifier->currentText().toUtf8();
    const QByteArray dieModifier = m_ui->cmbDieModifier->currentText().toUtf8();
    const QByteArray numDice = m_ui->txtNumDice->text().toUtf8();

    Dice::RollInput input;
    input.Sides = m_sides;
    input.CustomSelected = optDieType[Dice::CustomDieType]->isChecked();
    input.CustomDieLowText = byteView(low);
    input.CustomDieHighText = byteView(high);
    input.RollModifierText = byteView(rollModifier);
    input.DieModifierText = byteView(dieModifier);
    input.NumDiceText = byteView(numDice);

    const Dice::RollValidation validation = Dice::ValidateRollInput(input);
    if (validation.LowerLimitWasEmpty)
        m_ui->txtCustomDieLow->setText(QStringLiteral("0"));

    if (!validation.ok()) {
        const Dice::RollInputError& error = validation.error();
        MessageBox::show(this, QCoreApplication::translate("RollInput", error.Message.c_str()),
                         MessageBox::Exclamation,
                         QCoreApplication::translate("RollInput", error.Title.c_str()));
        QWidget* field = nullptr;
        switch (error.Focus) {
        case Dice::RollField::CustomDieLow:
            field = m_ui->txtCustomDieLow;
            break;
        case Dice::RollField::CustomDieHigh:
            field = m_ui->txtCustomDieHigh;
            break;
        case Dice::RollField::RollModifier:
            field = m_ui->cmbRollModifier;
            break;
        case Dice::RollField::DieModifier:
            field = m_ui->cmbDieModifier;
            break;
        case Dice::RollField::None:
            break;
        }
        if (field)
            moveFocus(field);
        return;
    }
    ShowRollResult(Dice::RollDice(validation.request(), m_source));
}

namespace {
// Both boxes of a pair hold the same text; the one with a scroll bar shows
// when the text is long.
void showPair(QPlainTextEdit* plain, QPlainTextEdit* multi, bool isLong)
{
    if (isLong) {
        multi->show();
        plain->hide();
    } else {
        plain->show();
        multi->hide();
    }
}
} // namespace

void frmDice::ShowRollResult(const Dice::RollResult& result)
{
    const QString indiv = QString::fromStdString(result.IndivRollsText);
    const QString mod = QString::fromStdString(result.ModRollsText);
    m_ui->txtIndivRolls->setPlainText(indiv);
    m_ui->txtIndivRollsMulti->setPlainText(indiv);
    m_ui->txtModRolls->setPlainText(mod);
    m_ui->txtModRollsMulti->setPlainText(mod);
    showPair(m_ui->txtIndivRolls, m_ui->txtIndivRollsMulti, result.IndivRollsLong);
    showPair(m_ui->txtModRolls, m_ui->txtModRollsMulti, result.ModRollsLong);
    m_ui->txtTotalResult->setText(QString::fromStdString(result.TotalResultText));
    // A screen reader reads the outcome after the name of the control that
    // the focus moves to, without the user going to the boxes.
    m_ui->cmdClear->setAccessibleDescription(
        rollAnnouncement(result, !m_ui->fraModified->isHidden()));
    moveFocus(m_ui->cmdClear);
}
