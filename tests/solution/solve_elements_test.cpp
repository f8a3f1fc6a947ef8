// SPDX-License-Identifier: GPL-3.0-or-later
// Solving from any elements: the faults that could really hide here.
#include <gtest/gtest.h>

#include <cmath>

#include "trapezoid/element_solution.hpp"
#include "trapezoid/shared/branch_table.hpp"

namespace trapezoid {
namespace {

using Status = ElementSolution::Status;

NumberSettings CommaSettings() {
    NumberSettings settings;
    settings.decimal_separator = ",";
    return settings;
}

ElementSolution SolveArguments(std::initializer_list<const char*> arguments) {
    std::vector<ElementGiven> givens;
    for (const char* argument : arguments) {
        givens.push_back(*ReadElementArgument(argument, NumberSettings{}).given);
    }
    return SolveElements(givens, CommaSettings());
}

TEST(ElementTriples, CountsOfEachWay) {
    int counts[3] = {};
    for (int x = 0; x < kElementCount; ++x) {
        for (int y = x + 1; y < kElementCount; ++y) {
            for (int z = y + 1; z < kElementCount; ++z) {
                ++counts[static_cast<int>(
                    ClassifyTriple({ElementAt(x), ElementAt(y), ElementAt(z)}))];
            }
        }
    }
    EXPECT_EQ(counts[static_cast<int>(TripleWay::Kind)], 104);
    EXPECT_EQ(counts[static_cast<int>(TripleWay::Equation)], 50);
    EXPECT_EQ(counts[static_cast<int>(TripleWay::Dependent)], 11);
}

// A triple that reduces to a kind gives exactly what that kind's branch gives
// for the three values it reached.
TEST(ElementTriples, KindBranchComputesTheRest) {
    for (const auto& triple : {std::initializer_list<const char*>{"a=12", "c=8", "B=33.7"},
                               {"MN=14", "h=6", "b=7.3"},
                               {"AC=13", "BD=15", "h=12"},
                               {"P=31.4", "m=3.3", "h=4.1"},
                               {"b=5", "c=3", "P=18"}}) {
        const ElementSolution solution = SolveArguments(triple);
        ASSERT_EQ(solution.status, Status::Solved) << solution.message;
        const ElementTrapezoid& found = solution.trapezoids.front();
        const auto& q = found.quantities;
        const detail::SixQuantities<detail::Checked> read{q[0], q[1], q[2], q[3], q[4], q[5]};
        const auto branch = detail::BranchOf<detail::Checked>(found.kind)(read).values;
        const std::array<double, 6> expected = {branch.a.value(), branch.b.value(),
                                                branch.c.value(), branch.h.value(),
                                                branch.P.value(), branch.S.value()};
        EXPECT_EQ(q, expected) << *triple.begin();
    }
}

struct ValueRow {
    std::initializer_list<const char*> givens;
    int quantity;  // QuantityIndex
    double expected;
};

// Each relation in its own triangle and with its own sign.
TEST(ElementTriples, RelationsOfTheRightTriangles) {
    const ValueRow rows[] = {
        {{"b=10", "B=30", "c=2"}, QuantityIndex::H, 5},                          // sin, not cos
        {{"b=10", "B=30", "c=2"}, QuantityIndex::A, 2 + 10 * std::sqrt(3) / 2},  // m = b·cos
        {{"a=12", "c=8", "B=45"}, QuantityIndex::B, 4 * std::sqrt(2)},
        {{"h=6", "B=60", "c=1"}, QuantityIndex::A, 1 + 6 / std::sqrt(3)},   // m = h / tg
        {{"BD=10", "h=6", "c=3"}, QuantityIndex::B, std::sqrt(25.0 + 36)},  // BD goes with a
        {{"AC=5", "h=4", "a=6"}, QuantityIndex::B, 5},                      // AC goes with c
        {{"MN=7", "c=4", "h=4"}, QuantityIndex::A, 10},
        {{"S=18", "MN=4.5", "b=5"}, QuantityIndex::A, 6},
        {{"m=3", "MN=4.5", "AC=5"}, QuantityIndex::H, 4},  // two equations
        {{"a=9", "P=30", "B=60"}, QuantityIndex::C, 9 - 12 / (2 + std::sqrt(3) - 1)},
    };
    for (const ValueRow& row : rows) {
        const ElementSolution solution = SolveArguments(row.givens);
        ASSERT_EQ(solution.status, Status::Solved) << solution.message;
        ASSERT_EQ(solution.trapezoids.size(), 1u) << *row.givens.begin();
        EXPECT_NEAR(solution.trapezoids[0].quantities[static_cast<std::size_t>(row.quantity)],
                    row.expected, 1e-12 * row.expected)
            << *row.givens.begin();
    }
}

TEST(ElementTriples, DependentGivensAreNotSolved) {
    const struct {
        std::initializer_list<const char*> givens;
        Status status;
        const char* relation;
    } rows[] = {
        {{"a=12", "c=8", "MN=10"}, Status::Dependent, "MN = (a + c)/2"},
        {{"a=12", "c=8", "MN=11"}, Status::Contradiction, "MN = (a + c)/2"},
        {{"b=10", "h=5", "B=30"}, Status::Dependent, "sin ∠B = h/b"},
        {{"b=10", "h=5", "C=149"}, Status::Contradiction, "sin ∠B = h/b"},
        {{"c=3", "h=4", "AC=5"}, Status::Dependent, "AC² = c² + h²"},
        {{"S=84", "MN=14", "h=6"}, Status::Dependent, "S = MN·h"},
        {{"a=6", "c=6", "B=90"}, Status::Dependent, "m = a − c"},
        {{"m=2", "a=5", "B=90"}, Status::Contradiction, "m = HB = 0"},
    };
    for (const auto& row : rows) {
        const ElementSolution solution = SolveArguments(row.givens);
        EXPECT_EQ(solution.status, row.status) << solution.message;
        EXPECT_NE(solution.message.find(row.relation), std::string::npos) << solution.message;
        EXPECT_TRUE(solution.trapezoids.empty());
    }
}

TEST(ElementTriples, EveryTrapezoidIsListed) {
    const struct {
        std::initializer_list<const char*> givens;
        std::size_t count;
    } rows[] = {
        {{"a=6", "P=18", "S=18"}, 2},   // quadratic in h: h = 3 (a rectangle) and 4
        {{"b=5", "c=3", "P=18"}, 2},    // the kind P,b,c itself
        {{"a=10", "AC=8", "B=45"}, 2},  // the circle about A meets the leg's line twice
        {{"P=19.65685424949238", "S=20", "B=45"}, 2},
        {{"a=10", "S=30", "B=45"}, 1},  // the other root makes c negative
    };
    for (const auto& row : rows) {
        const ElementSolution solution = SolveArguments(row.givens);
        ASSERT_EQ(solution.trapezoids.size(), row.count) << *row.givens.begin();
        if (row.count > 1) {
            const std::string text = WriteElementSolution(solution, CommaSettings());
            EXPECT_NE(text.find("Втора възможност"), std::string::npos) << text;
        }
    }
}

TEST(ElementTriples, ImpossibleGivensSayWhy) {
    const struct {
        std::initializer_list<const char*> givens;
        const char* sentence;
    } rows[] = {
        {{"AC=4", "h=5", "a=3"}, "диагоналът AC = 4 не е по-дълъг от височината h = 5"},
        {{"a=8", "c=12", "B=45"}, "основата a трябва да е по-дълга от c"},
        // Three quantities of a kind fail as the kind says.
        {{"b=3", "h=5", "a=4"}, "бедрото b = 3 е по-късо от височината h = 5"},
        {{"P=18", "S=18", "B=45"}, "няма реален корен"},
    };
    for (const auto& row : rows) {
        const ElementSolution solution = SolveArguments(row.givens);
        EXPECT_EQ(solution.status, Status::Impossible);
        const std::string text = WriteElementSolution(solution, CommaSettings());
        EXPECT_NE(text.find(row.sentence), std::string::npos) << text;
        EXPECT_EQ(text.find("Отговор"), std::string::npos) << text;
    }
}

TEST(ElementTriples, HigherDegreeIsSolvedNumerically) {
    // a = 6, b = 5, c = 3, h = 4 gives P = 18, AC = 5, BD = √52; so does a second
    // trapezoid with h ≈ 4,4540821.
    const ElementSolution solution = SolveArguments({"P=18", "AC=5", "BD=7.211102550927978"});
    EXPECT_EQ(solution.method, ElementSolution::Method::Numeric);
    ASSERT_EQ(solution.trapezoids.size(), 2u);
    EXPECT_NEAR(solution.trapezoids[0].quantities[0], 6, 1e-9);
    EXPECT_NEAR(solution.trapezoids[1].quantities[3], 4.4540821, 1e-7);
    EXPECT_NE(WriteElementSolution(solution, CommaSettings()).find("решено числено"),
              std::string::npos);
}

TEST(ElementText, AnswerAndMoreLeaveOutTheGivens) {
    const std::string text =
        WriteElementSolution(SolveArguments({"a=12", "c=8", "B=45"}), CommaSettings());
    EXPECT_NE(text.find("Дадено: a = 12; c = 8; ∠B = 45°\nТърси се: b, h, P, S\nРешение:\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("h = m·tg ∠B = 4·tg 45° = 4\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nОтговор: b = 4√2 ≈ 5,6568542; h = 4; P = 24 + 4√2 ≈ 29,6568542; "
                        "S = 40\nОще: диагонал AC = 4√5 ≈ 8,9442719; диагонал BD = 4√10 ≈ "
                        "12,6491106; средна основа = 10; ∠BCD = 135°"),
              std::string::npos)
        << text;
}

// The sine, cosine and tangent of 30°, 45° and 60° are exact, whichever
// relation or equation takes them, and an angle found from exact sides is
// exact too.
TEST(ElementText, SpecialAnglesGiveExactValues) {
    const struct {
        std::initializer_list<const char*> givens;
        const char* step;
    } rows[] = {
        {{"a=10", "b=6", "C=120"},
         "∠B = 180° − ∠C = 180° − 120° = 60°\n"
         "от правоъгълния триъгълник HBC: h = b·sin ∠B = 6·sin 60° = "
         "3√3 ≈ 5,1961524\n"},
        {{"a=10", "b=6", "B=30"}, "c = a − m = 10 − 3√3 ≈ 4,8038476\n"},
        {{"c=2", "h=6", "B=60"}, "m = h / tg ∠B = 6 / tg 60° = 2√3 ≈ 3,4641016\n"},
        {{"a=4", "c=1", "h=3"}, "∠ABC = 45°"},
        {{"a=4", "c=5", "h=1"}, "∠ABC = 135°"},
        // A quadratic equation with exact coefficients has exact roots.
        {{"a=10", "AC=8", "B=45"}, "2·m² − 20·m + 36 = 0 ⇒ m₁ = 5 − √7 ≈ 2,3542487; m₂ = 5 + √7"},
        {{"a=10", "P=30", "B=60"}, "(1 + √3)·m − 10 = 0 ⇒ m = 5√3 − 5 ≈ 3,660254\n"},
        // The second trapezoid of kind "P,b,c" too.
        {{"b=5", "c=2", "P=15"}, "m = (x + r) / 2 = (6 + √14) / 2 = (6 + √14)/2 ≈ 4,8708287\n"},
    };
    for (const auto& row : rows) {
        const std::string text = WriteElementSolution(SolveArguments(row.givens), CommaSettings());
        EXPECT_NE(text.find(row.step), std::string::npos) << text;
    }
}

TEST(ElementText, TwoGivensTellWhatTheyDetermine) {
    const ElementSolution solution = SolveArguments({"MN=14", "h=6"});
    EXPECT_EQ(solution.status, Status::TwoGivens);
    const std::string text = WriteElementSolution(solution, CommaSettings());
    EXPECT_NE(text.find("MN = 14 и h = 6 дават S = 84."), std::string::npos) << text;
    EXPECT_NE(text.find("За a, b, c, P, m, AC, BD, ∠B е нужен още един елемент."),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace trapezoid
