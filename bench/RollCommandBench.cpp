// SPDX-License-Identifier: MIT
// The whole Roll Dice command in the real main window (offscreen): reading
// the fields, validation, 1000 dice and the display of the results.
#include <dice/RandomSource.h>
#include <ui/main/frmDice.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

void BM_RollCommand(benchmark::State& state)
{
    Dice::EntropySeededSource source(20240611);
    frmDice window(source);
    window.Form_Load();
    window.show();
    window.findChild<QRadioButton*>(QStringLiteral("optDieType_11"))->click();
    window.findChild<QLineEdit*>(QStringLiteral("txtCustomDieLow"))->setText(QStringLiteral("0"));
    window.findChild<QLineEdit*>(QStringLiteral("txtCustomDieHigh"))
        ->setText(QStringLiteral("1000"));
    window.findChild<QLineEdit*>(QStringLiteral("txtNumDice"))
        ->setText(QString::number(state.range(0)));
    window.findChild<QComboBox*>(QStringLiteral("cmbDieModifier"))
        ->setEditText(QStringLiteral("100"));
    window.findChild<QComboBox*>(QStringLiteral("cmbRollModifier"))
        ->setEditText(QStringLiteral("1000"));
    auto* shown = window.findChild<QPlainTextEdit*>(QStringLiteral("txtModRollsMulti"));

    for (auto _ : state) {
        window.cmdRoll_Click();
        // Lay out and paint what the roll changed, as the event loop would.
        QApplication::processEvents();
        benchmark::DoNotOptimize(shown->document()->characterCount());
    }
}

} // namespace

BENCHMARK(BM_RollCommand)->Arg(1000)->Unit(benchmark::kMicrosecond);
