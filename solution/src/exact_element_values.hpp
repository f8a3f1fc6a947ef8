// SPDX-License-Identifier: GPL-3.0-or-later
// The value type of a derivation that the solution writes: the double the
// relations compute, with the exact value computed by the same operation.
// The sine, cosine and tangent of 30°, 45° and 60° are exact.
#pragma once

#include <optional>
#include <type_traits>

#include "element_values.hpp"
#include "trapezoid/shared/value_with_exact.hpp"
#include "trapezoid/solver.hpp"

namespace trapezoid::elements {

using Dual = detail::ValueWithExact;

inline Dual operator+(const Dual& x, const Dual& y) {
    return Dual::Sum(x, y, x.value() + y.value());
}
inline Dual operator-(const Dual& x, const Dual& y) {
    return Dual::Difference(x, y, x.value() - y.value());
}
inline Dual operator*(const Dual& x, const Dual& y) {
    return Dual::Product(x, y, x.value() * y.value());
}
inline Dual operator/(const Dual& x, const Dual& y) {
    return Dual::Quotient(x, y, x.value() / y.value());
}

// A constant of the formulas ("2·S", "/ 2", "0,25 + t²"), exact as the
// decimal it is written with.
Dual Constant(double constant);

inline Dual operator-(const Dual& x) {
    return Dual::Negated(x);
}
inline Dual operator+(double k, const Dual& y) {
    return Constant(k) + y;
}
inline Dual operator-(const Dual& x, double k) {
    return x - Constant(k);
}
inline Dual operator/(double k, const Dual& y) {
    return Constant(k) / y;
}
inline Dual operator*(double k, const Dual& y) {
    return Constant(k) * y;
}
inline Dual operator/(const Dual& x, double k) {
    return x / Constant(k);
}

inline Dual Sqrt(const Dual& x) {
    return Dual::Root(x, std::sqrt(x.value()));
}

inline double ValueOf(const Dual& x) {
    return x.value();
}

// A constant of the value type: the double itself, or its exact form.
template <class V>
V Literal(double k) {
    if constexpr (std::is_same_v<V, Dual>) {
        return Constant(k);
    } else {
        return k;
    }
}

// The exact sine of 30°, 45°, 60° and 90° (of the exact angle), if it is one.
std::optional<exact::Surd> SpecialSine(const Dual& degrees);
std::optional<exact::Surd> SpecialTangent(const Dual& degrees);

inline Dual SinDegrees(const Dual& degrees) {
    return Dual(SinDegrees(degrees.value()), SpecialSine(degrees));
}

Dual CosDegrees(const Dual& degrees);

inline Dual TanDegrees(const Dual& degrees) {
    return Dual(TanDegrees(degrees.value()), SpecialTangent(degrees));
}

// ∠ABC from tg, sin or cos: exact when it is 30°, 45°, 60° or 90°.
Dual AngleOfLegs(const Dual& h, const Dual& m);
Dual ArcsinDegrees(const Dual& ratio);
Dual ArccosDegrees(const Dual& ratio);

// A value as given: exact when it has at most seven decimals.
Dual GivenValue(double value);

// A given's value: exactly the decimal typed, when there is one.
inline Dual GivenValue(const ElementGiven& given) {
    if (given.exact || given.found) {
        return Dual(given.value, given.exact);
    }
    return given.decimal.empty() ? GivenValue(given.value)
                                 : Dual(given.value, exact::Surd::FromDecimal(given.decimal));
}

// The doubles of the values, for what computes in doubles only.
inline Values<double> Doubles(const Values<Dual>& values) {
    Values<double> doubles{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        doubles[i] = values[i].value();
    }
    return doubles;
}

}  // namespace trapezoid::elements
