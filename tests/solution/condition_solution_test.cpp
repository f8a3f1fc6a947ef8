// SPDX-License-Identifier: GPL-3.0-or-later
// Givens as a textbook states them, worked out by the engine: the lines the
// pupil reads, the exit code, and a figure for each trapezoid.
#include <gtest/gtest.h>

#include "trapezoid/condition_solution.hpp"

namespace trapezoid {
namespace {

NumberSettings Bulgarian() {
    NumberSettings settings;
    settings.decimal_separator = ",";
    return settings;
}

ConditionSolution Solve(const std::vector<std::string>& texts) {
    const ConditionTexts read = ReadConditionTexts(texts);
    EXPECT_TRUE(read.message.empty()) << read.message;
    return SolveConditions(read.givens, Bulgarian());
}

struct Example {
    std::string name;
    std::vector<std::string> givens;
    int exit_code;
    std::size_t figures;
    std::vector<std::string> lines;  // each must stand in the text
};

class TextbookGivens : public testing::TestWithParam<Example> {};

TEST_P(TextbookGivens, AreWrittenByTheEngineFromTheTrapezoidFound) {
    const Example& example = GetParam();
    const ConditionSolution solution = Solve(example.givens);
    EXPECT_EQ(solution.exit_code, example.exit_code);
    EXPECT_EQ(solution.worked.figures.size(), example.figures);
    for (const std::string& line : example.lines) {
        EXPECT_NE(solution.worked.text.find(line), std::string::npos) << line << "\nin\n"
                                                                      << solution.worked.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TextbookGivens,
    testing::Values(Example{"DiagonalPerpendicularToTheLeg",
                            {"a=10", "B=60", "ACB=90"},
                            0,
                            1,
                            {"Дадено: a = 10; B = 60; ACB = 90", "Търси се: b, c, h, P, S",
                             "CH² = AH·HB ⇒ h² = c·m", "h = 5√3/2 ≈ 4,330127",
                             "b = √(m² + h²) = √(2,5² + (5√3/2)²) = 5",
                             "S = 175√3/8 ≈ 37,8886114"}},
                    Example{"InscribedCircle",
                            {"P=40", "b=12", "a+c=b+h"},
                            0,
                            1,
                            {"a + c = b + h; r = h/2", "Отговор: a = 10 + 2√5 ≈ 14,472136",
                             "c = 10 − 2√5 ≈ 5,527864; h = 8; S = 80", "; r = h/2 = 4"}},
                    Example{"ShapeOnly",
                            {"a:c=3:1", "h=c"},
                            0,
                            0,
                            {"∠ABC ≈ 26°33′54″", "∠BCD ≈ 153°26′6″", "нужна е още една дължина"}},
                    Example{"ExactValueKeptExact",
                            {"a=7", "c=4", "h=2sqrt3/2"},
                            0,
                            1,
                            {"Дадено: a = 7; c = 4; h = 2sqrt3/2", "√(3² + (√3)²) = 2√3",
                             "∠ABC = 30°; ∠BCD = 150°"}},
                    // Values found only numerically enter the formulas by their rounded decimals.
                    Example{"NumericValuesEnterRounded",
                            {"S=0.498875630473102", "c+b=1.318948886289771", "P=3.012729040074601"},
                            0,
                            2,
                            {"m = a − c = 0,8890272 − 0,3507959 ≈ 0,5382314", "Втора възможност"}},
                    Example{"AngleFunction",
                            {"c=3", "h=4", "tgB=4/3"},
                            0,
                            1,
                            {"m = a − c = 6 − 3 = 3", "Отговор: a = 6; b = 5"}},
                    Example{"SingleAngle", {"C=120"}, 0, 0, {"∠ABC = 60°"}},
                    Example{"ContradictingFourGivens",
                            {"a=10", "c=4", "h=√3", "b=4"},
                            1,
                            0,
                            {"си противоречат: „b=4“"}},
                    Example{"TwoGivensFixOnlyWhatEveryMemberShares",
                            {"a=10", "h=2sqrt(3)"},
                            0,
                            0,
                            {"Двете дадени определят a = 10, h = 3,4641016, BD = 10,5830052;"}}),
    [](const testing::TestParamInfo<Example>& info) { return info.param.name; });

TEST(TextbookGivens, TwoTrapezoidsAreWrittenUnderTheirHeadingsWithAFigureEach) {
    // h² = c·m with c + m = a: two bases c fit.
    const ConditionSolution solution = Solve({"a=10", "h=4", "∠ACB=90"});
    ASSERT_EQ(solution.exit_code, 0) << solution.worked.text;
    EXPECT_EQ(solution.worked.figures.size(), 2U);
    EXPECT_NE(solution.worked.text.find("Първа възможност:"), std::string::npos);
    EXPECT_NE(solution.worked.text.find("Втора възможност:"), std::string::npos);
}

}  // namespace
}  // namespace trapezoid
