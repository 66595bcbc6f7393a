// The Roll Dice command and the display of its results.
#include "frmDice.h"

#include "MessageBox.h"
#include "RollAnnouncement.h"

#include <QPlainTextEdit>

#include <dice/RollEngine.h>
#include <dice/RollInput.h>

void frmDice::cmdRoll_Click()
{
    const QByteArray low = txtCustomDieLow->text().toUtf8();
    const QByteArray high = txtCustomDieHigh->text().toUtf8();
    const QByteArray rollModifier = cmbRollModifier->currentText().toUtf8();
    const QByteArray dieModifier = cmbDieModifier->currentText().toUtf8();
    const QByteArray numDice = txtNumDice->text().toUtf8();

    dice::RollInput input;
    input.Sides = sides_;
    input.CustomSelected = optDieType[dice::kCustomDieType]->isChecked();
    input.CustomDieLowText = {low.constData(), static_cast<std::size_t>(low.size())};
    input.CustomDieHighText = {high.constData(), static_cast<std::size_t>(high.size())};
    input.RollModifierText = {rollModifier.constData(), static_cast<std::size_t>(rollModifier.size())};
    input.DieModifierText = {dieModifier.constData(), static_cast<std::size_t>(dieModifier.size())};
    input.NumDiceText = {numDice.constData(), static_cast<std::size_t>(numDice.size())};

    const dice::RollValidation validation = dice::ValidateRollInput(input);
    if (validation.LowerLimitWasEmpty)
        txtCustomDieLow->setText(QStringLiteral("0"));

    if (!validation.ok()) {
        const dice::RollInputError& error = validation.error();
        MessageBox::show(this, QString::fromStdString(error.Message), MessageBox::Exclamation,
                         QString::fromStdString(error.Title));
        QWidget* field = nullptr;
        switch (error.Focus) {
        case dice::RollField::CustomDieLow:
            field = txtCustomDieLow;
            break;
        case dice::RollField::CustomDieHigh:
            field = txtCustomDieHigh;
            break;
        case dice::RollField::RollModifier:
            field = cmbRollModifier;
            break;
        case dice::RollField::DieModifier:
            field = cmbDieModifier;
            break;
        case dice::RollField::None:
            break;
        }
        if (field)
            moveFocus(field);
        return;
    }
    ShowRollResult(dice::RollDice(validation.request(), source_));
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

void frmDice::ShowRollResult(const dice::RollResult& result)
{
    const QString indiv = QString::fromStdString(result.IndivRollsText);
    const QString mod = QString::fromStdString(result.ModRollsText);
    txtIndivRolls->setPlainText(indiv);
    txtIndivRollsMulti->setPlainText(indiv);
    txtModRolls->setPlainText(mod);
    txtModRollsMulti->setPlainText(mod);
    showPair(txtIndivRolls, txtIndivRollsMulti, result.IndivRollsLong);
    showPair(txtModRolls, txtModRollsMulti, result.ModRollsLong);
    txtTotalResult->setText(QString::fromStdString(result.TotalResultText));
    // A screen reader reads the outcome after the name of the control that
    // the focus moves to, without the user going to the boxes.
    cmdClear->setAccessibleDescription(RollAnnouncement(result, !fraModified->isHidden()));
    moveFocus(cmdClear);
}
