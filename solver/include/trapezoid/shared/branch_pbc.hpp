// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// Kind "P,b,c". x = h + m and h*h + m*m = b*b make h and m the two roots of
// t*t - x*t + (x*x - b*b) / 2 = 0; either root can be the height, so the
// same givens fit two trapezoids. The first takes the smaller root as m.
#pragma once

#include "trapezoid/shared/branch.hpp"

namespace trapezoid::detail {

template <class V>
BranchResult<V> BranchPBC(const SixQuantities<V>& read) {
    const V b = read.b, c = read.c, P = read.P;
    const V x = Step<V>("x", (P - b) - 2 * c);
    const V r = Step<V>("r", Sqrt(x * x - 2 * (x * x - b * b)));
    const V m1 = Step<V>("m", (x - r) / 2);
    const V a = Step<V>("a", c + m1);
    const V h = Step<V>("h", ((P - a) - b) - c);
    const V S = Step<V>("S", ((a + c) * h) / 2);

    // The second trapezoid, for the report only. r formed again from x and b
    // would be the same double.
    const V m2 = SecondStep<V>("m", (x + r) / 2);
    const V a2 = SecondStep<V>("a", c + m2);
    const V h2 = SecondStep<V>("h", ((P - 2 * c) - b) - m2);
    const V S2 = SecondStep<V>("S", ((2 * c + m2) * h2) / 2);

    return {{a, b, c, h, P, S}, {}, SecondSolution<V>{a2, h2, S2}};
}

}  // namespace trapezoid::detail
