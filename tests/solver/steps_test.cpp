// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of a solve: for every kind, each step's formula, with letters or
// with numbers, evaluates to the value it shows; the texts' signs and
// parentheses; the failed step; the steps leading to a quantity.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "solve_support.hpp"
#include "step_evaluator.hpp"
#include "trapezoid/steps.hpp"

namespace trapezoid::test {
namespace {

using namespace QuantityIndex;

SolveSteps DescribeKind(Kind kind, const std::array<std::string, 3>& givens,
                        const NumberSettings& settings = PlainSettings()) {
    return DescribeSolve(KindIndex(kind), MarksOfKind(kind), BoxesOfKind(kind, givens), settings);
}

// "name = letters = numbers = exact ≈ decimal", "… = numbers = value" or
// "… = numbers ≈ decimal", taken apart.
struct StepParts {
    std::string name, letters, numbers;
    std::string exact;    // empty when the step ends "≈ decimal"
    std::string decimal;  // the decimal after "≈", or the value itself
};

StepParts Split(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(" = ", start)) != std::string::npos; start = at + 3) {
        parts.push_back(text.substr(start, at - start));
    }
    parts.push_back(text.substr(start));
    if (parts.size() < 3) {
        throw std::invalid_argument("not a step: " + text);
    }
    const std::string ending = parts.back();
    const std::size_t approximately = ending.find(" ≈ ");
    const std::string before = ending.substr(0, approximately);
    const std::string decimal =
        approximately == std::string::npos ? ending : ending.substr(approximately + 5);
    if (parts.size() == 3) {
        return {parts[0], parts[1], before, "", decimal};
    }
    return {parts[0], parts[1], parts[2], before, decimal};
}

// Within 1e-7 relative: the decimals of a step, and what decimals put into a formula give.
bool Near(double got, double want) {
    return std::fabs(got - want) <= 1e-7 * std::max(1.0, std::fabs(want));
}

bool Equal(const exact::Surd& x, const exact::Surd& y) {
    const auto difference = exact::Subtract(x, y);
    return difference && difference->Sign() == 0;
}

// A box text as the steps write its decimal: trailing zeros dropped, "−".
std::string AsStepDecimal(std::string box) {
    box.erase(box.find_last_not_of('0') + 1);
    if (!box.empty() && (box.back() == '.' || box.back() == ',')) {
        box.pop_back();
    }
    return box.front() == '-' ? "−" + box.substr(1) : box;
}

// Each step's formula, in letters and in numbers, gives its value: exactly
// where the numbers are exact forms, within 1e-7 where one is a decimal; its
// exact form and its decimal agree, and a quantity's decimal is its box's.
void CheckSteps(const std::vector<SolveStep>& steps, std::map<std::string, double> names,
                const SolveOutcome& outcome) {
    std::vector<bool> approximate;  // shown by its decimal only
    for (const SolveStep& step : steps) {
        SCOPED_TRACE(step.text);
        const StepParts parts = Split(step.text);
        EXPECT_EQ(parts.name, step.name);
        const double decimal = StepEvaluator<double>::Evaluate(parts.decimal);
        double value = decimal;
        bool uses_approximate = false;
        for (const std::size_t used : step.uses) {
            uses_approximate = uses_approximate || approximate.at(used);
        }
        if (!parts.exact.empty()) {
            const exact::Surd exact = StepEvaluator<exact::Surd>::Evaluate(parts.exact);
            const bool decimal_shape = exact::ShapeOf(exact) == exact::Shape::Integer ||
                                       exact::ShapeOf(exact) == exact::Shape::Decimal;
            EXPECT_EQ(parts.exact == parts.decimal, decimal_shape);
            value = exact.ToDouble();
            EXPECT_TRUE(Near(decimal, value));
            if (!uses_approximate) {
                EXPECT_TRUE(Equal(StepEvaluator<exact::Surd>::Evaluate(parts.numbers), exact));
            }
        }
        if (parts.exact.empty() || uses_approximate) {
            EXPECT_TRUE(Near(StepEvaluator<double>::Evaluate(parts.numbers), value));
        }
        EXPECT_TRUE(Near(StepEvaluator<double>::Evaluate(parts.letters, names), value));
        for (int i = 0; i < kQuantityCount; ++i) {
            if (step.name == kQuantitySymbols[i] && !outcome.texts[i].empty()) {
                EXPECT_EQ(parts.decimal, AsStepDecimal(outcome.texts[i]));
            }
        }
        names[step.name] = value;
        approximate.push_back(parts.exact.empty());
    }
}

struct StepsCase {
    Kind kind;
    std::array<std::string, 3> givens;
    std::string names;  // the steps' names, in order
    NumberSettings settings;
};

