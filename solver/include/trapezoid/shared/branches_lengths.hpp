// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// Kinds whose givens are three of the lengths a, b, c, h. Each finds m = HB
// from m = a - c or b*b = h*h + m*m, then the missing length, P and S.
#pragma once

#include "trapezoid/shared/branch.hpp"

namespace trapezoid::detail {

template <class V>
BranchResult<V> BranchABC(const SixQuantities<V>& read) {
    const V a = read.a, b = read.b, c = read.c;
    const V m = Step<V>("m", a - c);
    const V h = Step<V>("h", Sqrt(b * b - m * m));
    const V P = Step<V>("P", ((a + c) + b) + h);
    const V S = Step<V>("S", ((a + c) * h) / 2);
    return {{a, b, c, h, P, S}, {}, {}};
}

template <class V>
BranchResult<V> BranchABH(const SixQuantities<V>& read) {
    const V a = read.a, b = read.b, h = read.h;
    const V m = Step<V>("m", Sqrt(b * b - h * h));
    const V c = Step<V>("c", a - m);
    const V P = Step<V>("P", ((a + c) + b) + h);
    const V S = Step<V>("S", ((a + c) * h) / 2);
    return {{a, b, c, h, P, S}, {}, {}};
}

template <class V>
BranchResult<V> BranchACH(const SixQuantities<V>& read) {
    const V a = read.a, c = read.c, h = read.h;
    const V m = Step<V>("m", a - c);
    const V b = Step<V>("b", Sqrt(m * m + h * h));
    const V P = Step<V>("P", ((a + c) + b) + h);
    const V S = Step<V>("S", ((a + c) * h) / 2);
    return {{a, b, c, h, P, S}, {}, {}};
}

template <class V>
BranchResult<V> BranchBCH(const SixQuantities<V>& read) {
    const V b = read.b, c = read.c, h = read.h;
    const V m = Step<V>("m", Sqrt(b * b - h * h));
    const V a = Step<V>("a", c + m);
    const V P = Step<V>("P", ((a + c) + h) + b);  // h before b in this kind
    const V S = Step<V>("S", ((a + c) * h) / 2);
    return {{a, b, c, h, P, S}, {}, {}};
}

}  // namespace trapezoid::detail
