// SPDX-License-Identifier: GPL-3.0-or-later
#include <boost/multiprecision/cpp_bin_float.hpp>

#include "surd_internal.hpp"

namespace exact {

Surd::Surd(Rational rational) : rational_(std::move(rational)) {}

Surd::Surd(Rational rational, Rational coefficient, Integer radicand)
    : rational_(std::move(rational)), coefficient_(std::move(coefficient)) {
    if (radicand == 1) {
        rational_ += coefficient_;
        coefficient_ = 0;
    } else if (coefficient_ != 0) {
        radicand_ = std::move(radicand);
    }
}

bool Surd::IsInteger() const {
    return IsRational() && denominator(rational_) == 1;
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
    return rational_ * rational_ > coefficient_ * coefficient_ * Rational(radicand_) ? rational_sign
                                                                                     : root_sign;
}

double Surd::ToDouble() const {
    if (IsRational()) {
        return rational_.convert_to<double>();  // correctly rounded
    }
    using Float = boost::multiprecision::cpp_bin_float_50;
    const auto to_float = [](const Rational& q) -> Float {
        return Float(numerator(q)) / Float(denominator(q));
    };
    const Float root_term = to_float(coefficient_) * sqrt(Float(radicand_));
    if (rational_.sign() * coefficient_.sign() >= 0) {
        return Float(to_float(rational_) + root_term).convert_to<double>();
    }
    // x + y√r = (x² − y²r) / (x − y√r): no digits cancel.
    const Rational norm = rational_ * rational_ - coefficient_ * coefficient_ * Rational(radicand_);
    return Float(to_float(norm) / (to_float(rational_) - root_term)).convert_to<double>();
}

namespace {

// The one root two values can share, if any.
std::optional<Integer> SharedRadicand(const Surd& x, const Surd& y) {
    if (x.IsRational()) {
        return y.Radicand();
    }
    if (y.IsRational() || x.Radicand() == y.Radicand()) {
        return x.Radicand();
    }
    return std::nullopt;
}

bool IsRootTerm(const Surd& x) {
    return !x.IsRational() && x.RationalPart() == 0;
}

// c·√r·√t = c·g·√(r/g · t/g) with g = gcd(r, t); square-free r and t leave a
// square-free product.
Surd RootTermProduct(const Rational& coefficient, const Integer& r, const Integer& t) {
    const Integer common = gcd(r, t);
    return SurdArithmetic::Make(0, coefficient * common, (r / common) * (t / common));
}

}  // namespace

std::optional<Surd> Add(const Surd& x, const Surd& y) {
    const auto radicand = SharedRadicand(x, y);
    if (!radicand) {
        return std::nullopt;
    }
    return SurdArithmetic::Make(x.RationalPart() + y.RationalPart(),
                                x.RootCoefficient() + y.RootCoefficient(), *radicand);
}

std::optional<Surd> Subtract(const Surd& x, const Surd& y) {
    return Add(x, Negate(y));
}

std::optional<Surd> Multiply(const Surd& x, const Surd& y) {
    if (IsRootTerm(x) && IsRootTerm(y)) {
        return RootTermProduct(x.RootCoefficient() * y.RootCoefficient(), x.Radicand(),
                               y.Radicand());
    }
    const auto radicand = SharedRadicand(x, y);
    if (!radicand) {
        return std::nullopt;
    }
    // (a + b√r)(c + d√r) = ac + bd·r + (ad + bc)√r
    const Rational& a = x.RationalPart();
    const Rational& b = x.RootCoefficient();
    const Rational& c = y.RationalPart();
    const Rational& d = y.RootCoefficient();
    return SurdArithmetic::Make(a * c + b * d * Rational(*radicand), a * d + b * c, *radicand);
}

std::optional<Surd> Divide(const Surd& x, const Surd& y) {
    if (y.Sign() == 0) {
        return std::nullopt;
    }
    if (y.IsRational()) {
        return SurdArithmetic::Make(x.RationalPart() / y.RationalPart(),
                                    x.RootCoefficient() / y.RationalPart(), x.Radicand());
    }
    if (IsRootTerm(y) && (x.IsRational() ? x.RationalPart() == 0 : IsRootTerm(x))) {
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
