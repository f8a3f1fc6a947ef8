// SPDX-License-Identifier: GPL-3.0-or-later
// Random proper trapezoids and random independent triples of their elements:
// every solve has the trapezoid among its solutions.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "trapezoid/element_solution.hpp"

namespace trapezoid {
namespace {

// The eleven elements of the trapezoid with bases a > c, height h.
std::array<double, kElementCount> ElementsOf(double a, double c, double h) {
    const double m = a - c;
    const double b = std::sqrt(h * h + m * m);
    return {a,
            b,
            c,
            h,
            a + b + c + h,
            (a + c) * h / 2.0,
            m,
            std::sqrt(c * c + h * h),
            std::sqrt(a * a + h * h),
            (a + c) / 2.0,
            std::atan2(h, m) * 180.0 / 3.14159265358979323846};
}

bool Near(double x, double y) {
    return std::abs(x - y) <= 1e-6 * std::abs(y);
}

TEST(ElementsProperty, EveryIndependentTripleGivesBackItsTrapezoid) {
    std::mt19937 random(20240518);
    // Lengths from about 0.1 to 12: flat, steep and nearly rectangular shapes.
    std::uniform_real_distribution<double> exponent(-2.3, 2.5);
    const auto length = [&](std::mt19937& r) { return std::exp(exponent(r)); };
    std::uniform_int_distribution<int> element(0, kElementCount - 1);
    int solved = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const double c = length(random);
        const double a = c + length(random);
        const double h = length(random);
        const auto values = ElementsOf(a, c, h);
        std::array<Element, 3> triple{};
        do {
            triple = {ElementAt(element(random)), ElementAt(element(random)),
                      ElementAt(element(random))};
        } while (triple[0] == triple[1] || triple[1] == triple[2] || triple[0] == triple[2] ||
                 ClassifyTriple(triple) == TripleWay::Dependent);
        std::vector<ElementGiven> givens;
        for (const Element e : triple) {
            givens.push_back({e, values[static_cast<std::size_t>(ElementIndex(e))], false});
        }
        const ElementSolution solution = SolveElements(givens, NumberSettings{});
        bool found = false;
        for (const ElementTrapezoid& trapezoid : solution.trapezoids) {
            found = found || (Near(trapezoid.quantities[0], a) &&
                              Near(trapezoid.quantities[2], c) && Near(trapezoid.quantities[3], h));
        }
        EXPECT_TRUE(found) << WriteElementSolution(solution, NumberSettings{}) << "a=" << a
                           << " c=" << c << " h=" << h;
        solved += found ? 1 : 0;
    }
    EXPECT_EQ(solved, 3000);
}

// The six quantities of a trapezoid with bases a > c and height h of two
// decimals, as a box would hold them.
std::array<std::string, kQuantityCount> BoxTexts(double a, double c, double h) {
    const double m = a - c;
    const double b = std::sqrt(h * h + m * m);
    std::array<std::string, kQuantityCount> texts;
    const std::array<double, kQuantityCount> values = {a, b, c, h, a + b + c + h, (a + c) * h / 2};
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        texts[i] = FormatQuantityText(values[i], NumberSettings{});
    }
    return texts;
}

TEST(OneEngine, EveryKindWritesTheSameTextAsItsThreeQuantitiesGivenAsElements) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> hundredths(10, 2000);
    const auto length = [&] { return hundredths(random) / 100.0; };
    NumberSettings comma;
    comma.decimal_separator = ",";
    for (int trial = 0; trial < 40; ++trial) {
        const double c = length();
        const double a = c + length();
        const auto texts = BoxTexts(a, c, length());
        for (int kind = 0; kind < kKindCount; ++kind) {
            std::array<bool, kQuantityCount> marks{};
            std::vector<ElementGiven> givens;
            for (int i = 0; i < kQuantityCount; ++i) {
                const auto index = static_cast<std::size_t>(i);
                marks[index] = IsGiven(kind, i);
                if (marks[index]) {
                    givens.push_back(
                        *ReadElementArgument(
                             std::string(kQuantitySymbols[index]) + "=" + texts[index], comma)
                             .given);
                }
            }
            const WorkedSolution by_kind = BuildWorkedSolution(kind, marks, texts, comma);
            const WorkedSolution by_elements =
                ElementWorkedSolution(SolveElements(givens, comma), comma);
            EXPECT_EQ(by_kind.text, by_elements.text) << "kind " << kind;
            EXPECT_EQ(by_kind.figures.size(), by_elements.figures.size()) << "kind " << kind;
        }
    }
}

}  // namespace
}  // namespace trapezoid
