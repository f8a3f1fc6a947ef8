// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution as a whole text, for one kind of each family, both
// headings of P,b,c and a solve that writes nothing; the exact angles; the
// figures and the decimals after "≈".
#include <tuple>

#include <gtest/gtest.h>

#include "solve_support.hpp"
#include "trapezoid/element_solution.hpp"
#include "trapezoid/worked_solution.hpp"

namespace trapezoid::test {
namespace {

WorkedSolution Worked(Kind kind, const std::array<std::string, 3>& givens,
                      const NumberSettings& settings = PlainSettings(), int decimals = 7) {
    return BuildWorkedSolution(KindIndex(kind), MarksOfKind(kind), BoxesOfKind(kind, givens),
                               settings, SolutionOptions{decimals});
}

struct TextCase {
    Kind kind;
    std::array<std::string, 3> givens;
    NumberSettings settings;
    std::string text;
};

const TextCase kTextCases[] = {
    {Kind::ABC,
     {"10", "6", "5"},
     CommaDecimalSettings(),
     "Дадено: a = 10; b = 6; c = 5\n"
     "Търси се: h, P, S\n"
     "Решение:\n"
     "m = HB, проекцията на бедрото върху основата a: m = a − c = 10 − 5 = 5\n"
     "h = √(b² − m²) = √(6² − 5²) = √11 ≈ 3,3166248\n"
     "P = a + c + b + h = 10 + 5 + 6 + √11 = 21 + √11 ≈ 24,3166248\n"
     "S = (a + c)·h / 2 = (10 + 5)·√11 / 2 = 15√11/2 ≈ 24,8746859\n"
     "Отговор: h = √11 ≈ 3,3166248; P = 21 + √11 ≈ 24,3166248; S = 15√11/2 ≈ 24,8746859\n"
     "Още: диагонал AC = 6; диагонал BD = √111 ≈ 10,5356538; средна основа = 7,5; "
     "∠ABC ≈ 33°33′26″; ∠BCD ≈ 146°26′34″"},
    {Kind::PAB,
     {"10", "6", "30"},
     PlainSettings(),
     "Дадено: a = 10; b = 6; P = 30\n"
     "Търси се: c, h, S\n"
     "Решение:\n"
     "d = h − m, разликата между височината и проекцията HB: d = P − 2·a − b = 30 − 2·10 − 6 = 4\n"
     "q = h·m, произведението на височината и проекцията HB: q = (b² − d²) / 2 = (6² − 4²) / 2 = "
     "10\n"
     "m = HB, проекцията на бедрото върху основата a: m = (−d + √(d² + 4·q)) / 2 = "
     "(−4 + √(4² + 4·10)) / 2 = √14 − 2 ≈ 1.7416574\n"
     "h = √(b² − m²) = √(6² − (√14 − 2)²) = 2 + √14 ≈ 5.7416574\n"
     "c = a − m = 10 − (√14 − 2) = 12 − √14 ≈ 8.2583426\n"
     "S = (a + c)·h / 2 = (10 + (12 − √14))·(2 + √14) / 2 = 15 + 10√14 ≈ 52.4165739\n"
     "Отговор: c = 12 − √14 ≈ 8.2583426; h = 2 + √14 ≈ 5.7416574; S = 15 + 10√14 ≈ 52.4165739\n"
     "Още: диагонал AC ≈ 10.0581734; диагонал BD ≈ 11.5311157; средна основа = (22 − √14)/2 ≈ "
     "9.1291713; ∠ABC ≈ 73°7′32″; ∠BCD ≈ 106°52′28″"},
    {Kind::SAC,
     {"6", "3", "20"},
     PlainSettings(),
     "Дадено: a = 6; c = 3; S = 20\n"
     "Търси се: b, h, P\n"
     "Решение:\n"
     "m = HB, проекцията на бедрото върху основата a: m = a − c = 6 − 3 = 3\n"
     "h = 2·S / (a + c) = 2·20 / (6 + 3) = 40/9 ≈ 4.4444444\n"
     "b = √(m² + h²) = √(3² + (40/9)²) = √2329/9 ≈ 5.3621904\n"
     "P = a + c + b + h = 6 + 3 + √2329/9 + 40/9 = (121 + √2329)/9 ≈ 18.8066349\n"
     "Отговор: b = √2329/9 ≈ 5.3621904; h = 40/9 ≈ 4.4444444; P = (121 + √2329)/9 ≈ 18.8066349\n"
     "Още: диагонал AC = √2329/9 ≈ 5.3621904; диагонал BD = 2√1129/9 ≈ 7.4667989; средна основа = "
     "4.5; ∠ABC ≈ 55°58′50″; ∠BCD ≈ 124°1′10″"},
    {Kind::PBC,
     {"5", "2", "15"},
     CommaDecimalSettings(),
     "Дадено: b = 5; c = 2; P = 15\n"
     "Търси се: a, h, S\n"
     "Решение:\n"
     "x = h + m, сборът на височината и проекцията HB: x = P − b − 2·c = 15 − 5 − 2·2 = 6\n"
     "r = |h − m|, разликата между височината и проекцията HB: r = √(x² − 2·(x² − b²)) = "
     "√(6² − 2·(6² − 5²)) = √14 ≈ 3,7416574\n"
     "Първа възможност:\n"
     "m = HB, проекцията на бедрото върху основата a: m = (x − r) / 2 = (6 − √14) / 2 = "
     "(6 − √14)/2 ≈ 1,1291713\n"
     "a = c + m = 2 + (6 − √14)/2 = (10 − √14)/2 ≈ 3,1291713\n"
     "h = P − a − b − c = 15 − (10 − √14)/2 − 5 − 2 = (6 + √14)/2 ≈ 4,8708287\n"
     "S = (a + c)·h / 2 = ((10 − √14)/2 + 2)·((6 + √14)/2) / 2 = 8,75 + √14 ≈ 12,4916574\n"
     "Отговор: a = (10 − √14)/2 ≈ 3,1291713; h = (6 + √14)/2 ≈ 4,8708287; S = 8,75 + √14 ≈ "
     "12,4916574\n"
     "Още: диагонал AC ≈ 5,2654508; диагонал BD ≈ 5,7893597; средна основа = (14 − √14)/4 ≈ "
     "2,5645857; ∠ABC ≈ 76°56′53″; ∠BCD ≈ 103°3′7″\n"
     "Втора възможност:\n"
     "m = (x + r) / 2 = (6 + √14) / 2 = (6 + √14)/2 ≈ 4,8708287\n"
     "a = c + m = 2 + (6 + √14)/2 = (10 + √14)/2 ≈ 6,8708287\n"
     "h = P − 2·c − b − m = 15 − 2·2 − 5 − (6 + √14)/2 = (6 − √14)/2 ≈ 1,1291713\n"
     "S = (2·c + m)·h / 2 = (2·2 + (6 + √14)/2)·((6 − √14)/2) / 2 = 8,75 − √14 ≈ 5,0083426\n"
     "Отговор: a = (10 + √14)/2 ≈ 6,8708287; h = (6 − √14)/2 ≈ 1,1291713; S = 8,75 − √14 ≈ "
     "5,0083426\n"
     "Още: диагонал AC ≈ 2,2967429; диагонал BD ≈ 6,9629961; средна основа = (14 + √14)/4 ≈ "
     "4,4354143; ∠ABC ≈ 13°3′7″; ∠BCD ≈ 166°56′53″"},
    // The second trapezoid's height comes out negative: one trapezoid, c longer than a.
    {Kind::PBC,
     {"5", "3", "15"},
     PlainSettings(),
     "Дадено: b = 5; c = 3; P = 15\n"
     "Търси се: a, h, S\n"
     "Решение:\n"
     "x = h + m, сборът на височината и проекцията HB: x = P − b − 2·c = 15 − 5 − 2·3 = 4\n"
     "r = |h − m|, разликата между височината и проекцията HB: r = √(x² − 2·(x² − b²)) = "
     "√(4² − 2·(4² − 5²)) = √34 ≈ 5.8309519\n"
     "Има една възможност:\n"
     "m = HB, проекцията на бедрото върху основата a: m = (x − r) / 2 = (4 − √34) / 2 = "
     "(4 − √34)/2 ≈ −0.9154759\n"
     "a = c + m = 3 + (4 − √34)/2 = (10 − √34)/2 ≈ 2.0845241\n"
     "h = P − a − b − c = 15 − (10 − √34)/2 − 5 − 3 = (4 + √34)/2 ≈ 4.9154759\n"
     "S = (a + c)·h / 2 = ((10 − √34)/2 + 3)·((4 + √34)/2) / 2 = (15 + 6√34)/4 ≈ 12.4964278\n"
     "Тук AB е по-малката основа, затова ∠ABC е тъп.\n"
     "Отговор: a = (10 − √34)/2 ≈ 2.0845241; h = (4 + √34)/2 ≈ 4.9154759; S = (15 + 6√34)/4 ≈ "
     "12.4964278\n"
     "Още: диагонал AC ≈ 5.7586373; диагонал BD ≈ 5.3392082; средна основа = (16 − √34)/4 ≈ "
     "2.542262; ∠ABC ≈ 100°33′; ∠BCD ≈ 79°27′"},
    // Nothing written: the sentence and the step that fails, no answer.
    {Kind::ABC,
     {"6", "2", "3"},
     PlainSettings(),
     "Дадено: a = 6; b = 2; c = 3\n"
     "Търси се: h, P, S\n"
     "Няма правоъгълен трапец с тези размери: бедрото b = 2 е по-късо от разликата на основите "
     "|a − c| = 3.\n"
     "h = √(b² − m²) = √(2² − 3²)"},
    {Kind::ABC,
     {"6", "0", "3"},
     PlainSettings(),
     "Дадено: a = 6; b = 0; c = 3\n"
     "Търси се: h, P, S\n"
     "В полето на b няма число, по-голямо от 0."},
};

TEST(WorkedSolution, IsWrittenAsAPupilWritesIt) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(Describe(c.kind, c.givens));
        const WorkedSolution solution = Worked(c.kind, c.givens, c.settings);
        EXPECT_EQ(solution.text, c.text);
        EXPECT_EQ(solution.solved, !solution.figures.empty());
        EXPECT_EQ(solution.no_figure_reason.empty(), solution.solved);
    }
}

