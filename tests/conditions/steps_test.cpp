// SPDX-License-Identifier: GPL-3.0-or-later
// The steps that lead to a, c and h: the reason of each condition, the
// equation of any other relation, and how numbers and angles are written.
#include <gtest/gtest.h>

#include "trapezoid/conditions/solve.hpp"
#include "writing.hpp"

namespace trapezoid::conditions {
namespace {

struct StepCase {
    std::string condition;  // with a=12 and h=5 unless it gives a length itself
    std::string step;
};

class ConditionStep : public testing::TestWithParam<StepCase> {};

TEST_P(ConditionStep, IsWrittenAsATextbookWritesIt) {
    std::vector<Given> givens;
    for (const std::string& text :
         {GetParam().condition, std::string("a=12"), std::string("h=5")}) {
        givens.push_back(*ReadGiven(text).given);
    }
    NumberSettings comma;
    comma.decimal_separator = ",";
    const GivenSolution solution = SolveGivens(givens, comma);
    ASSERT_EQ(solution.status, GivenSolution::Status::Fixed) << solution.message;
    ASSERT_EQ(solution.steps.size(), 1U);
    EXPECT_EQ(solution.steps.front(), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ConditionStep,
    testing::Values(StepCase{"OD:BO=3:7", "△ABO ∼ △CDO ⇒ a : c = 7 : 3"},
                    StepCase{"AO:OC=2:1", "△ABO ∼ △CDO ⇒ a : c = 2 : 1"},
                    StepCase{"∠DOC=90", "△ABD ∼ △DAC ⇒ AD/AB = DC/AD ⇒ h² = a·c"},
                    StepCase{"BC⊥CA",
                             "△ACB е правоъгълен и CH е височината към хипотенузата ⇒ CH² = "
                             "AH·HB ⇒ h² = c·m"},
                    StepCase{"∠DBC=∠ABD",
                             "∠ABD = ∠BDC (кръстни ъгли) ⇒ △BCD е равнобедрен ⇒ b = c"},
                    StepCase{"ctgB=1/2", "cotg ∠B = m/h = 1/2"},
                    StepCase{"sinC=0,8", "sin ∠C = h/b = 0,8"},
                    StepCase{"a=2sqrt(2)c", "a = 2√2·c"}, StepCase{"c+b=15", "c + b = 15"},
                    StepCase{"2c=b+h", "2·c = b + h"}, StepCase{"AO=6", "AO = 6"},
                    StepCase{"∠ACB=75°", "∠ACB = 75°"}));

TEST(ConditionStep, PlainValuesOfElementsNeedNoStep) {
    std::vector<Given> givens;
    for (const char* text : {"a=12", "b=5√2", "BD=13"}) {
        givens.push_back(*ReadGiven(text).given);
    }
    const GivenSolution solution = SolveGivens(givens, NumberSettings{});
    ASSERT_EQ(solution.status, GivenSolution::Status::Fixed) << solution.message;
    EXPECT_TRUE(solution.steps.empty());
    EXPECT_EQ(solution.trapezoids.front().step, "a = 12, c = 7, h = 5");
}

struct NumberCase {
    double value;
    bool leading_zero;
    std::string written;
};

class NumberWriting : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberWriting, FollowsTheSettings) {
    NumberSettings settings;
    settings.decimal_separator = ",";
    settings.leading_zero = GetParam().leading_zero;
    EXPECT_EQ(DecimalText(GetParam().value, settings), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumberWriting,
                         testing::Values(NumberCase{5.0, true, "5"}, NumberCase{7.5, true, "7,5"},
                                         NumberCase{-0.25, true, "−0,25"},
                                         NumberCase{-0.25, false, "−,25"},
                                         NumberCase{1.0 / 3.0, true, "0,3333333"},
                                         NumberCase{-1e-9, true, "0"},
                                         NumberCase{10.05, false, "10,05"}));

TEST(NumberWriting, ExactFormsDropTheLeadingZeroOnlyBeforeTheSeparator) {
    NumberSettings settings;
    settings.decimal_separator = ",";
    settings.leading_zero = false;
    const auto half_root = exact::Divide(*exact::SquareRoot(exact::Surd(2)), exact::Surd(2));
    const auto sum =
        exact::Add(exact::Surd(exact::Rational(1, 2)), *exact::SquareRoot(exact::Surd(3)));
    EXPECT_EQ(ExactText(*half_root, settings), "√2/2");
    EXPECT_EQ(ExactText(*sum, settings), ",5 + √3");
    EXPECT_EQ(ExactText(exact::Surd(exact::Rational(101, 10)), settings), "10,1");
}

TEST(AngleWriting, WholeSecondsAreExact) {
    EXPECT_EQ(AngleEnding(30.0), "= 30°");
    EXPECT_EQ(AngleEnding(150.0), "= 150°");
    EXPECT_EQ(AngleEnding(26.565051177077990), "≈ 26°33′54″");
    EXPECT_EQ(AngleEnding(33.5), "= 33°30′");
    EXPECT_EQ(AngleEnding(59.99999999), "≈ 60°");
}

}  // namespace
}  // namespace trapezoid::conditions
