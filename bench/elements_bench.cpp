// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of solving from any elements, worked text included: every solve,
// numeric ones too, must stay within 1 ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include "trapezoid/element_solution.hpp"

namespace {

using trapezoid::Element;
using trapezoid::ElementGiven;

const trapezoid::NumberSettings kCommaSettings{
    ",", "", {}, true, trapezoid::NegativeFormat::LeadingMinus};

std::vector<ElementGiven> Read(const std::vector<std::string>& arguments) {
    std::vector<ElementGiven> givens;
    for (const std::string& argument : arguments) {
        givens.push_back(*trapezoid::ReadElementArgument(argument, {}).given);
    }
    return givens;
}

std::string SolveAndWrite(const std::vector<ElementGiven>& givens) {
    return trapezoid::WriteElementSolution(trapezoid::SolveElements(givens, kCommaSettings),
                                           kCommaSettings);
}

// One triple of each way: a derivation, a quadratic, three numeric equations.
const std::vector<std::vector<std::string>> kTriples = {
    {"a=12", "c=8", "B=45"}, {"a=6", "P=18", "S=18"}, {"P=18", "AC=5", "BD=7.2111026"},
    {"b=5", "S=18", "AC=5"}, {"P=18", "S=18", "m=3"},
};

void BM_SolveElements(benchmark::State& state) {
    const auto& triple = kTriples[static_cast<std::size_t>(state.range(0))];
    const std::vector<ElementGiven> givens = Read(triple);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolveAndWrite(givens));
    }
    state.SetLabel(triple[0] + " " + triple[1] + " " + triple[2]);
}
BENCHMARK(BM_SolveElements)->DenseRange(0, static_cast<int>(kTriples.size()) - 1);

// The processor time of the program in microseconds: a solve measured by it
// does not count the time the machine gave to other programs.
double ProcessorMicroseconds() {
    return static_cast<double>(std::clock()) * 1e6 / CLOCKS_PER_SEC;
}

// Every independent triple of a trapezoid with digits in every place; the
// triple whose solve takes longest is reported as slowest_us: its quickest
// run in processor time, so that a run the machine interrupted does not count.
void BM_SolveElementsEveryTriple(benchmark::State& state) {
    const double a = 6.00001, c = 3.00003, h = 4.00004, m = a - c;
    const double b = std::sqrt(h * h + m * m);
    const std::array<double, trapezoid::kElementCount> values = {
        a,
        b,
        c,
        h,
        a + b + c + h,
        (a + c) * h / 2,
        m,
        std::sqrt(c * c + h * h),
        std::sqrt(a * a + h * h),
        (a + c) / 2,
        std::atan2(h, m) * 180 / 3.141592653589793};
    std::vector<std::vector<ElementGiven>> triples;
    for (int x = 0; x < trapezoid::kElementCount; ++x) {
        for (int y = x + 1; y < trapezoid::kElementCount; ++y) {
            for (int z = y + 1; z < trapezoid::kElementCount; ++z) {
                const std::array<Element, 3> triple = {
                    trapezoid::ElementAt(x), trapezoid::ElementAt(y), trapezoid::ElementAt(z)};
                if (trapezoid::ClassifyTriple(triple) != trapezoid::TripleWay::Dependent) {
                    triples.push_back({{triple[0], values[x], false},
                                       {triple[1], values[y], false},
                                       {triple[2], values[z], false}});
                }
            }
        }
    }
    std::vector<double> quickest(triples.size(), std::numeric_limits<double>::infinity());
    for (auto _ : state) {
        for (std::size_t i = 0; i < triples.size(); ++i) {
            const double start = ProcessorMicroseconds();
            benchmark::DoNotOptimize(SolveAndWrite(triples[i]));
            quickest[i] = std::min(quickest[i], ProcessorMicroseconds() - start);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(triples.size()));
    state.counters["slowest_us"] = *std::max_element(quickest.begin(), quickest.end());
    state.counters["triples"] = static_cast<double>(triples.size());
}
BENCHMARK(BM_SolveElementsEveryTriple);

}  // namespace
