// SPDX-License-Identifier: GPL-3.0-or-later
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cmath>

#include "surd_internal.hpp"

namespace exact {

Surd::Surd(Rational rational) : rational_(std::move(rational)) {}

Surd::Surd(Rational rational, Rational coefficient, Integer radicand)
    : rational_(std::move(rational)), coefficient_(std::move(coefficient)) {
    if (radicand == 1) {
        rational_ += coefficient_;
        coefficient_ = 0;
    } else if (!coefficient_.is_zero()) {
        radicand_ = std::move(radicand);
    }
}

bool Surd::IsInteger() const {
    return IsRational() && DenominatorOf(rational_) == 1;
}

int Surd::Sign() const {
    const int rational_sign = rational_.sign();
    const int root_sign = coefficient_.sign();
    if (rational_sign == 0 || rational_sign == root_sign) {
        return root_sign;
    }
    if (root_sign == 0) {
        return rational_sign;
    }
    // Opposite signs: the larger square wins; they never tie, r being no square.
    // With x = p/q and y = s/t, x² > y²r exactly when (pt)² > (sq)²r.
    const Integer pt = NumeratorOf(rational_) * DenominatorOf(coefficient_);
    const Integer sq = NumeratorOf(coefficient_) * DenominatorOf(rational_);
    return pt * pt > sq * sq * radicand_ ? rational_sign : root_sign;
}

namespace {

// q as a double when its numerator and denominator are exact doubles: then
// one division rounds once.
std::optional<double> ShortRatio(const Rational& q) {
    constexpr long long kExactLimit = 1LL << 53;
    const Integer& top = NumeratorOf(q);
    const Integer& bottom = DenominatorOf(q);
    if (top <= -kExactLimit || top >= kExactLimit || bottom >= kExactLimit) {
        return std::nullopt;
    }
    return static_cast<double>(top.convert_to<long long>()) /
           static_cast<double>(bottom.convert_to<long long>());
}

}  // namespace

double Surd::ToDouble() const {
    if (IsRational()) {
        return rational_.convert_to<double>();  // correctly rounded
    }
    const bool same_signs = rational_.sign() * coefficient_.sign() >= 0;
    // x + y√r = (x² − y²r) / (x − y√r) where the signs differ: no digits cancel.
    const Rational norm =
        same_signs
            ? Rational(0)
            : Rational(rational_ * rational_ - coefficient_ * coefficient_ * Rational(radicand_));
    const auto x = ShortRatio(rational_);
    const auto y = ShortRatio(coefficient_);
    const auto root = ShortRatio(radicand_);
    if (x && y && root) {  // a few roundings of a double each: a few ulps
        const double root_term = *y * std::sqrt(*root);
        return same_signs ? *x + root_term : norm.convert_to<double>() / (*x - root_term);
    }
    using Float = boost::multiprecision::cpp_bin_float_50;
    const auto to_float = [](const Rational& q) -> Float {
        return Float(numerator(q)) / Float(denominator(q));
    };
    const Float root_term = to_float(coefficient_) * sqrt(Float(radicand_));
    const Float value = same_signs ? Float(to_float(rational_) + root_term)
                                   : Float(to_float(norm) / (to_float(rational_) - root_term));
    return value.convert_to<double>();
}

namespace {

// The one root two values can share, if any.
const Integer* SharedRadicand(const Surd& x, const Surd& y) {
    if (x.IsRational()) {
        return &y.Radicand();
    }
    if (y.IsRational() || x.Radicand() == y.Radicand()) {
        return &x.Radicand();
    }
    return nullptr;
}

// x·k for a rational k.
Surd Scale(const Surd& x, const Rational& k) {
    if (x.IsRational()) {
        return Surd(x.RationalPart() * k);
    }
    return SurdArithmetic::Make(x.RationalPart() * k, x.RootCoefficient() * k, x.Radicand());
}

// c·√r·√t = c·g·√(r/g · t/g) with g = gcd(r, t); square-free r and t leave a
// square-free product. A root too large to have been split completely may
// still hold a square, so such a product is split again.
Surd RootTermProduct(const Rational& coefficient, const Integer& r, const Integer& t) {
    const Integer common = gcd(r, t);
    const Integer product = (r / common) * (t / common);
    if (r < kCompletelySplitBelow && t < kCompletelySplitBelow) {
        return SurdArithmetic::Make(0, coefficient * common, product);
    }
    SquareSplit split = SplitSquare(product);
    return SurdArithmetic::Make(0, coefficient * common * split.root, std::move(split.rest));
}

}  // namespace

// Sum or difference, part by part; rationals skip the empty root parts.
template <typename Operation>
std::optional<Surd> Combine(const Surd& x, const Surd& y, Operation operation) {
    if (x.IsRational() && y.IsRational()) {
        return Surd(operation(x.RationalPart(), y.RationalPart()));
    }
    const Integer* radicand = SharedRadicand(x, y);
    if (radicand == nullptr) {
        return std::nullopt;
    }
    return SurdArithmetic::Make(operation(x.RationalPart(), y.RationalPart()),
                                operation(x.RootCoefficient(), y.RootCoefficient()), *radicand);
}

std::optional<Surd> Add(const Surd& x, const Surd& y) {
    return Combine(x, y, [](const Rational& a, const Rational& b) -> Rational { return a + b; });
}

std::optional<Surd> Subtract(const Surd& x, const Surd& y) {
    return Combine(x, y, [](const Rational& a, const Rational& b) -> Rational { return a - b; });
}

std::optional<Surd> Multiply(const Surd& x, const Surd& y) {
    if (y.IsRational()) {
        return Scale(x, y.RationalPart());
    }
    if (x.IsRational()) {
        return Scale(y, x.RationalPart());
    }
    if (x.RationalPart().is_zero() && y.RationalPart().is_zero()) {
        return RootTermProduct(x.RootCoefficient() * y.RootCoefficient(), x.Radicand(),
                               y.Radicand());
    }
    if (x.Radicand() != y.Radicand()) {
        return std::nullopt;
    }
    // (a + b√r)(c + d√r) = ac + bd·r + (ad + bc)√r, over the common
    // denominator of the four parts and reduced once: with a = A/α, b = B/β,
    // c = C/γ, d = D/δ that is ((ACβδ + BDrαγ) + (ADβγ + BCαδ)√r) / αβγδ.
    const Integer& A = NumeratorOf(x.RationalPart());
    const Integer& alpha = DenominatorOf(x.RationalPart());
    const Integer& B = NumeratorOf(x.RootCoefficient());
    const Integer& beta = DenominatorOf(x.RootCoefficient());
    const Integer& C = NumeratorOf(y.RationalPart());
    const Integer& gamma = DenominatorOf(y.RationalPart());
    const Integer& D = NumeratorOf(y.RootCoefficient());
    const Integer& delta = DenominatorOf(y.RootCoefficient());
    const Integer alpha_gamma = alpha * gamma;
    const Integer beta_delta = beta * delta;
    const Integer alpha_delta = alpha * delta;
    const Integer beta_gamma = beta * gamma;
    const Integer common = alpha_gamma * beta_delta;
    const Integer rational_top = A * C * beta_delta + B * D * x.Radicand() * alpha_gamma;
    const Integer root_top = A * D * beta_gamma + B * C * alpha_delta;
    return SurdArithmetic::Make(Rational(rational_top, common), Rational(root_top, common),
                                x.Radicand());
}

std::optional<Surd> Divide(const Surd& x, const Surd& y) {
    if (y.Sign() == 0) {
        return std::nullopt;
    }
    if (y.IsRational()) {
        return Scale(x, 1 / y.RationalPart());
    }
    if (y.RationalPart().is_zero() && x.RationalPart().is_zero()) {
        // b√r / (d√t) = b√r·√t / (d·t)
        return RootTermProduct(x.RootCoefficient() / (y.RootCoefficient() * Rational(y.Radicand())),
                               x.Radicand(), y.Radicand());
    }
    // Multiply both by the conjugate c − d√r: the divisor becomes c² − d²r ≠ 0.
    const Rational& c = y.RationalPart();
    const Rational& d = y.RootCoefficient();
    const auto numerator = Multiply(x, SurdArithmetic::Make(c, -d, y.Radicand()));
    if (!numerator) {
        return std::nullopt;
    }
    return Divide(*numerator, Surd(c * c - d * d * Rational(y.Radicand())));
}

Surd Negate(const Surd& x) {
    return SurdArithmetic::Make(-x.RationalPart(), -x.RootCoefficient(), x.Radicand());
}

}  // namespace exact