const StepsCase kStepsCases[] = {
    {Kind::ABC, {"10", "6", "5"}, "m h P S", PlainSettings()},
    {Kind::ABH, {"10", "7", "5"}, "m c P S", CommaDecimalSettings()},
    {Kind::ACH, {"3", "5", "4"}, "m b P S", PlainSettings()},
    {Kind::BCH, {"7", "2", "5"}, "m a P S", CommaDecimalSettings()},
    {Kind::PAB, {"10", "6", "30"}, "d q m h c S h′", PlainSettings()},
    {Kind::PAC, {"7", "2", "25"}, "m u b h S h′", CommaDecimalSettings()},
    {Kind::PAH, {"6.5", "4", "19"}, "d b m c S m′", PlainSettings()},
    {Kind::PBC, {"5", "2", "15"}, "x r m a h S", CommaDecimalSettings()},
    {Kind::PBH, {"5", "4", "18.5"}, "m c a S", PlainSettings()},
    {Kind::PCH, {"3", "4", "18.5"}, "u b a S", CommaDecimalSettings()},
    {Kind::SAC, {"6", "3", "20"}, "m h b P", PlainSettings()},
    {Kind::SAH, {"6", "4", "19"}, "c m b P", CommaDecimalSettings()},
    {Kind::SBH, {"5", "4", "19"}, "m c a P", PlainSettings()},
    {Kind::SCH, {"3", "4", "19"}, "a m b P", CommaDecimalSettings()},
    {Kind::SPH, {"4", "18.5", "18"}, "t b m c a", PlainSettings()},
    // Denested over a fraction; shown by decimals for their length; no exact
    // form where exactly h = 0 and the double is above 0.
    {Kind::PAB, {"10", "6.5", "30.1"}, "d q m h c S h′", PlainSettings()},
    {Kind::ABC, {"10", "6", "7.0000001"}, "m h P S", PlainSettings()},
    {Kind::ABC, {"0.3", "0.2", "0.1"}, "m h P S", PlainSettings()},
};

TEST(Steps, EveryStepOfEveryKindEvaluatesToItsValueInLettersAndInNumbers) {
    for (const StepsCase& c : kStepsCases) {
        SCOPED_TRACE(Describe(c.kind, c.givens));
        const SolveOutcome outcome = Solve(KindIndex(c.kind), MarksOfKind(c.kind),
                                           BoxesOfKind(c.kind, c.givens), c.settings);
        ASSERT_EQ(outcome.status, SolveOutcome::Status::Solved);
        const SolveSteps described = DescribeKind(c.kind, c.givens, c.settings);
        EXPECT_FALSE(described.failed.has_value());
        std::map<std::string, double> names;
        for (int i = 0; i < 3; ++i) {
            const int index = GivensOf(c.kind)[i];
            names[std::string(kQuantitySymbols[index])] = ReadPlain(c.givens[i]);
        }
        CheckSteps(described.steps, names, outcome);
        if (!described.second.empty()) {
            // The second trapezoid goes on from x and r, its boxes never shown.
            std::vector<SolveStep> second(described.steps.begin(), described.steps.begin() + 2);
            second.insert(second.end(), described.second.begin(), described.second.end());
            CheckSteps(second, names, SolveOutcome{});
        }
        std::string seen;
        for (const SolveStep& step : described.steps) {
            seen += (seen.empty() ? "" : " ") + step.name;
        }
        EXPECT_EQ(seen, c.names);
    }
}

TEST(Steps, WriteTheFormulasWithTheirOwnGroupingAndTheUsersNumbers) {
    const std::vector<std::string> expected = {
        "m = a − c = 10 − 5 = 5",
        "h = √(b² − m²) = √(6² − 5²) = √11 ≈ 3,3166248",
        "P = a + c + b + h = 10 + 5 + 6 + √11 = 21 + √11 ≈ 24,3166248",
        "S = (a + c)·h / 2 = (10 + 5)·√11 / 2 = 15√11/2 ≈ 24,8746859",
    };
    std::vector<std::string> texts;
    for (const SolveStep& step :
         DescribeKind(Kind::ABC, {"10", "6", "5"}, CommaDecimalSettings()).steps) {
        texts.push_back(step.text);
    }
    EXPECT_EQ(texts, expected);
}

struct ParenthesesCase {
    Kind kind;
    std::array<std::string, 3> givens;
    std::size_t step;
    std::string text;
};