TEST(WorkedSolution, WritesTheSpecialAnglesExactlyWhateverSideTheLegLeans) {
    const std::tuple<Kind, std::array<std::string, 3>, std::string> cases[] = {
        {Kind::ABC, {"3", "2", "2"}, "∠ABC = 60°; ∠BCD = 120°"},
        {Kind::ABC, {"2", "2", "3"}, "∠ABC = 120°; ∠BCD = 60°"},   // c longer than a
        {Kind::PAB, {"5", "6", "16"}, "∠ABC = 45°; ∠BCD = 135°"},  // h = m = 3√2
        {Kind::BCH, {"4", "3", "4"}, "∠ABC = 90°; ∠BCD = 90°"},    // a rectangle
    };
    for (const auto& [kind, givens, angles] : cases) {
        SCOPED_TRACE(Describe(kind, givens));
        EXPECT_NE(Worked(kind, givens).text.find(angles), std::string::npos);
    }
}

TEST(WorkedSolution, LabelsTheFiguresAndWritesTheChosenDecimalsAfterApproximately) {
    const WorkedSolution one = Worked(Kind::ABC, {"10", "6", "5.5"}, CommaDecimalSettings(), 2);
    ASSERT_EQ(one.figures.size(), 1u);
    EXPECT_EQ(one.figures[0].heading, "");
    EXPECT_EQ(one.figures[0].exact, (std::array<std::string, 4>{"10", "6", "5,5", "3√7/2"}));
    EXPECT_EQ(one.figures[0].written[3], "3√7/2 ≈ 3,97");
    EXPECT_NE(one.text.find("h = √(b² − m²) = √(6² − 4,5²) = 3√7/2 ≈ 3,97\n"), std::string::npos);
    EXPECT_NE(one.text.find("P = a + c + b + h = 10 + 5,5 + 6 + 3√7/2"), std::string::npos);

    const WorkedSolution two = Worked(Kind::PBC, {"5", "2", "15"});
    ASSERT_EQ(two.figures.size(), 2u);
    EXPECT_EQ(two.figures[1].heading, "Втора възможност");
    EXPECT_EQ(two.figures[1].exact[0], "");  // "(10 + √14)/2" is too long for a label
    EXPECT_EQ(two.figures[1].written[0], "(10 + √14)/2 ≈ 6.8708287");
    EXPECT_NEAR(two.figures[1].lengths[3], 1.1291713, 1e-7);
}

}  // namespace
}  // namespace trapezoid::test
