// SPDX-License-Identifier: GPL-3.0-or-later
// Exact numbers of school geometry: rationals extended by one square root,
// x + y·√r with rational x and y and a square-free integer r > 1. Every
// operation either stays within one root or says that it cannot.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace exact {

using Integer = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;

class Surd {
  public:
    Surd() = default;         // 0
    Surd(Rational rational);  // NOLINT: a rational is a surd without a root
    Surd(long long integer) : Surd(Rational(integer)) {}

    // The decimal number a text denotes: an optional '-', digits with at most
    // one '.', an optional exponent "e±N" ("-12.5e3", ".5", "255"). Nothing
    // for any other text or an exponent beyond ±400.
    static std::optional<Surd> FromDecimal(std::string_view text);

    // x + y·√r; for a rational y is 0 and r is 1.
    const Rational& RationalPart() const { return rational_; }
    const Rational& RootCoefficient() const { return coefficient_; }
    const Integer& Radicand() const { return radicand_; }

    bool IsRational() const { return coefficient_.is_zero(); }
    bool IsInteger() const;
    // -1, 0 or 1, decided exactly.
    int Sign() const;
    // The nearest double, or close to it (within a few ulps).
    double ToDouble() const;

    friend bool operator==(const Surd&, const Surd&) = default;

  private:
    Surd(Rational rational, Rational coefficient, Integer radicand);
    friend struct SurdArithmetic;

    Rational rational_ = 0;
    Rational coefficient_ = 0;
    Integer radicand_ = 1;
};

// The operations. Nothing when the result would need a second, different
// root, when a divisor is 0, or when a root has no form within one root.
std::optional<Surd> Add(const Surd& x, const Surd& y);
std::optional<Surd> Subtract(const Surd& x, const Surd& y);
std::optional<Surd> Multiply(const Surd& x, const Surd& y);
std::optional<Surd> Divide(const Surd& x, const Surd& y);
Surd Negate(const Surd& x);

// The square root. Of a rational: square factors taken out (completely when
// numerator and denominator are below 10^12), denominator made rational.
// Of x + y·√r: denested as √u + sgn(y)·√v where x > 0, x² − y²·r = s² with s
// rational, and u = (x + s)/2 or v = (x − s)/2 is a rational square.
// Nothing for a negative value or when no single-root form exists.
std::optional<Surd> SquareRoot(const Surd& x);

// How a value is written, which decides how a step ends and whether it needs
// parentheses when substituted into a formula.
enum class Shape {
    Integer,   // "5"
    Decimal,   // a rational with at most 7 decimals: "7,5"
    Fraction,  // any other rational: "10/3"
    RootTerm,  // a rational multiple of the root alone: "√11", "2√6", "15√11/2"
    RootSum,   // a rational part and a root term: "21 + √11", "(10 − √14)/2"
};
Shape ShapeOf(const Surd& x);

// The written form, with the given decimal separator, the minus sign "−"
// (U+2212), "√", no digit grouping; fractions reduced, denominators rational.
//   5, −5, 7,5, 10/3, −10/3, √11, 2√6, 15√11/2, 21 + √11, 3 − √2,
//   √14 − 2 (the root term first when the rational part is negative and the
//   root term positive), 7,5 + √3 (a terminating rational part stays a
//   decimal when the root coefficient is an integer), (10 − √14)/2.
std::string Write(const Surd& x, std::string_view decimal_separator);

// Number of code points of a UTF-8 text ("√11" is 3).
std::size_t CodePoints(std::string_view utf8);

}  // namespace exact