TEST(Steps, PutEarlierValuesInParenthesesWhereTheyNeedThem) {
    const ParenthesesCase cases[] = {
        // Negative.
        {Kind::ABC, {"3", "5", "6"}, 1, "h = √(b² − m²) = √(5² − (−3)²) = 4"},
        {Kind::SAH, {"6", "4", "10.5"}, 1, "m = a − c = 6 − (−0.75) = 6.75"},
        // A difference squared keeps its parentheses; a right-hand sum keeps them too.
        {Kind::PAC, {"6", "3", "18"}, 2, "b = (u + (a − c)² / u) / 2 = (9 + (6 − 3)² / 9) / 2 = 5"},
        {Kind::PBC, {"5", "3", "18"}, 1, "r = √(x² − 2·(x² − b²)) = √(7² − 2·(7² − 5²)) = 1"},
        // A fraction squared; a product with a root squared and multiplied; a sum.
        {Kind::PAH, {"6", "4", "22"}, 2, "m = √(b² − h²) = √((13/3)² − 4²) = 5/3 ≈ 1.6666667"},
        {Kind::PAB, {"5", "6", "16"}, 3, "h = √(b² − m²) = √(6² − (3√2)²) = 3√2 ≈ 4.2426407"},
        {Kind::PAB,
         {"5", "6", "16"},
         5,
         "S = (a + c)·h / 2 = (5 + (5 − 3√2))·(3√2) / 2 = 15√2 − 9 ≈ 12.2132034"},
        // A fraction added stays bare.
        {Kind::PBC, {"5", "2", "15"}, 3, "a = c + m = 2 + (6 − √14)/2 = (10 − √14)/2 ≈ 3.1291713"},
    };
    for (const ParenthesesCase& c : cases) {
        SCOPED_TRACE(Describe(c.kind, c.givens));
        EXPECT_EQ(DescribeKind(c.kind, c.givens).steps.at(c.step).text, c.text);
    }
}

struct FailedCase {
    Kind kind;
    std::array<std::string, 3> givens;
    std::string failed;  // the failed step's text
};

TEST(Steps, MarkTheStepThatFaultsOrComesOutNotAboveZero) {
    const FailedCase cases[] = {
        // A fault: the step ends after its numbers.
        {Kind::PAB, {"2", "5", "18"}, "m = (−d + √(d² + 4·q)) / 2 = (−9 + √(9² + 4·(−28))) / 2"},
        {Kind::PAC, {"6", "3", "9"}, "b = (u + (a − c)² / u) / 2 = (0 + (6 − 3)² / 0) / 2"},
        {Kind::ABC, {"6", "2", "3"}, "h = √(b² − m²) = √(2² − 3²)"},
        // Not above 0.
        {Kind::PAC,
         {"5", "3", "4"},
         "b = (u + (a − c)² / u) / 2 = ((−4) + (5 − 3)² / (−4)) / 2 = −2.5"},
        {Kind::PBC, {"5", "3", "10"}, "a = c + m = 3 + (−4) = −1"},
        // The sign the perimeter fixes.
        {Kind::PAC, {"6", "3", "10"}, "h′ = u − b = 1 − 5 = −4"},
        {Kind::PAH, {"6", "4", "22"}, "m′ = b − d = 13/3 − 6 = −5/3 ≈ −1.6666667"},
    };
    for (const FailedCase& c : cases) {
        SCOPED_TRACE(Describe(c.kind, c.givens));
        const SolveSteps described = DescribeKind(c.kind, c.givens);
        ASSERT_TRUE(described.failed.has_value());
        EXPECT_EQ(described.steps.at(*described.failed).text, c.failed);
    }
}

TEST(Steps, AreEmptyWhereTheSolveReachesNoStep) {
    EXPECT_TRUE(DescribeKind(Kind::ABH, {"6", "0", "4"}).steps.empty());      // refused
    EXPECT_TRUE(DescribeKind(Kind::ABH, {"1e400", "5", "4"}).steps.empty());  // box overflows
    const Texts texts = {"6", "5", "3", "4", "18", "18"};
    EXPECT_TRUE(DescribeSolve(-1, Marks{}, texts, PlainSettings()).steps.empty());
    // Only the second trapezoid of P,b,c overflows (at its area): the first
    // one's steps, none failed.
    const std::array<std::string, 3> huge = {"1.3e154", "1.4e154", "2.8e154"};
    ASSERT_EQ(SolveKind(Kind::PBC, huge).fault, ArithmeticFault::Overflow);
    const SolveSteps pbc = DescribeKind(Kind::PBC, huge);
    EXPECT_EQ(pbc.steps.size(), 6u);
    EXPECT_FALSE(pbc.failed.has_value());
}

TEST(Steps, LeadingToAQuantityAreTheStepThatSetsItAndAllItUses) {
    const SolveSteps abc = DescribeKind(Kind::ABC, {"6", "5", "3"});  // m h P S
    EXPECT_EQ(StepsLeadingTo(abc, H), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(StepsLeadingTo(abc, P), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(StepsLeadingTo(abc, S), (std::vector<std::size_t>{0, 1, 3}));
    EXPECT_TRUE(StepsLeadingTo(abc, A).empty());
    EXPECT_TRUE(StepsLeadingTo(abc, kQuantityCount).empty());
    const SolveSteps pab = DescribeKind(Kind::PAB, {"6", "5", "18"});  // d q m h c S h′
    EXPECT_EQ(StepsLeadingTo(pab, C), (std::vector<std::size_t>{0, 1, 2, 4}));
    EXPECT_EQ(StepsLeadingTo(pab, S), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace trapezoid::test
