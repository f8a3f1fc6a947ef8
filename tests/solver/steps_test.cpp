// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of a solve: for every kind, each step's formula, with letters or
// with numbers, evaluates to the value it shows; the texts' signs and
// parentheses; the failed step; the steps leading to a quantity.
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

// "name = letters = numbers = value", or without the value for a failed step.
std::vector<std::string> Parts(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(" = ", start)) != std::string::npos; start = at + 3) {
        parts.push_back(text.substr(start, at - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

bool Near(double got, double want) {
    return std::fabs(got - want) <= 1e-9 * std::max(1.0, std::fabs(want));
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
};

TEST(Steps, EveryStepOfEveryKindEvaluatesToItsValueInLettersAndInNumbers) {
    for (const StepsCase& c : kStepsCases) {
        SCOPED_TRACE(Describe(c.kind, c.givens));
        ASSERT_EQ(
            Solve(KindIndex(c.kind), MarksOfKind(c.kind), BoxesOfKind(c.kind, c.givens), c.settings)
                .status,
            SolveOutcome::Status::Solved);
        const SolveSteps described = DescribeKind(c.kind, c.givens, c.settings);
        EXPECT_FALSE(described.failed.has_value());
        StepEvaluator::Names names;
        for (int i = 0; i < 3; ++i) {
            const int index = GivensOf(c.kind)[i];
            names[std::string(kQuantitySymbols[index])] = ReadPlain(c.givens[i]);
        }
        std::string seen;
        for (const SolveStep& step : described.steps) {
            SCOPED_TRACE(step.text);
            seen += (seen.empty() ? "" : " ") + step.name;
            const std::vector<std::string> parts = Parts(step.text);
            ASSERT_EQ(parts.size(), 4u);
            EXPECT_EQ(parts[0], step.name);
            const double value = StepEvaluator::Evaluate(parts[3], {});
            EXPECT_TRUE(Near(StepEvaluator::Evaluate(parts[1], names), value));
            EXPECT_TRUE(Near(StepEvaluator::Evaluate(parts[2], {}), value));
            names[step.name] = value;
        }
        EXPECT_EQ(seen, c.names);
    }
}

TEST(Steps, WriteTheFormulasWithTheirOwnGroupingAndTheUsersNumbers) {
    const std::vector<std::string> expected = {
        "m = a − c = 6 − 3 = 3",
        "h = √(b² − m²) = √(5² − 3²) = 4",
        "P = a + c + b + h = 6 + 3 + 5 + 4 = 18",
        "S = (a + c)·h / 2 = (6 + 3)·4 / 2 = 18",
    };
    std::vector<std::string> texts;
    for (const SolveStep& step : DescribeKind(Kind::ABC, {"6", "5", "3"}).steps) {
        texts.push_back(step.text);
    }
    EXPECT_EQ(texts, expected);

    // Negative numbers put into a formula stand in parentheses.
    EXPECT_EQ(DescribeKind(Kind::ABC, {"3", "5", "6"}).steps[1].text,
              "h = √(b² − m²) = √(5² − (−3)²) = 4");
    const SolveSteps area = DescribeKind(Kind::SAH, {"6", "4", "10.5"}, CommaDecimalSettings());
    EXPECT_EQ(area.steps[0].text, "c = 2·S / h − a = 2·10,5 / 4 − 6 = −0,75");
    EXPECT_EQ(area.steps[1].text, "m = a − c = 6 − (−0,75) = 6,75");
    // A difference squared keeps its parentheses; a right-hand sum keeps them too.
    EXPECT_EQ(DescribeKind(Kind::PAC, {"6", "3", "18"}).steps[2].text,
              "b = (u + (a − c)² / u) / 2 = (9 + (6 − 3)² / 9) / 2 = 5");
    EXPECT_EQ(DescribeKind(Kind::PBC, {"5", "3", "18"}).steps[1].text,
              "r = √(x² − 2·(x² − b²)) = √(7² − 2·(7² − 5²)) = 1");
    EXPECT_EQ(DescribeKind(Kind::PAB, {"6", "5", "18"}).steps[2].text,
              "m = (−d + √(d² + 4·q)) / 2 = (−1 + √(1² + 4·12)) / 2 = 3");
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
        {Kind::PAH, {"6", "4", "22"}, "m′ = b − d = 4.33333333333333 − 6 = −1.66666666666667"},
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
