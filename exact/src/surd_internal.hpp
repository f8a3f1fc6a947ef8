// SPDX-License-Identifier: GPL-3.0-or-later
// What the parts of the exact library share and the interface does not show.
#pragma once

#include <optional>

#include "exact/surd.hpp"

namespace exact {

struct SurdArithmetic {
    // x + y·√r; a zero y or an r of 1 gives a rational.
    static Surd Make(Rational rational, Rational coefficient, Integer radicand) {
        return Surd(std::move(rational), std::move(coefficient), std::move(radicand));
    }
};

// The numerator and the denominator of a rational, without a copy.
inline const Integer& NumeratorOf(const Rational& q) {
    return q.backend().data().numerator();
}
inline const Integer& DenominatorOf(const Rational& q) {
    return q.backend().data().denominator();
}

// Every integer below this is split into its square and square-free parts.
constexpr long long kCompletelySplitBelow = 1'000'000'000'000;

// n = root² · rest for n > 0. The rest is square-free whenever n is below
// kCompletelySplitBelow, and for most larger n; it is never a square above 1.
struct SquareSplit {
    Integer root;
    Integer rest;
};
SquareSplit SplitSquare(const Integer& n);

// √n when n ≥ 0 is the square of an integer.
std::optional<Integer> ExactIntegerRoot(const Integer& n);

}  // namespace exact
