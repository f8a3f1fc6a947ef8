// SPDX-License-Identifier: GPL-3.0-or-later
#include "surd_internal.hpp"

namespace exact {
namespace {

// √q for q ≥ 0: √(a²s / (b²t)) = a·√(s·t) / (b·t). With q reduced, s and t
// share no prime, so s·t is square-free when s and t are.
Surd RootOfRational(const Rational& q) {
    if (q.is_zero()) {
        return Surd();
    }
    const SquareSplit top = SplitSquare(NumeratorOf(q));
    const SquareSplit bottom = SplitSquare(DenominatorOf(q));
    return SurdArithmetic::Make(0, Rational(top.root) / (bottom.root * bottom.rest),
                                top.rest * bottom.rest);
}

// √q when q is the square of a rational.
std::optional<Rational> RationalRoot(const Rational& q) {
    const auto top = ExactIntegerRoot(NumeratorOf(q));
    const auto bottom = top ? ExactIntegerRoot(DenominatorOf(q)) : std::nullopt;
    if (!bottom) {
        return std::nullopt;
    }
    return Rational(*top) / *bottom;
}

// √(x + y√r) = √u + sgn(y)·√v with s² = x² − y²r, u = (x + s)/2, v = (x − s)/2,
// as (√u ± √v)² = u + v ± 2√(uv) = x ± |y|√r. Since u·v = y²r/4, one of them
// being a rational square puts the other into √r; otherwise there are two
// different roots.
std::optional<Surd> Denest(const Rational& x, const Rational& y, const Integer& r) {
    if (x.sign() <= 0) {
        return std::nullopt;  // then x² < y²r for a positive value: no s
    }
    const auto s = RationalRoot(x * x - y * y * Rational(r));
    if (!s) {
        return std::nullopt;
    }
    const Rational u = (x + *s) / 2;
    const Rational v = (x - *s) / 2;  // > 0, as s < x when y ≠ 0
    const int sign = y.sign();
    if (const auto root_of_u = RationalRoot(u)) {
        return SurdArithmetic::Make(*root_of_u, y / (2 * *root_of_u), r);
    }
    if (const auto root_of_v = RationalRoot(v)) {
        return SurdArithmetic::Make(sign * *root_of_v, abs(y) / (2 * *root_of_v), r);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Surd> SquareRoot(const Surd& x) {
    if (x.Sign() < 0) {
        return std::nullopt;
    }
    if (x.IsRational()) {
        return RootOfRational(x.RationalPart());
    }
    return Denest(x.RationalPart(), x.RootCoefficient(), x.Radicand());
}

}  // namespace exact
