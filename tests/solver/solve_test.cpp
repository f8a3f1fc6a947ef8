// SPDX-License-Identifier: GPL-3.0-or-later
// The solve command: worked examples of every kind, the two-solution report,
// rejected givens, arithmetic faults and solving again from written texts.
#include <string>

#include <gtest/gtest.h>

#include "solve_support.hpp"

namespace trapezoid::test {
namespace {

using Status = SolveOutcome::Status;

TEST(KindTable, ListsTheFifteenNamedKindsInOrderWithAscendingDistinctGivens) {
    const std::pair<Kind, std::string_view> names[] = {
        {Kind::ABC, "a,b,c"}, {Kind::ABH, "a,b,h"}, {Kind::ACH, "a,c,h"}, {Kind::BCH, "b,c,h"},
        {Kind::PAB, "P,a,b"}, {Kind::PAC, "P,a,c"}, {Kind::PAH, "P,a,h"}, {Kind::PBC, "P,b,c"},
        {Kind::PBH, "P,b,h"}, {Kind::PCH, "P,c,h"}, {Kind::SAC, "S,a,c"}, {Kind::SAH, "S,a,h"},
        {Kind::SBH, "S,b,h"}, {Kind::SCH, "S,c,h"}, {Kind::SPH, "S,P,h"}};
    ASSERT_EQ(kKinds.size(), std::size(names));
    for (int kind = 0; kind < kKindCount; ++kind) {
        SCOPED_TRACE("kind " + IntText(kind));
        const auto& [name, text] = names[kind];
        EXPECT_EQ(KindIndex(name), kind);
        EXPECT_EQ(KindAt(kind), name);
        EXPECT_EQ(kKinds[kind].list_text, text);
        EXPECT_EQ(kKinds[kind].givens, GivensOf(name));
        for (int index = 0; index < kQuantityCount; ++index) {
            const auto& givens = GivensOf(name);
            const bool given = index == givens[0] || index == givens[1] || index == givens[2];
            SCOPED_TRACE("index " + IntText(index));
            EXPECT_EQ(IsGiven(kind, index), given);
        }
    }
    EXPECT_FALSE(IsGiven(-1, 0));
    EXPECT_FALSE(IsGiven(kKindCount, 0));
}

struct SolvedCase {
    Kind kind;
    std::array<std::string, 3> givens;
    Texts expected;
};

const Texts kHelpTrapezoid = {"6.0000000", "5.0000000",  "3.0000000",
                              "4.0000000", "18.0000000", "18.0000000"};

const SolvedCase kSolvedCases[] = {
    // The help text's trapezoid a = 6, b = 5, c = 3, h = 4 from every kind.
    {Kind::ABC, {"6", "5", "3"}, kHelpTrapezoid},
    {Kind::ABH, {"6", "5", "4"}, kHelpTrapezoid},
    {Kind::ACH, {"6", "3", "4"}, kHelpTrapezoid},
    {Kind::BCH, {"5", "3", "4"}, kHelpTrapezoid},
    {Kind::PAB, {"6", "5", "18"}, kHelpTrapezoid},
    {Kind::PAC, {"6", "3", "18"}, kHelpTrapezoid},
    {Kind::PAH, {"6", "4", "18"}, kHelpTrapezoid},
    {Kind::PBC, {"5", "3", "18"}, kHelpTrapezoid},
    {Kind::PBH, {"5", "4", "18"}, kHelpTrapezoid},
    {Kind::PCH, {"3", "4", "18"}, kHelpTrapezoid},
    {Kind::SAC, {"6", "3", "18"}, kHelpTrapezoid},
    {Kind::SAH, {"6", "4", "18"}, kHelpTrapezoid},
    {Kind::SBH, {"5", "4", "18"}, kHelpTrapezoid},
    {Kind::SCH, {"3", "4", "18"}, kHelpTrapezoid},
    {Kind::SPH, {"4", "18", "18"}, kHelpTrapezoid},
    {Kind::ABH, {"6.0", "5", "4cm"}, kHelpTrapezoid},
    // Irrational results.
    {Kind::ABC,
     {"10", "6", "5"},
     {"10.0000000", "6.0000000", "5.0000000", "3.3166248", "24.3166248", "24.8746859"}},
    {Kind::ABC,
     {"5", "6", "10"},
     {"5.0000000", "6.0000000", "10.0000000", "3.3166248", "24.3166248", "24.8746859"}},
    {Kind::ABH,
     {"10", "7", "5"},
     {"10.0000000", "7.0000000", "5.1010205", "5.0000000", "27.1010205", "37.7525513"}},
    {Kind::ACH,
     {"5", "3", "4"},
     {"5.0000000", "4.4721360", "3.0000000", "4.0000000", "16.4721360", "16.0000000"}},
    {Kind::BCH,
     {"7", "2", "5"},
     {"6.8989795", "7.0000000", "2.0000000", "5.0000000", "20.8989795", "22.2474487"}},
    {Kind::PAB,
     {"10", "6", "30"},
     {"10.0000000", "6.0000000", "8.2583426", "5.7416574", "30.0000000", "52.4165739"}},
    {Kind::PBC,
     {"5", "2", "15"},
     {"3.1291713", "5.0000000", "2.0000000", "4.8708287", "15.0000000", "12.4916574"}},
    // Proper trapezoids at the edges: the bases typed the other way round,
    // rectangles, a leg as long as the height.
    {Kind::ACH,
     {"3", "6", "4"},
     {"3.0000000", "5.0000000", "6.0000000", "4.0000000", "18.0000000", "18.0000000"}},
    {Kind::BCH,
     {"4", "3", "4"},
     {"3.0000000", "4.0000000", "3.0000000", "4.0000000", "14.0000000", "12.0000000"}},
    {Kind::PAC,
     {"3", "6", "18"},
     {"3.0000000", "5.0000000", "6.0000000", "4.0000000", "18.0000000", "18.0000000"}},
    {Kind::PAH,
     {"6", "4", "20"},
     {"6.0000000", "4.0000000", "6.0000000", "4.0000000", "20.0000000", "24.0000000"}},
    {Kind::PBC,
     {"5", "1", "14"},
     {"4.0000000", "5.0000000", "1.0000000", "4.0000000", "14.0000000", "10.0000000"}},
    {Kind::PBH,
     {"4", "4", "20"},
     {"6.0000000", "4.0000000", "6.0000000", "4.0000000", "20.0000000", "24.0000000"}},
    {Kind::SAC,
     {"3", "6", "18"},
     {"3.0000000", "5.0000000", "6.0000000", "4.0000000", "18.0000000", "18.0000000"}},
    {Kind::SBH,
     {"4", "4", "20"},
     {"5.0000000", "4.0000000", "5.0000000", "4.0000000", "18.0000000", "20.0000000"}},
    {Kind::SPH,
     {"4", "16", "16"},
     {"4.0000000", "4.0000000", "4.0000000", "4.0000000", "16.0000000", "16.0000000"}},
    // A rectangle whose last root comes out a few units below zero in doubles.
    {Kind::PAH,
     {"3.2", "1.72", "9.84"},
     {"3.2000000", "1.7200000", "3.2000000", "1.7200000", "9.8400000", "5.5040000"}},
};

TEST(Solve, WritesTheSixTextsOfEveryWorkedExample) {
    for (const SolvedCase& c : kSolvedCases) {
        SCOPED_TRACE(Describe(c.kind, c.givens));
        const SolveOutcome outcome = SolveKind(c.kind, c.givens);
        ASSERT_EQ(outcome.status, Status::Solved);
        EXPECT_EQ(outcome.texts, c.expected);
        EXPECT_FALSE(outcome.fault.has_value());
        EXPECT_EQ(outcome.report.has_value(), c.kind == Kind::PBC);
    }
}

std::string CommaDecimal(std::string text) {
    for (char& ch : text) {
        if (ch == '.') {
            ch = ',';
        }
    }
    return text;
}

TEST(Solve, GivesTheSameResultsWithADecimalCommaAndAgainFromItsOwnTexts) {
    const NumberSettings comma = CommaDecimalSettings();
    for (const SolvedCase& c : kSolvedCases) {
        SCOPED_TRACE(Describe(c.kind, c.givens));
        std::array<std::string, 3> givens;
        for (int i = 0; i < 3; ++i) {
            givens[i] = CommaDecimal(c.givens[i]);
        }
        const SolveOutcome first = SolveKind(c.kind, givens, comma);
        ASSERT_EQ(first.status, Status::Solved);
        Texts expected;
        for (int i = 0; i < kQuantityCount; ++i) {
            expected[i] = CommaDecimal(c.expected[i]);
        }
        EXPECT_EQ(first.texts, expected);
        const SolveOutcome again =
            Solve(KindIndex(c.kind), MarksOfKind(c.kind), first.texts, comma);
        ASSERT_EQ(again.status, Status::Solved);
        EXPECT_EQ(again.texts, first.texts);
        EXPECT_EQ(again.report, first.report);
    }
}

TEST(Solve, ReadsItsOwnGroupedTextsBackUnderEverySetting) {
    for (const NamedSettings& named : AllSettings()) {
        for (const SolvedCase& c : kSolvedCases) {
            SCOPED_TRACE(std::string(named.name) + ", " + Describe(c.kind, c.givens) +
                         " scaled by 1000");
            std::array<std::string, 3> givens;
            for (int i = 0; i < 3; ++i) {
                // Lengths scale by 1000, the area by 1000 squared.
                const double scale = GivensOf(c.kind)[i] == QuantityIndex::S ? 1e6 : 1e3;
                const double scaled = ParseQuantityText(c.givens[i], PlainSettings()) * scale;
                givens[i] = FormatQuantityText(scaled, named.settings);
            }
            const SolveOutcome first = SolveKind(c.kind, givens, named.settings);
            ASSERT_EQ(first.status, Status::Solved);
            const SolveOutcome again =
                Solve(KindIndex(c.kind), MarksOfKind(c.kind), first.texts, named.settings);
            ASSERT_EQ(again.status, Status::Solved);
            EXPECT_EQ(again.texts, first.texts);
        }
    }
}

struct ReportCase {
    std::array<std::string, 3> givens;  // b, c, P
    NumberSettings settings;
    std::array<std::string, 6> numbers;  // a1, h1, S1, a2, h2, S2
};

std::string Report(const std::array<std::string, 6>& n) {
    return "Има две възможности: \r\n"
           "Основа AB = " +
           n[0] +
           "\r\n"
           "Височина AD = " +
           n[1] +
           "\r\n"
           "Лице S = " +
           n[2] +
           "\r\n"
           "Основа AB = " +
           n[3] +
           "\r\n"
           "Височина AD = " +
           n[4] +
           "\r\n"
           "Лице S = " +
           n[5] + "\r\n";
}

const ReportCase kReportCases[] = {
    {{"5", "3", "18"}, PlainSettings(), {"6", "4", "18", "7", "3", "15"}},
    {{"5", "1", "14"}, PlainSettings(), {"4", "4", "10", "5", "3", "9"}},
    {{"5", "2", "15"},
     PlainSettings(),
     {"3.12917130661303", "4.87082869338697", "12.4916573867739", "6.87082869338697",
      "1.12917130661303", "5.00834261322606"}},
    {{"5", "2", "15"},
     CommaDecimalSettings(),
     {"3,12917130661303", "4,87082869338697", "12,4916573867739", "6,87082869338697",
      "1,12917130661303", "5,00834261322606"}},
};

TEST(Solve, ReportsBothSolutionsOfKindPbcByteForByte) {
    for (const ReportCase& c : kReportCases) {
        SCOPED_TRACE(Describe(Kind::PBC, c.givens));
        const SolveOutcome outcome = SolveKind(Kind::PBC, c.givens, c.settings);
        ASSERT_EQ(outcome.status, Status::Solved);
        ASSERT_TRUE(outcome.report.has_value());
        EXPECT_EQ(*outcome.report, Report(c.numbers));
    }
}

TEST(Solve, ReportsOnlyTheFirstSolutionOfKindPbcWhenTheSecondIsNoTrapezoid) {
    // x = 1, r = 7: the second root gives h = -3.
    const SolveOutcome outcome = SolveKind(Kind::PBC, {"5", "4", "14"});
    ASSERT_EQ(outcome.status, Status::Solved);
    const Texts expected = {"1.0000000", "5.0000000",  "4.0000000",
                            "4.0000000", "14.0000000", "10.0000000"};
    EXPECT_EQ(outcome.texts, expected);
    EXPECT_EQ(outcome.report,
              "Има една възможност: \r\nОснова AB = 1\r\nВисочина AD = 4\r\nЛице S = 10\r\n");
}

struct FaultCase {
    Kind kind;
    std::array<std::string, 3> givens;
    ArithmeticFault fault;
};

constexpr auto kRoot = ArithmeticFault::NegativeSquareRoot;
constexpr auto kZero = ArithmeticFault::DivisionByZero;
constexpr auto kOverflow = ArithmeticFault::Overflow;

const FaultCase kFaultCases[] = {
    {Kind::ABC, {"6", "2", "3"}, kRoot},
    {Kind::ABH, {"6", "3", "4"}, kRoot},
    {Kind::BCH, {"3", "3", "4"}, kRoot},
    {Kind::PAB, {"2", "5", "18"}, kRoot},
    {Kind::PAC, {"6", "3", "9"}, kZero},
    {Kind::PAH, {"6", "4", "16"}, kZero},
    {Kind::PBC, {"10", "2", "30"}, kRoot},
    {Kind::PBH, {"4", "5", "18"}, kRoot},
    {Kind::PCH, {"3", "4", "10"}, kZero},
    {Kind::SBH, {"4", "5", "18"}, kRoot},
    {Kind::SPH, {"4", "18", "24"}, kRoot},
    // Only three roots take a rounding-negative radicand as zero: here b is
    // one unit in the last place shorter than h.
    {Kind::ABH, {"6", "1.72", "1.7200000000000002"}, kRoot},
    {Kind::BCH, {"1.72", "3", "1.7200000000000002"}, kRoot},
    {Kind::PBH, {"1.72", "1.7200000000000002", "9"}, kRoot},
    {Kind::SBH, {"1.72", "1.7200000000000002", "9"}, kRoot},
    // A ticked given beyond the double range.
    {Kind::ABH, {"1e400", "5", "4"}, kOverflow},
    {Kind::ABH, {"6", "-1e400", "4"}, kOverflow},
    // Kind P,b,c overflowing at its area, after the report has begun.
    {Kind::PBC, {"5e152", "1e160", "2.00000012e160"}, kOverflow},
};

void ExpectFault(const SolveOutcome& outcome, ArithmeticFault fault) {
    EXPECT_EQ(outcome.status, Status::Fault);
    EXPECT_EQ(outcome.fault, fault);
    EXPECT_EQ(outcome.texts, Texts{});
    EXPECT_FALSE(outcome.report.has_value());
}

TEST(Solve, EndsInTheFaultOfTheFailingStepAndChangesNothing) {
    for (const FaultCase& c : kFaultCases) {
        SCOPED_TRACE(Describe(c.kind, c.givens));
        ExpectFault(SolveKind(c.kind, c.givens), c.fault);
    }
}

TEST(Solve, EndsInOverflowForGivensOfExtremeSizeInEveryKind) {
    for (const Kind kind : AllKinds()) {
        for (const std::string huge : {"1e200", "1e308"}) {
            if (kind == Kind::SAC && huge == "1e200") {
                continue;  // bases of equal size: h = 1 and nothing overflows
            }
            SCOPED_TRACE(Describe(kind, {huge, huge, huge}));
            ExpectFault(SolveKind(kind, {huge, huge, huge}), kOverflow);
        }
    }
}

struct RejectedCase {
    std::string text;
    NumberSettings settings;
};

const RejectedCase kRejectedGivens[] = {
    {"", PlainSettings()},
    {"0", PlainSettings()},
    {"0.0", PlainSettings()},
    {"-6", PlainSettings()},
    {"abc", PlainSettings()},
    {"-", PlainSettings()},
    {"1e-400", PlainSettings()},
    {"&HFFFF", PlainSettings()},
    {"&H8000", PlainSettings()},
    {"(6)", PlainSettings()},
    {"(6)", ParenthesesSettings()},
    {"0,0", CommaDecimalSettings()},
    {"-0,5", CommaDecimalSettings()},
};

TEST(Solve, RejectsATickedGivenThatIsNotGreaterThanZero) {
    for (const RejectedCase& c : kRejectedGivens) {
        for (int position = 0; position < 3; ++position) {
            std::array<std::string, 3> givens = {"6", "5", "4"};
            givens[position] = c.text;
            SCOPED_TRACE(Describe(Kind::ABH, givens));
            const SolveOutcome outcome = SolveKind(Kind::ABH, givens, c.settings);
            EXPECT_EQ(outcome.status, Status::Rejected);
            EXPECT_EQ(outcome.texts, Texts{});
            EXPECT_FALSE(outcome.report.has_value());
            EXPECT_FALSE(outcome.fault.has_value());
        }
    }
}

TEST(Solve, AcceptsAGivenWithADecimalCommaUnderCommaSettings) {
    const SolveOutcome outcome = SolveKind(Kind::ACH, {"5", "3", "0,5"}, CommaDecimalSettings());
    ASSERT_EQ(outcome.status, Status::Solved);
    EXPECT_EQ(outcome.texts[QuantityIndex::H], "0,5000000");
}

TEST(Solve, ChecksTheTickedMarksAndReadsTheKindsGivens) {
    const int abh = KindIndex(Kind::ABH);
    // The content of an unticked box plays no part.
    Texts texts = BoxesOfKind(Kind::ABH, {"6", "5", "4"});
    texts[QuantityIndex::C] = "abc";
    texts[QuantityIndex::P] = "-5";
    texts[QuantityIndex::S] = "99";
    SolveOutcome outcome = Solve(abh, MarksOfKind(Kind::ABH), texts, PlainSettings());
    ASSERT_EQ(outcome.status, Status::Solved);
    EXPECT_EQ(outcome.texts, kHelpTrapezoid);

    // With no mark ticked the check passes and the kind still reads its givens.
    outcome = Solve(abh, Marks{}, BoxesOfKind(Kind::ABH, {"6", "5", "4"}), PlainSettings());
    ASSERT_EQ(outcome.status, Status::Solved);
    EXPECT_EQ(outcome.texts, kHelpTrapezoid);

    // A ticked box outside the kind's givens is checked too.
    Marks marks = MarksOfKind(Kind::ABH);
    marks[QuantityIndex::S] = true;
    outcome = Solve(abh, marks, BoxesOfKind(Kind::ABH, {"6", "5", "4"}), PlainSettings());
    EXPECT_EQ(outcome.status, Status::Rejected);
}

TEST(Solve, LeavesEveryBoxUnchangedForAValueThatIsNoKind) {
    for (int kind : {-1, kKindCount, 100}) {
        SCOPED_TRACE("kind " + IntText(kind));
        const Texts texts = {"6", "5", "3", "4", "18", "18"};
        SolveOutcome outcome = Solve(kind, Marks{}, texts, PlainSettings());
        EXPECT_EQ(outcome.status, Status::Unchanged);
        EXPECT_EQ(outcome.texts, Texts{});
        EXPECT_FALSE(outcome.report.has_value());
        EXPECT_FALSE(outcome.fault.has_value());
        outcome = Solve(kind, MarksOfKind(Kind::ABC), texts, PlainSettings());
        EXPECT_EQ(outcome.status, Status::Unchanged);
        // The check still comes first.
        outcome = Solve(kind, MarksOfKind(Kind::ABC), Texts{}, PlainSettings());
        EXPECT_EQ(outcome.status, Status::Rejected);
    }
}

}  // namespace
}  // namespace trapezoid::test
