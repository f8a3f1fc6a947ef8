// SPDX-License-Identifier: GPL-3.0-or-later
// The conditions that the givens of each kind must meet for a right trapezoid
// to exist, as Bulgarian sentences (UTF-8) with the user's numbers.
#pragma once

#include <string>

#include "trapezoid/solver.hpp"

namespace trapezoid {

// The values read from the six boxes, and how the user writes numbers.
struct GivenValues {
    double a, b, c, h, P, S;
    NumberSettings settings;
};

// Why a square root of the kind meets a negative number: a clause that
// follows "Няма правоъгълен трапец с тези размери: ". Empty for a kind
// whose roots cannot fail.
std::string RootCondition(Kind kind, const GivenValues& given);

// Why a divisor of the kind is zero, as a clause like RootCondition's.
// Empty for a kind whose divisors cannot be zero.
std::string DivisorCondition(Kind kind, const GivenValues& given);

// The sentence saying which condition on the givens makes `quantity`
// (QuantityIndex) come out not above 0, or, with `sign_dropped`, with the
// wrong sign. Empty where only numbers too small for a double lead there.
std::string NotPositiveReason(Kind kind, int quantity, bool sign_dropped, const GivenValues& given);

}  // namespace trapezoid
