// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of reading and solving the givens of a textbook problem, exact
// values included, and of writing the worked solution with its figures
// through the engine: every example must stay within 5 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "trapezoid/condition_solution.hpp"
#include "trapezoid/conditions/solve.hpp"

namespace {

using trapezoid::conditions::GivenSolution;

// The examples: AC ⊥ BC, an inscribed circle, BD bisecting ∠B, AC ⊥ BD, a
// shape only, an exact value, an angle function, and two trapezoids.
const std::vector<std::vector<std::string>> kExamples = {
    {"a=10", "B=60", "ACB=90"}, {"P=40", "b=12", "a+c=b+h"}, {"a=12", "h=6", "∠ABD=∠DBC"},
    {"a=9", "c=4", "AC⊥BD"},    {"a:c=3:1", "h=c"},          {"a=7", "c=4", "h=√3"},
    {"c=3", "h=4", "tgB=4/3"},  {"P=24", "b=8", "c=3"},      {"a=10.3", "AO=4.1", "tg∠CAB=0.7"},
};

trapezoid::NumberSettings CommaSettings() {
    trapezoid::NumberSettings settings;
    settings.decimal_separator = ",";
    return settings;
}

GivenSolution ReadAndSolve(const std::vector<std::string>& texts) {
    std::vector<trapezoid::conditions::Given> givens;
    for (const std::string& text : texts) {
        givens.push_back(*trapezoid::conditions::ReadGiven(text).given);
    }
    return trapezoid::conditions::SolveGivens(givens, CommaSettings());
}

void BM_SolveConditions(benchmark::State& state) {
    const auto& example = kExamples[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadAndSolve(example));
    }
    std::string label;
    for (const std::string& text : example) {
        label += text + " ";
    }
    state.SetLabel(label);
}
BENCHMARK(BM_SolveConditions)
    ->DenseRange(0, static_cast<int>(kExamples.size()) - 1)
    ->Unit(benchmark::kMillisecond);

// Read, solved and written: the text a pupil reads and one figure per trapezoid.
void BM_SolveAndWriteConditions(benchmark::State& state) {
    const auto& example = kExamples[static_cast<std::size_t>(state.range(0))];
    const std::vector<std::string> texts(example.begin(), example.end());
    for (auto _ : state) {
        const trapezoid::ConditionTexts read = trapezoid::ReadConditionTexts(texts);
        benchmark::DoNotOptimize(trapezoid::SolveConditions(read.givens, CommaSettings()));
    }
}
BENCHMARK(BM_SolveAndWriteConditions)
    ->DenseRange(0, static_cast<int>(kExamples.size()) - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
