// SPDX-License-Identifier: GPL-3.0-or-later
// Exact values as the formulas build them, and how they are written.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "exact/surd.hpp"

namespace {

using exact::Shape;
using exact::Surd;
using Value = std::optional<Surd>;

Value N(const char* decimal) {
    return Surd::FromDecimal(decimal);
}
Value Apply(std::optional<Surd> (*operation)(const Surd&, const Surd&), const Value& x,
            const Value& y) {
    return x && y ? operation(*x, *y) : std::nullopt;
}
Value operator+(const Value& x, const Value& y) {
    return Apply(exact::Add, x, y);
}
Value operator-(const Value& x, const Value& y) {
    return Apply(exact::Subtract, x, y);
}
Value operator*(const Value& x, const Value& y) {
    return Apply(exact::Multiply, x, y);
}
Value operator/(const Value& x, const Value& y) {
    return Apply(exact::Divide, x, y);
}
Value Root(const Value& x) {
    return x ? exact::SquareRoot(*x) : std::nullopt;
}
Value Root(const char* decimal) {
    return Root(N(decimal));
}

struct ExactCase {
    const char* name;
    std::function<Value()> compute;
    const char* written;  // nullptr: no exact form
    Shape shape;
    double approximately;
};

const ExactCase kCases[] = {
    {"Height", [] { return Root(N("6") * N("6") - (N("10") - N("5")) * (N("10") - N("5"))); },
     "√11", Shape::RootTerm, std::sqrt(11.0)},
    {"Perimeter", [] { return N("10") + N("5") + N("6") + Root("11"); }, "21 + √11", Shape::RootSum,
     21 + std::sqrt(11.0)},
    {"Area", [] { return (N("10") + N("5")) * Root("11") / N("2"); }, "15√11/2", Shape::RootTerm,
     7.5 * std::sqrt(11.0)},
    {"CommonDenominator", [] { return (N("10") - Root("14")) / N("2"); }, "(10 − √14)/2",
     Shape::RootSum, (10 - std::sqrt(14.0)) / 2},
    {"RootTermFirst", [] { return Root("14") - N("2"); }, "√14 − 2", Shape::RootSum,
     std::sqrt(14.0) - 2},
    {"BothNegative", [] { return N("-2") - Root("14"); }, "−2 − √14", Shape::RootSum,
     -2 - std::sqrt(14.0)},
    {"TinyAndLong", [] { return N("1e-20") * Root("2") - N("3e-20"); },
     "(√2 − 3)/100000000000000000000", Shape::RootSum, (std::sqrt(2.0) - 3) * 1e-20},
    {"DecimalRationalPart", [] { return N("4.5e0") + N(".3E1") + Root("3"); }, "7,5 + √3",
     Shape::RootSum, 7.5 + std::sqrt(3.0)},
    {"NegativeDecimal", [] { return N("-2.5E-1"); }, "−0,25", Shape::Decimal, -0.25},
    {"Fraction", [] { return N("10") / N("3"); }, "10/3", Shape::Fraction, 10.0 / 3},
    {"SquareFactorOut", [] { return Root("8"); }, "2√2", Shape::RootTerm, std::sqrt(8.0)},
    {"RationalDenominator", [] { return Root(N("1") / N("12")); }, "√3/6", Shape::RootTerm,
     std::sqrt(1.0 / 12)},
    // 10007²·9973 over 10009·10037·9·1000: the primes above 10^4 are found
    // by the square test of what trial division leaves.
    {"TwelveDigits", [] { return Root(N("998696708677") / N("904142997000")); },
     "10007√10018909010090/30138099900", Shape::RootTerm, 1.050989187074382},
    // 3²·7²·11·13^15, beyond 64 bits: several square factors among the first primes.
    {"LargeSquareFactors", [] { return Root("248302767011354262207"); }, "1317718857√143",
     Shape::RootTerm, 15757625678.107544},
    {"NegativeIntermediate", [] { return Root((N("3") - N("6")) * (N("3") - N("6")) + N("16")); },
     "5", Shape::Integer, 5},
    {"Denested", [] { return Root(N("7") + N("4") * Root("3")); }, "2 + √3", Shape::RootSum,
     2 + std::sqrt(3.0)},
    {"DenestedNegativeCoefficient", [] { return Root(N("13") - N("4") * Root("3")); }, "2√3 − 1",
     Shape::RootSum, 2 * std::sqrt(3.0) - 1},
    {"Rationalised", [] { return N("1") / (N("3") - Root("2")); }, "(3 + √2)/7", Shape::RootSum,
     1 / (3 - std::sqrt(2.0))},
    {"ProductOfRoots", [] { return Root("2") * Root("6") / Root("3") * Root("3"); }, "2√3",
     Shape::RootTerm, 2 * std::sqrt(3.0)},
    {"TwoRoots", [] { return Root("2") + Root("3"); }, nullptr, {}, 0},
    {"NoDenesting", [] { return Root(N("5") + N("2") * Root("6")); }, nullptr, {}, 0},
    {"NegativeRoot", [] { return Root(N("3") - N("6")); }, nullptr, {}, 0},
    {"DivisionByZero", [] { return N("1") / (Root("8") - N("2") * Root("2")); }, nullptr, {}, 0},
};

void PrintTo(const ExactCase& exact_case, std::ostream* out) {
    *out << exact_case.name;
}

class ExactForms : public testing::TestWithParam<ExactCase> {};

TEST_P(ExactForms, WrittenShapedAndApproximated) {
    const ExactCase& exact_case = GetParam();
    const Value value = exact_case.compute();
    if (exact_case.written == nullptr) {
        EXPECT_FALSE(value.has_value()) << exact::Write(*value, ",");
        return;
    }
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(exact::Write(*value, ","), exact_case.written);
    EXPECT_EQ(exact::ShapeOf(*value), exact_case.shape);
    EXPECT_NEAR(value->ToDouble(), exact_case.approximately,
                4e-16 * std::abs(exact_case.approximately));
    EXPECT_EQ(value->Sign(), exact_case.approximately < 0 ? -1 : 1);
}

INSTANTIATE_TEST_SUITE_P(Table, ExactForms, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExactDecimal, RejectsWhatIsNoDecimalNumber) {
    for (const char* text : {"", "-", ".", "1.2.3", "1e", "e5", "1e401", "+5", "4,5", "0x10"}) {
        EXPECT_FALSE(Surd::FromDecimal(text).has_value()) << text;
    }
    EXPECT_EQ(Surd::FromDecimal("1e-400"), Surd::FromDecimal("1") / *Surd::FromDecimal("1e400"));
}

// Digits after a leading zero are decimal digits, never octal ones.
TEST(ExactDecimal, ReadsLeadingZerosAsDecimal) {
    EXPECT_EQ(Surd::FromDecimal("0.75"), Surd(exact::Rational(3, 4)));
    EXPECT_EQ(Surd::FromDecimal("-0.98"), Surd(exact::Rational(-49, 50)));
    EXPECT_EQ(Surd::FromDecimal("007"), Surd(7));
    EXPECT_EQ(Surd::FromDecimal("0"), Surd(0));
}

}  // namespace
