// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the typed givens: names, exact values, relations and the sentence
// for each bad one.
#include <gtest/gtest.h>

#include <cmath>

#include "trapezoid/conditions/given.hpp"

namespace trapezoid::conditions {
namespace {

struct ValueCase {
    std::string typed;
    double value;
    std::string written;
};

class ValueReading : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueReading, ReadsTheNumberAndKeepsItAsTyped) {
    const auto value = ReadValue(GetParam().typed);
    ASSERT_TRUE(value) << GetParam().typed;
    EXPECT_DOUBLE_EQ(value->value, GetParam().value);
    EXPECT_EQ(value->text, GetParam().written);
    ASSERT_TRUE(value->exact);
    EXPECT_NEAR(value->exact->ToDouble(), GetParam().value, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueReading,
    testing::Values(ValueCase{"7/2", 3.5, "7/2"}, ValueCase{"√3", std::sqrt(3.0), "√3"},
                    ValueCase{"2√3", 2 * std::sqrt(3.0), "2√3"},
                    ValueCase{"3√2/2", 3 * std::sqrt(2.0) / 2, "3√2/2"},
                    ValueCase{"2sqrt3", 2 * std::sqrt(3.0), "2√3"},
                    ValueCase{"2sqrt(3)", 2 * std::sqrt(3.0), "2√3"}, ValueCase{"4,5", 4.5, "4,5"},
                    ValueCase{"−0.25", -0.25, "−0.25"}, ValueCase{"√12", std::sqrt(12.0), "√12"}));

TEST(ValueReading, RefusesWhatIsNoNumber) {
    for (const char* text : {"", "abc", "√", "2sqrt(3", "3/0", "1,2,3", "√-4"}) {
        EXPECT_FALSE(ReadValue(text)) << text;
    }
}

struct GivenCase {
    std::string typed;
    std::vector<std::string> symbols;  // of the terms, in order
    std::vector<double> coefficients;
    double value;  // 0 when none
};

class GivenForms : public testing::TestWithParam<GivenCase> {};

TEST_P(GivenForms, BecomeOneEquation) {
    const GivenReading reading = ReadGiven(GetParam().typed);
    ASSERT_TRUE(reading.given) << reading.message;
    const Given& given = *reading.given;
    ASSERT_EQ(given.terms.size(), GetParam().symbols.size());
    for (std::size_t i = 0; i < given.terms.size(); ++i) {
        EXPECT_EQ(given.terms[i].quantity.symbol, GetParam().symbols[i]);
        EXPECT_NEAR(given.terms[i].coefficient_value, GetParam().coefficients[i], 1e-15);
    }
    EXPECT_NEAR(given.value ? given.value->value : 0.0, GetParam().value, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, GivenForms,
    testing::Values(
        GivenCase{"AB = 12", {"a"}, {1}, 12}, GivenCase{"HC=4", {"h"}, {1}, 4},
        GivenCase{"BH=2", {"m"}, {1}, 2}, GivenCase{"OA=3", {"OA"}, {1}, 3},
        GivenCase{"∠CBA=60", {"∠B"}, {1}, 60}, GivenCase{"BCD=120°", {"∠C"}, {1}, 120},
        GivenCase{"tg∠CAB=3/4", {"tg ∠CAB"}, {1}, 0.75}, GivenCase{"cotgB=2", {"cotg ∠B"}, {1}, 2},
        GivenCase{"a=3/2c", {"a", "c"}, {1, -1.5}, 0}, GivenCase{"C=5B", {"∠C", "∠B"}, {1, -5}, 0},
        GivenCase{"BO:OD=7:3", {"BO", "OD"}, {3, -7}, 0},
        GivenCase{"c−h=2", {"c", "h"}, {1, -1}, 2}, GivenCase{"a-c=5", {"a", "c"}, {1, -1}, 5},
        GivenCase{"∠ABD=∠DBC", {"∠ABD", "∠DBC"}, {1, -1}, 0}, GivenCase{"AC⊥BC", {"∠ACB"}, {1}, 90},
        GivenCase{"BD⊥AC", {"∠AOB"}, {1}, 90}));

TEST(GivenForms, CircleIsInscribedByEitherForm) {
    EXPECT_TRUE(ReadGiven("a+c=b+h").given->inscribed);
    EXPECT_TRUE(ReadGiven("h+b=c+a").given->inscribed);
    EXPECT_TRUE(ReadGiven("r=2sqrt2").given->inscribed);
    EXPECT_FALSE(ReadGiven("a+b=c+h").given->inscribed);
}

struct BadCase {
    std::string typed;
    bool unreadable;
    std::string words;
};

class BadGiven : public testing::TestWithParam<BadCase> {};

TEST_P(BadGiven, GetsOneSentenceNamingIt) {
    const GivenReading reading = ReadGiven(GetParam().typed);
    EXPECT_FALSE(reading.given);
    EXPECT_EQ(reading.unreadable, GetParam().unreadable);
    EXPECT_NE(reading.message.find(GetParam().words), std::string::npos) << reading.message;
}

INSTANTIATE_TEST_SUITE_P(
    Bad, BadGiven,
    testing::Values(BadCase{"h=abc", true, "„h=abc“: не може да се прочете"},
                    BadCase{"x=4", true, "„x“ не е елемент"},
                    BadCase{"ABCD=4", true, "„ABCD“ не е елемент"},
                    BadCase{"a=3B", true, "дължина се сравнява само с дължина"},
                    BadCase{"a:B=1:2", true, "дължина се сравнява само с дължина"},
                    BadCase{"a=", true, "не може да се прочете"},
                    BadCase{"a=0", false, "по-голяма от 0"},
                    BadCase{"B=190", false, "между 0° и 180°"},
                    BadCase{"AB⊥CD", false, "не са перпендикулярни"},
                    BadCase{"AB⊥MN", true, "две от правите"}));

TEST(GivenList, StopsAtTheFirstBadGiven) {
    const auto readings = ReadGivens("a=10; h=√3 ;x=1; c=2");
    ASSERT_EQ(readings.size(), 3U);
    EXPECT_TRUE(readings[1].given);
    EXPECT_FALSE(readings[2].given);
}

}  // namespace
}  // namespace trapezoid::conditions
