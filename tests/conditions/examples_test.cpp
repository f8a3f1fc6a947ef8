// SPDX-License-Identifier: GPL-3.0-or-later
// The problems of the textbook forms, solved: the values and exact forms of
// a, c and h, and the reason each condition is given.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "trapezoid/conditions/solve.hpp"

namespace trapezoid::conditions {
namespace {

std::vector<Given> Read(const std::vector<std::string>& texts) {
    std::vector<Given> givens;
    for (const std::string& text : texts) {
        const GivenReading reading = ReadGiven(text);
        EXPECT_TRUE(reading.given) << text << ": " << reading.message;
        if (reading.given) {
            givens.push_back(*reading.given);
        }
    }
    return givens;
}

struct Example {
    std::string name;
    std::vector<std::string> givens;
    std::string a, c, h;  // exact forms of the first trapezoid
    std::string reason;   // a step the solution must hold; empty for none
};

class TextbookExample : public testing::TestWithParam<Example> {};

TEST_P(TextbookExample, FindsTheExactTrapezoidAndGivesTheReason) {
    const Example& example = GetParam();
    const GivenSolution solution = SolveGivens(Read(example.givens), NumberSettings{});
    ASSERT_EQ(solution.status, GivenSolution::Status::Fixed) << solution.message;
    ASSERT_EQ(solution.trapezoids.size(), 1U);
    const FoundTrapezoid& found = solution.trapezoids.front();
    EXPECT_EQ(found.a.exact_text, example.a);
    EXPECT_EQ(found.c.exact_text, example.c);
    EXPECT_EQ(found.h.exact_text, example.h);
    EXPECT_TRUE(found.checked_exactly);
    if (!example.reason.empty()) {
        EXPECT_NE(std::find(solution.steps.begin(), solution.steps.end(), example.reason),
                  solution.steps.end())
            << (solution.steps.empty() ? "no steps" : solution.steps.front());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TextbookExample,
    testing::Values(Example{"DiagonalPerpendicularToTheLeg",
                            {"a=10", "B=60", "ACB=90"},
                            "10",
                            "7.5",
                            "5√3/2",
                            "△ACB е правоъгълен и CH е височината към хипотенузата ⇒ CH² = AH·HB ⇒ "
                            "h² = c·m"},
                    Example{"InscribedCircle",
                            {"P=40", "b=12", "a+c=b+h"},
                            "10 + 2√5",
                            "10 − 2√5",
                            "8",
                            "в трапеца е вписана окръжност ⇒ a + c = b + h; r = h/2"},
                    Example{"DiagonalBisectsTheAngleAtB",
                            {"a=12", "h=6", "∠ABD=∠DBC"},
                            "12",
                            "7.5",
                            "6",
                            "∠ABD = ∠BDC (кръстни ъгли) ⇒ △BCD е равнобедрен ⇒ b = c"},
                    Example{"PerpendicularDiagonals",
                            {"a=9", "c=4", "AC⊥BD"},
                            "9",
                            "4",
                            "6",
                            "△ABD ∼ △DAC ⇒ AD/AB = DC/AD ⇒ h² = a·c"},
                    Example{"ExactValue", {"a=7", "c=4", "h=√3"}, "7", "4", "√3", ""},
                    Example{"AngleFunction", {"c=3", "h=4", "tgB=4/3"}, "6", "3", "4", ""},
                    Example{"RadiusGivesTwoEquations", {"r=4", "a=14"}, "14", "5.6", "8", ""},
                    Example{"PartsOfADiagonal",
                            {"BO:OD=7:3", "h=4", "c=3"},
                            "7",
                            "3",
                            "4",
                            "△ABO ∼ △CDO ⇒ a : c = 7 : 3"},
                    Example{"DiagonalEqualToTheLeg",
                            {"AC=BC", "a=8", "h=3"},
                            "8",
                            "4",
                            "3",
                            "△ACB е равнобедрен ⇒ H е среда на AB ⇒ c = m"},
                    Example{"AngleBetweenDiagonalAndBase",
                            {"∠CAB=45", "a=7", "h=4"},
                            "7",
                            "4",
                            "4",
                            "tg ∠CAB = h/c"}),
    [](const testing::TestParamInfo<Example>& info) { return info.param.name; });

TEST(TextbookExamples, ShapeOnlyGivesTheAnglesAndAsksForALength) {
    const GivenSolution solution = SolveGivens(Read({"a:c=3:1", "h=c"}), NumberSettings{});
    ASSERT_EQ(solution.status, GivenSolution::Status::ShapeOnly);
    ASSERT_EQ(solution.angles_b.size(), 1U);
    EXPECT_NEAR(solution.angles_b.front(), 26.565051177077990, 1e-9);
    EXPECT_NE(solution.message.find("∠ABC ≈ 26°33′54″ и ∠BCD ≈ 153°26′6″"), std::string::npos)
        << solution.message;
    EXPECT_NE(solution.message.find("дължина"), std::string::npos);
}

struct Outcome {
    std::string name;
    std::vector<std::string> givens;
    GivenSolution::Status status;
    std::string words;  // part of the message
};

class GivenOutcome : public testing::TestWithParam<Outcome> {};

TEST_P(GivenOutcome, TellsWhatTheGivensFixOrWhyNot) {
    const Outcome& outcome = GetParam();
    const GivenSolution solution = SolveGivens(Read(outcome.givens), NumberSettings{});
    EXPECT_EQ(solution.status, outcome.status) << solution.message;
    EXPECT_NE(solution.message.find(outcome.words), std::string::npos) << solution.message;
}

using Status = GivenSolution::Status;
INSTANTIATE_TEST_SUITE_P(
    Outcomes, GivenOutcome,
    testing::Values(
        Outcome{"SingleAngleGivesTheOther", {"C=5B"}, Status::SingleAngle, "∠BCD = 150°"},
        Outcome{"TangentOfTheObtuseAngle", {"tgC=-1"}, Status::SingleAngle, "∠ABC = 45°"},
        Outcome{"SingleLengthIsTooFew", {"a=5"}, Status::TooFew, "„a=5“"},
        Outcome{"TwoGivensSayWhatTheyFix", {"a=10", "c=4"}, Status::TwoGivens, "m = 6"},
        Outcome{
            "ADifferenceRepeatsTheBases", {"a=10", "c=4", "a-c=6"}, Status::Dependent, "„a-c=6“"},
        Outcome{"PerimeterTwiceTheLegsOfAnInscribedCircle",
                {"a+c=b+h", "P=8", "b+h=4"},
                Status::Dependent,
                "„b+h=4“"},
        Outcome{
            "ADifferenceBreaksTheBases", {"a=10", "c=4", "m=5"}, Status::Contradicting, "„m=5“"},
        Outcome{"FourthGivenBreaksTheTrapezoid",
                {"a=9", "c=4", "AC⊥BD", "h=5"},
                Status::Contradicting,
                "„h=5“"},
        Outcome{"AlwaysPerpendicularAddsNothing",
                {"a=10", "c=4", "DA⊥AB"},
                Status::TwoGivens,
                "„DA⊥AB“ е вярно за всеки"},
        Outcome{"LegShorterThanTheHeight",
                {"a=10", "c=4", "b=3"},
                Status::NoTrapezoid,
                "Няма правоъгълен трапец"},
        Outcome{"ARectangleIsNoTrapezoid",
                {"a+c=2√3", "h=2√3", "tg∠CAB=2"},
                Status::NoTrapezoid,
                "„tg∠CAB=2“"},
        Outcome{"TwoRightAnglesAtC",
                {"ACB=90", "BCD=90", "a=3"},
                Status::NoTrapezoid,
                "Няма правоъгълен трапец"}),
    [](const testing::TestParamInfo<Outcome>& info) { return info.param.name; });

TEST(TextbookExamples, WithoutAnExactFormTheStepGivesDecimals) {
    NumberSettings comma;
    comma.decimal_separator = ",";
    const GivenSolution solution = SolveGivens(Read({"a=10.3", "AO=4.1", "tg∠CAB=0.7"}), comma);
    ASSERT_EQ(solution.status, Status::Fixed) << solution.message;
    ASSERT_FALSE(solution.trapezoids.empty());
    const FoundTrapezoid& found = solution.trapezoids.front();
    EXPECT_TRUE(solution.numeric);
    EXPECT_EQ(found.a.exact_text, "10,3");
    EXPECT_FALSE(found.c.exact);
    EXPECT_NE(found.step.find("c ≈ "), std::string::npos) << found.step;
    EXPECT_NE(solution.steps.back().find("tg ∠CAB = h/c"), std::string::npos);
}

TEST(TextbookExamples, ExactFormsFollowTheLeadingZeroSetting) {
    NumberSettings bare;
    bare.decimal_separator = ",";
    bare.leading_zero = false;
    const GivenSolution solution = SolveGivens(Read({"a=1", "c=1/2", "h=3/4"}), bare);
    ASSERT_EQ(solution.status, Status::Fixed) << solution.message;
    EXPECT_EQ(solution.trapezoids.front().step, "a = 1, c = ,5, h = ,75");
}

struct Extreme {
    std::vector<std::string> givens;
    double a, c, h;
};

class ExtremeShape : public testing::TestWithParam<Extreme> {};

TEST_P(ExtremeShape, IsFoundAsWellAsAnOrdinaryOne) {
    const GivenSolution solution = SolveGivens(Read(GetParam().givens), NumberSettings{});
    ASSERT_EQ(solution.status, Status::Fixed) << solution.message;
    ASSERT_EQ(solution.trapezoids.size(), 1U);
    const FoundTrapezoid& found = solution.trapezoids.front();
    EXPECT_NEAR(found.a.value, GetParam().a, 1e-9 * GetParam().a);
    EXPECT_NEAR(found.c.value, GetParam().c, 1e-9 * GetParam().a);
    EXPECT_NEAR(found.h.value, GetParam().h, 1e-9 * GetParam().h);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ExtremeShape,
    testing::Values(Extreme{{"a=1000", "c=0.5", "h=0.05"}, 1000, 0.5, 0.05},
                    Extreme{{"a=1", "m=0.0001", "h=300"}, 1, 0.9999, 300},
                    Extreme{{"a=1000", "c=999", "AC⊥BD"}, 1000, 999, std::sqrt(999000.0)},
                    Extreme{{"h=1", "tgB=1000", "S=1"}, 1.0005, 0.9995, 1}));

TEST(TextbookExamples, TwoGivensSayWhatTheyFix) {
    const GivenSolution angle = SolveGivens(Read({"B=45", "h=4"}), NumberSettings{});
    ASSERT_EQ(angle.status, Status::TwoGivens) << angle.message;
    EXPECT_EQ(angle.fixed,
              (std::vector<std::string>{"b = 5.6568542", "h = 4", "m = 4", "∠ABC = 45°"}));
    const GivenSolution midline = SolveGivens(Read({"S=20", "MN=5"}), NumberSettings{});
    EXPECT_EQ(midline.fixed, (std::vector<std::string>{"h = 4", "S = 20", "MN = 5"}));
    const GivenSolution loose = SolveGivens(Read({"AC⊥BD", "a=9"}), NumberSettings{});
    EXPECT_EQ(loose.fixed, (std::vector<std::string>{"a = 9"}));
}

TEST(TextbookExamples, TwoTrapezoidsAreBothFound) {
    // P = 24, b = 8 and c = 3: a = 8 ± √7 with h = 5 ∓ √7.
    const GivenSolution solution = SolveGivens(Read({"P=24", "b=8", "c=3"}), NumberSettings{});
    ASSERT_EQ(solution.status, Status::Fixed);
    EXPECT_EQ(solution.trapezoids.size(), 2U);
}

}  // namespace
}  // namespace trapezoid::conditions

namespace trapezoid::conditions {
namespace {

TEST(TextbookExamples, TwoCloseTrapezoidsAreBothFound) {
    // a + h is fixed by P − (c + b); the area then meets two shapes 3% apart.
    const GivenSolution solution =
        SolveGivens(Read({"S=0.498875630473102", "c+b=1.318948886289771", "P=3.012729040074601"}),
                    NumberSettings{});
    ASSERT_EQ(solution.status, Status::Fixed) << solution.message;
    ASSERT_EQ(solution.trapezoids.size(), 2U);
    for (const FoundTrapezoid& trapezoid : solution.trapezoids) {
        const double h = trapezoid.h.value;
        EXPECT_NEAR((trapezoid.a.value + trapezoid.c.value) * h / 2, 0.498875630473102, 1e-9);
    }
}

}  // namespace
}  // namespace trapezoid::conditions
