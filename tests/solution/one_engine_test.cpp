// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every worked solution keeps, whatever the givens: exact forms
// only where they are short, the leading-zero setting, one angle format, a
// rectangle from m = 0 as from ∠B = 90°, a shorter AB said in words, and
// no number beyond a double written out.
#include <gtest/gtest.h>

#include "trapezoid/element_solution.hpp"

namespace trapezoid {
namespace {

NumberSettings Comma(bool leading_zero = true) {
    NumberSettings settings;
    settings.decimal_separator = ",";
    settings.leading_zero = leading_zero;
    return settings;
}

std::string Solved(std::initializer_list<const char*> arguments, const NumberSettings& settings) {
    std::vector<ElementGiven> givens;
    for (const char* argument : arguments) {
        const ElementReading reading = ReadElementArgument(argument, settings);
        EXPECT_TRUE(reading.given) << reading.error;
        givens.push_back(reading.given.value_or(ElementGiven{}));
    }
    return ElementWorkedSolution(SolveElements(givens, settings), settings).text;
}

struct RuleRow {
    std::initializer_list<const char*> givens;
    bool leading_zero;
    std::vector<const char*> written;
    const char* never;  // "" for nothing
};

TEST(OneEngine, KeepsEveryRuleOfTheText) {
    const RuleRow rows[] = {
        {{"a=49.33", "c=47", "P=110"},
         true,
         {"Отговор: b ≈ 7,0335699; h = 9072/1367 ≈ 6,6364301", "диагонал BD ≈ 49,7744021"},
         "136700"},
        {{"a=10", "c=5", "h=3.3094278"}, true, {"; ∠BCD ≈ 146°30′"}, "0″"},
        {{"a=10", "c=5", "B=33.5"}, true, {"; ∠BCD = 146°30′"}, "0″"},
        {{"a=1", "c=0.4", "h=0.3"},
         false,
         {"Дадено: a = 1; c = ,4; h = ,3", "средна основа = ,7"},
         "0,"},
        {{"m=0", "h=4", "a=6"},
         true,
         {"m = HB = 0: трапецът е правоъгълник и ∠B = 90°",
          "Отговор: b = 4; c = 6; P = 20; S = 24"},
         ""},
        {{"B=90", "h=4", "a=6"},
         true,
         {"∠B = 90°: трапецът е правоъгълник и m = HB = 0",
          "Отговор: b = 4; c = 6; P = 20; S = 24"},
         ""},
        {{"a=3", "c=5", "h=1"},
         true,
         {"Тук AB е по-малката основа, затова ∠ABC е тъп.\nОтговор:", "∠ABC ≈ 153°26′6″"},
         ""},
        {{"a=1e300", "B=90", "b=1e-12"},
         true,
         {"Дадено: a = 1e300; ∠B = 90°; b = 1e−12", "Числата са твърде големи"},
         "Отговор"},
        {{"m=1e154", "b=1e-300", "h=1e154"}, true, {"Числата са твърде големи"}, "зависими"},
        {{"m=5.87e+200", "AC=7.11e-65", "BD=1.03e+04"}, true, {"Числата са твърде големи"}, "⇒"},
        {{"P=5.48e-62", "c=1.23e+250", "h=0.00802"},
         true,
         {"трябва P > c + h + √(c² + h²).\n"},
         ""},
        {{"a=3.38e+21", "c=1", "h=1"}, true, {"m = a − c = 3,38E+21 − 1 ≈ 3,38E+21"}, ""},
    };
    for (const RuleRow& row : rows) {
        const std::string text = Solved(row.givens, Comma(row.leading_zero));
        for (const char* written : row.written) {
            EXPECT_NE(text.find(written), std::string::npos) << written << "\n" << text;
        }
        if (*row.never != '\0') {
            EXPECT_EQ(text.find(row.never), std::string::npos) << row.never << "\n" << text;
        }
        for (const char* never : {"inf", "nan", "00000000000000000000"}) {
            EXPECT_EQ(text.find(never), std::string::npos) << never << "\n" << text;
        }
    }
}

// Three quantities of a kind that give no trapezoid: the same failure by the
// kind (the window's boxes) and by the elements (the panel).
TEST(OneEngine, AKindWithoutATrapezoidFailsAlikeByBothRoutes) {
    const std::pair<Kind, std::array<const char*, kQuantityCount>> rows[] = {
        {Kind::ABC, {"10", "6", "50", "", "", ""}},
        {Kind::ABH, {"4", "3", "", "5", "", ""}},
        {Kind::PAC, {"6", "", "3", "", "10", ""}},
        {Kind::PAB, {"1e300", "1e300", "", "", "1e300", ""}},
    };
    for (const auto& [kind, boxes] : rows) {
        std::array<bool, kQuantityCount> marks{};
        std::array<std::string, kQuantityCount> texts;
        std::vector<ElementGiven> givens;
        for (int i = 0; i < kQuantityCount; ++i) {
            const auto index = static_cast<std::size_t>(i);
            texts[index] = boxes[index];
            marks[index] = IsGiven(KindIndex(kind), i);
            if (marks[index]) {
                const std::string argument =
                    std::string(kQuantitySymbols[index]) + "=" + boxes[index];
                givens.push_back(*ReadElementArgument(argument, Comma()).given);
            }
        }
        const WorkedSolution by_kind = BuildWorkedSolution(KindIndex(kind), marks, texts, Comma());
        EXPECT_FALSE(by_kind.solved) << by_kind.text;
        EXPECT_EQ(by_kind.text,
                  ElementWorkedSolution(SolveElements(givens, Comma()), Comma()).text);
    }
}

}  // namespace
}  // namespace trapezoid
