// SPDX-License-Identifier: MIT
#include <dice/RandomSource.h>
#include <dice/RollEngine.h>

#include <benchmark/benchmark.h>

namespace {

// The costliest roll there is: every value four digits long, every modified
// value raised by the die modifier, and the largest roll modifier.
Dice::RollRequest SlowestRequest(std::int16_t numDice)
{
    Dice::RollRequest request;
    request.DieType = Dice::CustomDieType;
    request.Sides = Dice::CustomSides;
    request.NumDice = numDice;
    request.CustomDieLow = 0;
    request.CustomDieHigh = 1000;
    request.DieModifier = 100;
    request.RollModifier = 1000;
    return request;
}

void BM_RollDice(benchmark::State& state)
{
    const auto request = SlowestRequest(static_cast<std::int16_t>(state.range(0)));
    Dice::EntropySeededSource source(20240611);
    for (auto _ : state) {
        auto result = Dice::RollDice(request, source);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_RollDice)->Arg(1)->Arg(100)->Arg(1000);

BENCHMARK_MAIN();
