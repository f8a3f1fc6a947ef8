// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the solve command, of describing its steps, of the worked
// solution, and of the number rules alone.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "trapezoid/element_solution.hpp"
#include "trapezoid/solver.hpp"
#include "trapezoid/steps.hpp"
#include "trapezoid/worked_solution.hpp"

namespace {

using trapezoid::kKinds;

// The help text's trapezoid a = 6, b = 5, c = 3, h = 4, P = 18, S = 18 with
// digits in every place, as a user would type them.
const std::array<std::string, trapezoid::kQuantityCount> kTypedTrapezoid = {
    "6.00001", "5.00002", "3.00003", "4.00004", "18.0001", "18.0002"};

// The help text's trapezoid as a pupil types it.
const std::array<std::string, trapezoid::kQuantityCount> kSchoolTrapezoid = {"6", "5",  "3",
                                                                             "4", "18", "18"};

const trapezoid::NumberSettings kGroupedSettings{
    ".", ",", {3}, true, trapezoid::NegativeFormat::LeadingMinus};

// Runs `command` on the kind of the benchmark's argument, its three givens
// ticked and typed and the other boxes empty, as the window calls it.
template <class Command>
void RunOnKind(benchmark::State& state, Command command,
               const std::array<std::string, trapezoid::kQuantityCount>& typed = kTypedTrapezoid) {
    const int kind = static_cast<int>(state.range(0));
    std::array<bool, trapezoid::kQuantityCount> given{};
    std::array<std::string, trapezoid::kQuantityCount> texts;
    for (const int g : kKinds[static_cast<std::size_t>(kind)].givens) {
        given[static_cast<std::size_t>(g)] = true;
        texts[static_cast<std::size_t>(g)] = typed[static_cast<std::size_t>(g)];
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(command(kind, given, texts, kGroupedSettings));
    }
    state.SetLabel(std::string(kKinds[static_cast<std::size_t>(kind)].list_text));
}

void BM_Solve(benchmark::State& state) {
    RunOnKind(state, trapezoid::Solve);
}
BENCHMARK(BM_Solve)->DenseRange(0, trapezoid::kKindCount - 1);

// The steps, which the window asks for only where it shows them.
void BM_DescribeSolve(benchmark::State& state) {
    RunOnKind(state, trapezoid::DescribeSolve);
}
BENCHMARK(BM_DescribeSolve)->DenseRange(0, trapezoid::kKindCount - 1);

// The worked solution with its exact values, for givens of school size: seven
// significant digits, and small whole numbers.
trapezoid::WorkedSolution BuildWorked(int kind, const std::array<bool, 6>& given,
                                      const std::array<std::string, 6>& texts,
                                      const trapezoid::NumberSettings& settings) {
    return trapezoid::BuildWorkedSolution(kind, given, texts, settings);
}

void BM_BuildWorkedSolution(benchmark::State& state) {
    RunOnKind(state, BuildWorked);
}
BENCHMARK(BM_BuildWorkedSolution)->DenseRange(0, trapezoid::kKindCount - 1);

void BM_BuildWorkedSolutionWholeNumbers(benchmark::State& state) {
    RunOnKind(state, BuildWorked, kSchoolTrapezoid);
}
BENCHMARK(BM_BuildWorkedSolutionWholeNumbers)->DenseRange(0, trapezoid::kKindCount - 1);

void BM_ParseQuantityText(benchmark::State& state) {
    const std::array<std::string, 4> texts = {"4.4721360", "1,234.5000000", "6cm", "&HFFFF"};
    for (auto _ : state) {
        for (const std::string& text : texts) {
            benchmark::DoNotOptimize(trapezoid::ParseQuantityText(text, kGroupedSettings));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(texts.size()));
}
BENCHMARK(BM_ParseQuantityText);

void BM_FormatQuantityText(benchmark::State& state) {
    double value = 1234.56789012345;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trapezoid::FormatQuantityText(value, kGroupedSettings));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FormatQuantityText);

void BM_FormatReportNumber(benchmark::State& state) {
    double value = 3.1291713066130296;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trapezoid::FormatReportNumber(value, kGroupedSettings));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FormatReportNumber);

}  // namespace

BENCHMARK_MAIN();
