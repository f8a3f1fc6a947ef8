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

// n = root² · rest for n > 0. The rest is square-free whenever n is below
// 10^12, and for most larger n.
struct SquareSplit {
    Integer root;
    Integer rest;
};
SquareSplit SplitSquare(const Integer& n);

// √n when n ≥ 0 is the square of an integer.
std::optional<Integer> ExactIntegerRoot(const Integer& n);

}  // namespace exact
