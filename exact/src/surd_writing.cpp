// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "surd_internal.hpp"

namespace exact {
namespace {

constexpr std::string_view kMinus = "−";
constexpr std::string_view kRoot = "√";
constexpr unsigned kMostDecimals = 7;

// The decimals a rational needs when it terminates within kMostDecimals.
std::optional<unsigned> DecimalPlaces(const Rational& q) {
    const Integer& bottom = DenominatorOf(q);
    if (bottom == 1) {
        return 0U;
    }
    const unsigned twos = lsb(bottom);
    Integer rest = bottom >> twos;
    unsigned fives = 0;
    while (fives <= kMostDecimals && integer_modulus(rest, 5U) == 0) {
        rest /= 5;
        ++fives;
    }
    const unsigned places = std::max(twos, fives);
    if (rest != 1 || places > kMostDecimals) {
        return std::nullopt;
    }
    return places;
}

// |q| with the given number of decimals: "7,5", "0,25".
std::string WriteDecimal(const Rational& q, unsigned places, std::string_view separator) {
    const Integer magnitude = abs(NumeratorOf(q));
    if (places == 0) {
        return magnitude.str();
    }
    const Integer scaled = magnitude * pow(Integer(10), places) / DenominatorOf(q);
    std::string digits = scaled.str();
    if (digits.size() <= places) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - places, separator);
    return digits;
}

// |q| as an integer, a decimal or a fraction: "5", "7,5", "10/3".
std::string WriteRational(const Rational& q, std::string_view separator) {
    if (const auto places = DecimalPlaces(q)) {
        return WriteDecimal(q, *places, separator);
    }
    return Integer(abs(NumeratorOf(q))).str() + "/" + DenominatorOf(q).str();
}

std::string WithSign(bool negative, std::string text) {
    return negative ? std::string(kMinus) + text : text;
}

// n√r for an integer n > 0: "√11", "2√6".
std::string WriteRootMultiple(const Integer& multiple, const Integer& radicand) {
    return (multiple == 1 ? std::string() : multiple.str()) + std::string(kRoot) + radicand.str();
}

// A rational part and a root term, the root term first when only the
// rational part is negative: "21 + √11", "3 − √2", "√14 − 2", "−2 − √14".
std::string JoinSum(const std::string& rational, bool rational_negative, const std::string& root,
                    bool root_negative) {
    if (rational_negative && !root_negative) {
        return root + " " + std::string(kMinus) + " " + rational;
    }
    const std::string joint = root_negative ? " − " : " + ";
    return WithSign(rational_negative, rational) + joint + root;
}

std::string WriteRootTerm(const Rational& coefficient, const Integer& radicand) {
    const Integer& bottom = DenominatorOf(coefficient);
    const std::string term = WriteRootMultiple(abs(NumeratorOf(coefficient)), radicand);
    return WithSign(coefficient.sign() < 0, bottom == 1 ? term : term + "/" + bottom.str());
}

// x + y√r: "7,5 + √3" when y is an integer and x terminates, otherwise over a
// common denominator: "(10 − √14)/2".
std::string WriteRootSum(const Rational& x, const Rational& y, const Integer& radicand,
                         std::string_view separator) {
    if (DenominatorOf(y) == 1 && DecimalPlaces(x)) {
        return JoinSum(WriteRational(x, separator), x.sign() < 0,
                       WriteRootMultiple(abs(NumeratorOf(y)), radicand), y.sign() < 0);
    }
    const Integer common = lcm(DenominatorOf(x), DenominatorOf(y));
    const Integer top = NumeratorOf(x) * (common / DenominatorOf(x));
    const Integer multiple = NumeratorOf(y) * (common / DenominatorOf(y));
    return "(" +
           JoinSum(Integer(abs(top)).str(), top.sign() < 0,
                   WriteRootMultiple(abs(multiple), radicand), multiple.sign() < 0) +
           ")/" + common.str();
}

}  // namespace

Shape ShapeOf(const Surd& x) {
    if (x.IsInteger()) {
        return Shape::Integer;
    }
    if (x.IsRational()) {
        return DecimalPlaces(x.RationalPart()) ? Shape::Decimal : Shape::Fraction;
    }
    return x.RationalPart().is_zero() ? Shape::RootTerm : Shape::RootSum;
}

std::string Write(const Surd& x, std::string_view decimal_separator) {
    switch (ShapeOf(x)) {
        case Shape::Integer:
        case Shape::Decimal:
        case Shape::Fraction:
            return WithSign(x.RationalPart().sign() < 0,
                            WriteRational(x.RationalPart(), decimal_separator));
        case Shape::RootTerm:
            return WriteRootTerm(x.RootCoefficient(), x.Radicand());
        case Shape::RootSum:
            break;
    }
    return WriteRootSum(x.RationalPart(), x.RootCoefficient(), x.Radicand(), decimal_separator);
}

std::size_t CodePoints(std::string_view utf8) {
    // Every byte but the continuation bytes 10xxxxxx starts a code point.
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

}  // namespace exact
