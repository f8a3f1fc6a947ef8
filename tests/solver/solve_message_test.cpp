// SPDX-License-Identifier: GPL-3.0-or-later
// The message after a solve that writes nothing: for each kind, the given or
// result that breaks a condition, with the user's numbers in the user's form,
// and the step that went wrong.
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "solve_support.hpp"
#include "trapezoid/solve_message.hpp"

namespace trapezoid::test {
namespace {

constexpr bool kBulgarian = true;  // comma decimals, no-break-space groups
constexpr bool kEnglish = false;   // period decimals, comma groups

struct MessageCase {
    const char* name;
    Kind kind;
    std::array<std::string, 3> givens;
    bool bulgarian;
    std::vector<std::string> words;  // parts of the explanation
    std::string step;                // the step that went wrong, on a line of its own
};

// Solves `kind` from its givens, as the window passes them, and returns the message.
std::string MessageFor(Kind kind, const std::array<std::string, 3>& givens, bool bulgarian) {
    const NumberSettings settings = bulgarian ? CommaDecimalSettings() : CommaGroupSettings();
    const Marks marks = MarksOfKind(kind);
    const Texts texts = BoxesOfKind(kind, givens);
    const SolveOutcome outcome = Solve(KindIndex(kind), marks, texts, settings);
    return SolveMessage(outcome, KindIndex(kind), marks, texts, settings);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

const std::vector<std::string> kShorter = {"бедрото b = 3 е по-късо от височината h = 4",
                                           "правоъгълник"};

const MessageCase kMessageCases[] = {
    // No trapezoid: one case for every kind, and every way a result fails.
    {"a,b,c: b = |a - c|",
     Kind::ABC,
     {"6", "3", "3"},
     kBulgarian,
     {"височината h излиза 0,0000000", "Бедрото b = 3 трябва да е по-дълго", "|a − c| = 3"},
     "h = √(b² − m²) = √(3² − 3²) = 0"},
    {"a,b,h: c below 0",
     Kind::ABH,
     {"2", "5", "3"},
     kEnglish,
     {"основата c излиза -2.0000000", "b = 5 е твърде дълго", "a = 2", "h = 3",
      "b < √(a² + h²) = 3.60555127546399"},
     "c = a − m = 2 − 4 = −2"},
    {"a,c,h: too small for doubles",
     Kind::ACH,
     {"1e-200", "1e-200", "1e-200"},
     kEnglish,
     {"бедрото b излиза 0.0000000", "твърде малки"},
     "b = √(m² + h²) = √(0² + 1E-200²) ≈ 0"},
    {"b,c,h: too small for doubles",
     Kind::BCH,
     {"1e-200", "1e-200", "1e-200"},
     kBulgarian,
     {"лицето S излиза 0,0000000", "твърде малки"},
     "S = (a + c)·h / 2 = (1E-200 + 1E-200)·1E-200 / 2 ≈ 0"},
    {"P,a,b: c below 0",
     Kind::PAB,
     {"2", "5", "9"},
     kBulgarian,
     {"основата c излиза -1,5355339", "P = 9 е твърде малък", "a = 2", "b = 5",
      "P > a + b + √(b² − a²) = 11,5825756949558"},
     "c = a − m = 2 − 5√2/2 = (4 − 5√2)/2 ≈ −1,5355339"},
    {"P,a,b: P not above 2a",
     Kind::PAB,
     {"10", "5", "19"},
     kEnglish,
     {"височината h, която периметърът оставя, излиза -1.1291713",
      "P = 19 е твърде малък за основа a = 10", "P > 2·a = 20"},
     "h′ = d + m = (−6) + (6 + √14)/2 = (√14 − 6)/2 ≈ −1.1291713"},
    {"P,a,c: b below 0",
     Kind::PAC,
     {"5", "3", "4"},
     kBulgarian,
     {"бедрото b излиза -2,5000000. Периметърът P = 4 е твърде малък за "
      "основи a = 5 и c = 3",
      "P > 2·max(a, c) = 10"},
     "b = (u + (a − c)² / u) / 2 = ((−4) + (5 − 3)² / (−4)) / 2 = −2,5"},
    {"P,a,c: P not above 2 max(a, c)",
     Kind::PAC,
     {"6", "3", "10"},
     kEnglish,
     {"височината h, която периметърът оставя, излиза -4.0000000", "P = 10", "a = 6 и c = 3",
      "P > 2·max(a, c) = 12"},
     "h′ = u − b = 1 − 5 = −4"},
    {"P,a,h: b below 0",
     Kind::PAH,
     {"6", "4", "14"},
     kBulgarian,
     {"бедрото b излиза -5,0000000", "P = 14 е твърде малък за основа a = 6 и височина h = 4",
      "P > a + h + √(a² + h²) = 17,211102550928"},
     "b = (d + h² / d) / 2 = ((−2) + 4² / (−2)) / 2 = −5"},
    {"P,a,h: c longer than a",
     Kind::PAH,
     {"6", "4", "22"},
     kEnglish,
     {"периметърът оставя основа c = 7.6666667, по-дълга от основата a = 6",
      "P = 22 е твърде голям", "P ≤ 2·(a + h) = 20"},
     "m′ = b − d = 13/3 − 6 = −5/3 ≈ −1.6666667"},
    {"P,b,c: a below 0",
     Kind::PBC,
     {"5", "1", "10"},
     kBulgarian,
     {"основата a излиза -0,7015621", "P = 10 е твърде малък за бедро b = 5 и основа c = 1",
      "P > b + c + √(b² − c²) = 10,8989794855664"},
     "a = c + m = 1 + (3 − √41)/2 = (5 − √41)/2 ≈ −0,7015621"},
    {"P,b,c: h below 0",
     Kind::PBC,
     {"5", "4.9", "8"},
     kEnglish,
     {"височината h излиза -2.4304640", "основа c = 4.9", "P > 2·c = 9.8"},
     "h = P − a − b − c = 8 − (15 − √94)/10 − 5 − 4.9 = (√94 − 34)/10 ≈ −2.430464"},
    {"P,b,h: c below 0",
     Kind::PBH,
     {"5", "4", "10"},
     kBulgarian,
     {"основата c излиза -1,0000000", "бедро b = 5 и височина h = 4",
      "P > b + h + √(b² − h²) = 12"},
     "c = (P − b − h − m) / 2 = (10 − 5 − 4 − 3) / 2 = −1"},
    {"P,c,h: a zero",
     Kind::PCH,
     {"3", "4", "12"},
     kEnglish,
     {"основата a излиза 0.0000000", "основа c = 3 и височина h = 4",
      "P > c + h + √(c² + h²) = 12"},
     "a = P − c − b − h = 12 − 3 − 5 − 4 = 0"},
    {"S,a,c: too different for doubles",
     Kind::SAC,
     {"1e300", "1e300", "1e-300"},
     kBulgarian,
     {"бедрото b излиза 0,0000000", "твърде различни по големина"},
     "b = √(m² + h²) = √(0² + 0²) ≈ 0"},
    {"S,a,h: c below 0",
     Kind::SAH,
     {"10", "1", "1"},
     kEnglish,
     {"основата c излиза -8.0000000",
      "Лицето S = 1 е твърде малко за основа a = 10 и височина h = 1", "S > a·h / 2 = 5"},
     "c = 2·S / h − a = 2·1 / 1 − 10 = −8"},
    {"S,b,h: c below 0",
     Kind::SBH,
     {"5", "4", "5"},
     kBulgarian,
     {"основата c излиза -0,2500000", "бедро b = 5 и височина h = 4", "S > h·√(b² − h²) / 2 = 6"},
     "c = (2·S / h − m) / 2 = (2·5 / 4 − 3) / 2 = −0,25"},
    {"S,c,h: a below 0",
     Kind::SCH,
     {"3", "4", "4"},
     kEnglish,
     {"основата a излиза -1.0000000", "S = 4 е твърде малко", "S > c·h / 2 = 6"},
     "a = 2·S / h − c = 2·4 / 4 − 3 = −1"},
    {"S,P,h: b below 0",
     Kind::SPH,
     {"1", "2", "2"},
     kBulgarian,
     {"бедрото b излиза -3,0000000", "P = 2 е твърде малък", "P ≥ 2·h + 2·S / h = 6"},
     "b = P − h − t = 2 − 1 − 4 = −3"},
    {"S,P,h: c below 0",
     Kind::SPH,
     {"3", "13", "6"},
     kEnglish,
     {"основата c излиза -0.5980762", "P = 13 е твърде голям за лице S = 6 и височина h = 3",
      "√((2·S / h)² + h²) = 12"},
     "c = (t − m) / 2 = (4 − 3√3) / 2 = (4 − 3√3)/2 ≈ −0.5980762"},
    // Every square root that can meet a negative number.
    {"root of a,b,c",
     Kind::ABC,
     {"6", "2", "3"},
     kBulgarian,
     {"бедрото b = 2 е по-късо от разликата на основите |a − c| = 3"},
     "h = √(b² − m²) = √(2² − 3²)"},
    {"root of a,b,h",
     Kind::ABH,
     {"6", "3", "4"},
     kEnglish,
     kShorter,
     "m = √(b² − h²) = √(3² − 4²)"},
    {"root of b,c,h",
     Kind::BCH,
     {"3", "3", "4"},
     kBulgarian,
     kShorter,
     "m = √(b² − h²) = √(3² − 4²)"},
    {"root of P,b,h",
     Kind::PBH,
     {"3", "4", "18"},
     kEnglish,
     kShorter,
     "m = √(b² − h²) = √(3² − 4²)"},
    {"root of S,b,h",
     Kind::SBH,
     {"3", "4", "18"},
     kBulgarian,
     kShorter,
     "m = √(b² − h²) = √(3² − 4²)"},
    {"root of P,a,b",
     Kind::PAB,
     {"2", "5", "18"},
     kEnglish,
     {"основа a = 2 и бедро b = 5 периметърът P = 18 не е възможен",
      "|P − 2·a − b| = 9 надвишава b·√2 = 7.07106781186548"},
     "m = (−d + √(d² + 4·q)) / 2 = (−9 + √(9² + 4·(−28))) / 2"},
    {"root of P,b,c",
     Kind::PBC,
     {"10", "2", "30"},
     kBulgarian,
     {"бедро b = 10 и основа c = 2 периметърът P = 30 не е възможен",
      "|P − b − 2·c| = 16 надвишава b·√2 = 14,142135623731"},
     "r = √(x² − 2·(x² − b²)) = √(16² − 2·(16² − 10²))"},
    {"root of S,P,h",
     Kind::SPH,
     {"4", "18", "24"},
     kEnglish,
     {"b = P − h − 2·S / h = 2", "периметъра P = 18 при лице S = 24", "височината h = 4",
      "P ≥ 2·h + 2·S / h = 20"},
     "m = √(b² − h²) = √(2² − 4²)"},
    // Every divisor that can be zero.
    {"divisor of P,a,c",
     Kind::PAC,
     {"6", "3", "9"},
     kBulgarian,
     {"P = 9 е равен на сбора на основите a + c = 9", "2·max(a, c) = 12"},
     "b = (u + (a − c)² / u) / 2 = (0 + (6 − 3)² / 0) / 2"},
    {"divisor of P,a,h",
     Kind::PAH,
     {"6", "4", "16"},
     kEnglish,
     {"P = 16 е равен на 2·a + h = 16", "a + h + √(a² + h²) = 17.211102550928"},
     "b = (d + h² / d) / 2 = (0 + 4² / 0) / 2"},
    {"divisor of P,c,h",
     Kind::PCH,
     {"3", "4", "10"},
     kBulgarian,
     {"P = 10 е равен на 2·c + h = 10", "c + h + √(c² + h²) = 12"},
     "b = (u + h² / u) / 2 = (0 + 4² / 0) / 2"},
    {"overflow",
     Kind::ABC,
     {"1e200", "1e200", "1"},
     kEnglish,
     {"Числата са твърде големи"},
     "h = √(b² − m²) = √(1E+200² − 1E+200²)"},
};

class SolveMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(SolveMessageTest, NamesTheBrokenConditionWithTheUsersNumbers) {
    const MessageCase& c = GetParam();
    const std::string text = MessageFor(c.kind, c.givens, c.bulgarian);
    // The explanation, the step that went wrong, and that nothing changed.
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 3u) << text;
    for (const std::string& word : c.words) {
        EXPECT_NE(lines[0].find(word), std::string::npos) << lines[0] << "\n  lacks: " << word;
    }
    EXPECT_EQ(lines[1], c.step);
    EXPECT_EQ(lines[2], "Стойностите в полетата не са променени.");
    // Geometry, not arithmetic.
    EXPECT_EQ(text.find("отрицателно число"), std::string::npos);
    EXPECT_EQ(text.find("деление на нула"), std::string::npos);
    // The explanation alone is the message's first line.
    const SolveOutcome outcome =
        SolveKind(c.kind, c.givens, c.bulgarian ? CommaDecimalSettings() : CommaGroupSettings());
    EXPECT_EQ(SolveExplanation(outcome, KindIndex(c.kind),
                               c.bulgarian ? CommaDecimalSettings() : CommaGroupSettings()),
              lines[0]);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SolveMessageTest, ::testing::ValuesIn(kMessageCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) {
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             }
                             return name;
                         });

TEST(SolveMessage, SaysNothingAfterASolveThatWrites) {
    EXPECT_EQ(MessageFor(Kind::ABH, {"6", "5", "4"}, kBulgarian), "");
    EXPECT_EQ(MessageFor(Kind::ABH, {"6", "0", "4"}, kBulgarian), "");  // refused silently
}

TEST(SolveMessage, ShowsNoStepWhereNoneWasReached) {
    EXPECT_EQ(MessageFor(Kind::ABH, {"1e400", "5", "4"}, kBulgarian),
              "Числата са твърде големи, за да бъдат пресметнати. Стойностите в полетата не са "
              "променени.");
}

}  // namespace
}  // namespace trapezoid::test
