// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// What a kind's branch reads and yields, and the check that its results
// describe a right trapezoid. Templates over the branches' value type.
#pragma once

#include <array>
#include <optional>

#include "trapezoid/shared/checked.hpp"
#include "trapezoid/solver.hpp"

namespace trapezoid::detail {

// The six quantities of a right trapezoid, in QuantityIndex order.
template <class V>
struct SixQuantities {
    V a, b, c, h, P, S;

    std::array<const V*, kQuantityCount> InOrder() const { return {&a, &b, &c, &h, &P, &S}; }
};

// A value whose sign the perimeter fixes while the formulas keep only the
// positive root: it must be above 0 (or, with zero_allowed, not below 0),
// else `quantity` makes the solve no trapezoid.
template <class V>
struct SignCheck {
    int quantity;
    V value;
    bool zero_allowed;
};

// The second trapezoid of kind "P,b,c", shown only in its report.
template <class V>
struct SecondSolution {
    V a, h, S;
};

template <class V>
struct BranchResult {
    SixQuantities<V> values;
    std::optional<SignCheck<V>> sign;
    std::optional<SecondSolution<V>> second;
};

// A kind's branch: from the values read from the six boxes (it uses only its
// own three givens) to the six working values.
template <class V>
using Branch = BranchResult<V> (*)(const SixQuantities<V>& read);

struct NotATrapezoid {
    int quantity;       // QuantityIndex
    bool sign_dropped;  // found by the sign check, not by the value itself
};

// The first of a, b, c, h, P, S that is not above 0 (zero and -0 included),
// else the failed sign check, else nothing.
template <class V>
std::optional<NotATrapezoid> FindNotATrapezoid(const BranchResult<V>& result) {
    const auto values = result.values.InOrder();
    for (int i = 0; i < kQuantityCount; ++i) {
        if (!(values[static_cast<std::size_t>(i)]->value() > 0.0)) {
            return NotATrapezoid{i, false};
        }
    }
    if (const auto& sign = result.sign) {
        const double value = sign->value.value();
        if (sign->zero_allowed ? !(value >= 0.0) : !(value > 0.0)) {
            return NotATrapezoid{sign->quantity, true};
        }
    }
    return std::nullopt;
}

// The value that FindNotATrapezoid found.
template <class V>
const V& FailedValue(const BranchResult<V>& result, const NotATrapezoid& failure) {
    if (failure.sign_dropped) {
        return result.sign->value;
    }
    return *result.values.InOrder()[static_cast<std::size_t>(failure.quantity)];
}

}  // namespace trapezoid::detail
