// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// A double whose every operation checks for the arithmetic faults where it
// happens, so that the formulas can be written as plain expressions.
#pragma once

#include <cmath>
#include <optional>
#include <string_view>

#include "trapezoid/solver.hpp"

namespace trapezoid::detail {

// The faults of the operations, for every value type of the branches.
inline std::optional<ArithmeticFault> FaultOfResult(double result) {
    if (std::isfinite(result)) {
        return std::nullopt;
    }
    return ArithmeticFault::Overflow;
}

inline std::optional<ArithmeticFault> FaultOfQuotient(double divisor, double quotient) {
    if (divisor == 0.0) {
        return ArithmeticFault::DivisionByZero;
    }
    return FaultOfResult(quotient);
}

inline std::optional<ArithmeticFault> FaultOfRoot(double radicand) {
    if (radicand < 0.0) {
        return ArithmeticFault::NegativeSquareRoot;
    }
    return std::nullopt;
}

// For radicands that cannot be negative in exact arithmetic: a negative value
// is rounding error of a few ulps and is taken as zero.
inline double RoundingOnlyRadicand(double radicand) {
    return radicand < 0.0 ? 0.0 : radicand;
}

class Checked {
  public:
    // Implicit, so that read values and the integer constants 2 and 4 take
    // part in expressions directly.
    constexpr Checked(double value) : value_(value) {}

    constexpr double value() const { return value_; }

    // The hooks of the branches (see Step): plain solving names nothing.
    constexpr Checked Named(std::string_view /*name*/) const { return *this; }
    constexpr Checked NamedInSecond(std::string_view /*name*/) const { return *this; }

    friend Checked operator+(Checked x, Checked y) { return Finite(x.value_ + y.value_); }
    friend Checked operator-(Checked x, Checked y) { return Finite(x.value_ - y.value_); }
    friend Checked operator*(Checked x, Checked y) { return Finite(x.value_ * y.value_); }
    friend Checked operator/(Checked x, Checked y) {
        const double quotient = x.value_ / y.value_;
        ThrowIf(FaultOfQuotient(y.value_, quotient));
        return Checked(quotient);
    }
    Checked operator-() const { return Checked(-value_); }

    static void ThrowIf(std::optional<ArithmeticFault> fault) {
        if (fault) {
            throw ArithmeticError(*fault);
        }
    }

  private:
    static Checked Finite(double result) {
        ThrowIf(FaultOfResult(result));
        return Checked(result);
    }

    double value_;
};

// The double square root; a negative radicand is a fault.
inline Checked Sqrt(Checked x) {
    Checked::ThrowIf(FaultOfRoot(x.value()));
    return Checked(std::sqrt(x.value()));
}

inline Checked SqrtOfNonNegative(Checked x) {
    return Checked(std::sqrt(RoundingOnlyRadicand(x.value())));
}

// A computed value of a branch, named by its symbol ("m", "h", "x", ...). The
// branches are templates over their value type: solving uses Checked, for
// which this is the identity, and describing a solve uses a value type that
// records each named value as a step.
template <class V>
V Step(std::string_view name, const V& value) {
    return value.Named(name);
}

// A value of the second trapezoid of kind "P,b,c", which the description
// keeps apart from the steps of the first.
template <class V>
V SecondStep(std::string_view name, const V& value) {
    return value.NamedInSecond(name);
}

}  // namespace trapezoid::detail
