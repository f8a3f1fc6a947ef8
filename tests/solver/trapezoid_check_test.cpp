// SPDX-License-Identifier: GPL-3.0-or-later
// Results that describe no right trapezoid: the first quantity that is not
// above 0, and the sign of the root that kinds P,a,b, P,a,c and P,a,h drop.
// Such a solve writes nothing.
#include <string>

#include <gtest/gtest.h>

#include "solve_support.hpp"

namespace trapezoid::test {
namespace {

using Status = SolveOutcome::Status;
using namespace QuantityIndex;

struct NotATrapezoidCase {
    Kind kind;
    std::array<std::string, 3> givens;
    int quantity;
    std::string value;  // as the box would have shown it
    bool sign_dropped;
};

const NotATrapezoidCase kCases[] = {
    {Kind::ABC, {"6", "3", "3"}, H, "0.0000000", false},
    {Kind::ABH, {"2", "5", "3"}, C, "-2.0000000", false},
    {Kind::ACH, {"1e-200", "1e-200", "1e-200"}, B, "0.0000000", false},  // h*h underflows
    {Kind::BCH, {"1e-200", "1e-200", "1e-200"}, S, "0.0000000", false},
    {Kind::PAB, {"2", "5", "9"}, C, "-1.5355339", false},
    {Kind::PAC, {"5", "3", "4"}, B, "-2.5000000", false},
    {Kind::PAC, {"6", "3", "8"}, B, "-5.0000000", false},
    {Kind::PAC, {"6", "3", "12"}, H, "0.0000000", false},
    {Kind::PAC, {"29.7", "3.9", "59.40"}, H, "0.0000000", false},
    {Kind::PAH, {"6", "4", "14"}, B, "-5.0000000", false},
    {Kind::PBC, {"5", "1", "10"}, A, "-0.7015621", false},
    {Kind::PBC, {"5", "3", "10"}, A, "-1.0000000", false},
    {Kind::PBC, {"5", "4.9", "8"}, H, "-2.4304640", false},
    {Kind::PBH, {"5", "3", "4"}, A, "0.0000000", false},
    {Kind::PBH, {"5", "4", "10"}, C, "-1.0000000", false},
    {Kind::PCH, {"3", "4", "8"}, B, "-5.0000000", false},
    {Kind::PCH, {"3", "4", "12"}, A, "0.0000000", false},
    {Kind::SAC, {"1e300", "1e300", "1e-300"}, B, "0.0000000", false},  // h underflows
    {Kind::SAH, {"10", "1", "1"}, C, "-8.0000000", false},
    {Kind::SAH, {"6", "4", "10"}, C, "-1.0000000", false},
    {Kind::SBH, {"5", "4", "5"}, C, "-0.2500000", false},
    {Kind::SCH, {"3", "4", "4"}, A, "-1.0000000", false},
    {Kind::SPH, {"1", "2", "2"}, B, "-3.0000000", false},
    {Kind::SPH, {"3", "13", "6"}, C, "-0.5980762", false},
    // All positive, but the perimeter leaves a negative height (P,a,b and
    // P,a,c) or a short base longer than the long one (P,a,h).
    {Kind::PAB, {"10", "5", "19"}, H, "-1.1291713", true},
    {Kind::PAC, {"6", "3", "10"}, H, "-4.0000000", true},
    {Kind::PAC, {"3", "6", "10"}, H, "-4.0000000", true},
    {Kind::PAH, {"6", "4", "22"}, C, "-1.6666667", true},
};

TEST(TrapezoidCheck, NamesTheFirstQuantityThatIsNotAboveZeroAndWritesNothing) {
    for (const NotATrapezoidCase& c : kCases) {
        SCOPED_TRACE(Describe(c.kind, c.givens));
        const SolveOutcome outcome = SolveKind(c.kind, c.givens);
        EXPECT_EQ(outcome.status, Status::NotATrapezoid);
        EXPECT_EQ(outcome.not_positive, c.quantity);
        ASSERT_TRUE(outcome.not_positive_value.has_value());
        EXPECT_EQ(FormatQuantityText(*outcome.not_positive_value, PlainSettings()), c.value);
        EXPECT_EQ(outcome.sign_dropped, c.sign_dropped);
        EXPECT_EQ(outcome.texts, Texts{});
        EXPECT_FALSE(outcome.report.has_value());
        EXPECT_FALSE(outcome.fault.has_value());
    }
}

struct EdgeCase {
    Kind kind;
    std::array<std::string, 3> givens;
    int quantity;
    std::string text;
};

TEST(TrapezoidCheck, SolvesAtTheEdgesThatAreStillTrapezoids) {
    const EdgeCase cases[] = {
        // Positive, though it rounds to zero in the box.
        {Kind::SAH, {"6", "4", "12.0000000001"}, C, "0.0000000"},
        // A rectangle: P = 2*(a + h) leaves m = 0.
        {Kind::PAH, {"6", "4", "20"}, C, "6.0000000"},
        // Just inside P > 2*a and P > 2*max(a, c).
        {Kind::PAB, {"10", "5", "20.5"}, H, "0.4771780"},
        {Kind::PAC, {"3", "6", "12.5"}, H, "0.4642857"},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(Describe(c.kind, c.givens));
        const SolveOutcome outcome = SolveKind(c.kind, c.givens);
        ASSERT_EQ(outcome.status, Status::Solved);
        EXPECT_EQ(outcome.texts[static_cast<std::size_t>(c.quantity)], c.text);
        EXPECT_FALSE(outcome.not_positive.has_value());
    }
}

}  // namespace
}  // namespace trapezoid::test
