// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// One-solution kinds with a given perimeter. Each works through the right
// triangle HBC (legs h and m = a - c, hypotenuse b). P is never recomputed.
#pragma once

#include "trapezoid/shared/branch.hpp"

namespace trapezoid::detail {

// P, a, b: d = h - m and q = h*m give m as the larger root of
// m*m + d*m - q = 0. The height the perimeter leaves is d + m; the root of
// h*h = b*b - m*m drops its sign.
template <class V>
BranchResult<V> BranchPAB(const SixQuantities<V>& read) {
    const V a = read.a, b = read.b, P = read.P;
    const V d = Step<V>("d", (P - 2 * a) - b);
    const V q = Step<V>("q", (b * b - d * d) / 2);
    const V m = Step<V>("m", (-d + Sqrt(d * d + 4 * q)) / 2);
    const V h = Step<V>("h", SqrtOfNonNegative(b * b - m * m));  // |m| <= b
    const V c = Step<V>("c", a - m);
    const V S = Step<V>("S", ((a + c) * h) / 2);
    const V height_left = Step<V>("h′", d + m);
    return {{a, b, c, h, P, S}, SignCheck<V>{QuantityIndex::H, height_left, false}, {}};
}

// P, a, c: u = b + h, and (b + h)(b - h) = m*m gives b - h. The height the
// perimeter leaves is u - b.
template <class V>
BranchResult<V> BranchPAC(const SixQuantities<V>& read) {
    const V a = read.a, c = read.c, P = read.P;
    const V m = Step<V>("m", a - c);
    const V u = Step<V>("u", (P - a) - c);
    const V b = Step<V>("b", (u + ((a - c) * (a - c)) / u) / 2);
    const V h = Step<V>("h", SqrtOfNonNegative(b * b - m * m));  // a square in exact arithmetic
    const V S = Step<V>("S", ((a + c) * h) / 2);
    const V height_left = Step<V>("h′", u - b);
    return {{a, b, c, h, P, S}, SignCheck<V>{QuantityIndex::H, height_left, false}, {}};
}

// P, a, h: d = b - m, and (b - m)(b + m) = h*h gives b + m. The perimeter
// leaves m = b - d; below 0, c would be longer than a.
template <class V>
BranchResult<V> BranchPAH(const SixQuantities<V>& read) {
    const V a = read.a, h = read.h, P = read.P;
    const V d = Step<V>("d", (P - 2 * a) - h);
    const V b = Step<V>("b", (d + (h * h) / d) / 2);
    const V m = Step<V>("m", SqrtOfNonNegative(b * b - h * h));  // a square in exact arithmetic
    const V c = Step<V>("c", a - m);
    const V S = Step<V>("S", ((a + c) * h) / 2);
    const V projection_left = Step<V>("m′", b - d);
    return {{a, b, c, h, P, S}, SignCheck<V>{QuantityIndex::C, projection_left, true}, {}};
}

// P, b, h: m follows from b and h directly.
template <class V>
BranchResult<V> BranchPBH(const SixQuantities<V>& read) {
    const V b = read.b, h = read.h, P = read.P;
    const V m = Step<V>("m", Sqrt(b * b - h * h));
    const V c = Step<V>("c", (((P - b) - h) - m) / 2);
    const V a = Step<V>("a", c + m);
    const V S = Step<V>("S", ((a + c) * h) / 2);
    return {{a, b, c, h, P, S}, {}, {}};
}

// P, c, h: u = b + m, and (b + m)(b - m) = h*h gives b - m.
template <class V>
BranchResult<V> BranchPCH(const SixQuantities<V>& read) {
    const V c = read.c, h = read.h, P = read.P;
    const V u = Step<V>("u", (P - 2 * c) - h);
    const V b = Step<V>("b", (u + (h * h) / u) / 2);
    const V a = Step<V>("a", ((P - c) - b) - h);
    const V S = Step<V>("S", ((a + c) * h) / 2);
    return {{a, b, c, h, P, S}, {}, {}};
}

}  // namespace trapezoid::detail
