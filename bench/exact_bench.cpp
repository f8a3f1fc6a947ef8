// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the exact numbers: the costliest square roots and one chain of
// formulas with givens of school size, written out.
#include <benchmark/benchmark.h>

#include "exact/surd.hpp"

namespace {

using exact::Surd;

Surd Decimal(const char* text) {
    return *Surd::FromDecimal(text);
}

// Numerator a 12-digit prime, so trial division runs through every prime
// below 10^4; the denominator 10009·10037·9·1000 needs the square test.
void BM_ExactSquareRootOfTwelveDigits(benchmark::State& state) {
    const Surd quotient = *exact::Divide(Decimal("999999999989"), Decimal("904142997000"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(exact::SquareRoot(quotient));
    }
}
BENCHMARK(BM_ExactSquareRootOfTwelveDigits);

// √(7 + 4√3) = 2 + √3
void BM_ExactDenest(benchmark::State& state) {
    const Surd nested =
        *exact::Add(Decimal("7"), *exact::Multiply(Decimal("4"), *exact::SquareRoot(3)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(exact::SquareRoot(nested));
    }
}
BENCHMARK(BM_ExactDenest);

// m, h, P and S of kind "a,b,c" from seven-digit givens, each written and
// turned into a double, as a worked solution needs them.
void BM_ExactChainWritten(benchmark::State& state) {
    for (auto _ : state) {
        const Surd a = Decimal("10.00001");
        const Surd b = Decimal("6.000002");
        const Surd c = Decimal("5.000003");
        const Surd m = *exact::Subtract(a, c);
        const auto h =
            exact::SquareRoot(*exact::Subtract(*exact::Multiply(b, b), *exact::Multiply(m, m)));
        const Surd perimeter = *exact::Add(*exact::Add(*exact::Add(a, c), b), *h);
        const Surd area = *exact::Divide(*exact::Multiply(*exact::Add(a, c), *h), Surd(2));
        for (const Surd* value : {&m, &*h, &perimeter, &area}) {
            benchmark::DoNotOptimize(exact::Write(*value, ","));
            benchmark::DoNotOptimize(value->ToDouble());
        }
    }
}
BENCHMARK(BM_ExactChainWritten);

}  // namespace
