// SPDX-License-Identifier: GPL-3.0-or-later
// The conditions that the givens of each kind must meet for a right trapezoid
// to exist, as Bulgarian sentences with the user's numbers.
#pragma once

#include <QString>

#include "trapezoid/solver.hpp"

// The values read from the six boxes, and how the user writes numbers.
struct GivenValues {
    double a, b, c, h, P, S;
    trapezoid::NumberSettings settings;
};

// Why a square root of the kind meets a negative number: a clause that
// follows "Няма правоъгълен трапец с тези размери: ". Empty for a kind
// whose roots cannot fail.
QString RootCondition(trapezoid::Kind kind, const GivenValues& given);

// Why a divisor of the kind is zero, as a clause like RootCondition's.
// Empty for a kind whose divisors cannot be zero.
QString DivisorCondition(trapezoid::Kind kind, const GivenValues& given);

// The sentence saying which condition on the givens makes `quantity`
// (QuantityIndex) come out not above 0, or, with `sign_dropped`, with the
// wrong sign. Empty where only numbers too small for a double lead there.
QString NotPositiveReason(trapezoid::Kind kind, int quantity, bool sign_dropped,
                          const GivenValues& given);
