// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// Kinds with a given area: a + c = 2*S / h and h = 2*S / (a + c). S is never
// recomputed.
#pragma once

#include "trapezoid/shared/branch.hpp"

namespace trapezoid::detail {

// The closing steps shared by "S,a,c", "S,a,h" and "S,c,h": b from the
// right triangle HBC, then the perimeter.
template <class V>
BranchResult<V> CompleteFromLeg(const V& a, const V& c, const V& h, const V& m, const V& S) {
    const V b = Step<V>("b", Sqrt(m * m + h * h));
    const V P = Step<V>("P", ((a + c) + b) + h);
    return {{a, b, c, h, P, S}, {}, {}};
}

template <class V>
BranchResult<V> BranchSAC(const SixQuantities<V>& read) {
    const V a = read.a, c = read.c, S = read.S;
    const V m = Step<V>("m", a - c);
    const V h = Step<V>("h", (2 * S) / (a + c));
    return CompleteFromLeg(a, c, h, m, S);
}

template <class V>
BranchResult<V> BranchSAH(const SixQuantities<V>& read) {
    const V a = read.a, h = read.h, S = read.S;
    const V c = Step<V>("c", (2 * S) / h - a);
    const V m = Step<V>("m", a - c);
    return CompleteFromLeg(a, c, h, m, S);
}

template <class V>
BranchResult<V> BranchSBH(const SixQuantities<V>& read) {
    const V b = read.b, h = read.h, S = read.S;
    const V m = Step<V>("m", Sqrt(b * b - h * h));
    const V c = Step<V>("c", ((2 * S) / h - m) / 2);
    const V a = Step<V>("a", c + m);
    const V P = Step<V>("P", ((a + c) + b) + h);
    return {{a, b, c, h, P, S}, {}, {}};
}

template <class V>
BranchResult<V> BranchSCH(const SixQuantities<V>& read) {
    const V c = read.c, h = read.h, S = read.S;
    const V a = Step<V>("a", (2 * S) / h - c);
    const V m = Step<V>("m", a - c);
    return CompleteFromLeg(a, c, h, m, S);
}

// S, P, h: t = a + c, then b from the perimeter and m from b and h.
template <class V>
BranchResult<V> BranchSPH(const SixQuantities<V>& read) {
    const V h = read.h, P = read.P, S = read.S;
    const V t = Step<V>("t", (2 * S) / h);
    const V b = Step<V>("b", (P - h) - t);
    const V m = Step<V>("m", Sqrt(b * b - h * h));
    const V c = Step<V>("c", (t - m) / 2);
    const V a = Step<V>("a", t - c);
    return {{a, b, c, h, P, S}, {}, {}};
}

}  // namespace trapezoid::detail
