// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the command line's name=value: lengths strictly, angles in degrees.
#include <gtest/gtest.h>

#include "trapezoid/elements.hpp"

namespace trapezoid {
namespace {

struct ReadingRow {
    const char* argument;
    Element element;
    double value;  // ∠ABC for an angle; 0 when the argument is refused
    bool obtuse;
};

class ElementReadingTest : public testing::TestWithParam<ReadingRow> {};

TEST_P(ElementReadingTest, ReadsOrRefuses) {
    const ReadingRow& row = GetParam();
    const ElementReading reading = ReadElementArgument(row.argument, NumberSettings{});
    if (row.value == 0.0) {
        EXPECT_FALSE(reading.given);
        EXPECT_FALSE(reading.error.empty());
        return;
    }
    ASSERT_TRUE(reading.given) << reading.error;
    EXPECT_EQ(reading.given->element, row.element);
    EXPECT_NEAR(reading.given->value, row.value, 1e-12);
    EXPECT_EQ(reading.given->obtuse, row.obtuse);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ElementReadingTest,
    testing::Values(
        ReadingRow{"a=12", Element::A, 12, false},
        ReadingRow{"b=4.5", Element::B, 4.5, false},  // b is the leg, B the angle
        ReadingRow{"AC=1e1", Element::AC, 10, false},
        ReadingRow{"a=6cm", Element::A, 0, false},  // strictly a number
        ReadingRow{"h=0", Element::H, 0, false}, ReadingRow{"m=-2", Element::M, 0, false},
        ReadingRow{"x=2", Element::A, 0, false}, ReadingRow{"B=45", Element::Angle, 45, false},
        ReadingRow{"∠B=45°", Element::Angle, 45, false},
        ReadingRow{"B=33°33′26″", Element::Angle, 33 + 33 / 60.0 + 26 / 3600.0, false},
        ReadingRow{"B=33°33'26\"", Element::Angle, 33 + 33 / 60.0 + 26 / 3600.0, false},
        ReadingRow{"B=33,5", Element::Angle, 33.5, false},
        ReadingRow{"B=90", Element::Angle, 90, false},
        ReadingRow{"C=135", Element::Angle, 45, true},
        ReadingRow{"∠C=90°", Element::Angle, 90, true}, ReadingRow{"B=0", Element::Angle, 0, false},
        ReadingRow{"B=91", Element::Angle, 0, false}, ReadingRow{"C=80", Element::Angle, 0, true},
        ReadingRow{"C=180", Element::Angle, 0, true},
        ReadingRow{"B=30°75′", Element::Angle, 0, false},
        ReadingRow{"B=45deg", Element::Angle, 0, false}));

// m = 0 is a rectangle, as ∠B = 90° is; every other length is above 0, and
// a number that only underflows to 0 is no 0.
TEST(ElementReading, TakesZeroForMAloneAndOnlyATrueZero) {
    const std::pair<const char*, bool> rows[] = {
        {"m=0", true},       {"m=0.000", true}, {"m=", false},
        {"m=1e-400", false}, {"h=0", false},    {"m=-0.5", false},
    };
    for (const auto& [argument, taken] : rows) {
        EXPECT_EQ(ReadElementArgument(argument, NumberSettings{}).given.has_value(), taken)
            << argument;
    }
}

TEST(ElementReading, QuotesOnlyTheStartOfALongTextInWholeCharacters) {
    const std::pair<const char*, const char*> rows[] = {
        {"a=77777777777777777777777e999", "a = „77777777777777777777…“: числото е твърде голямо."},
        {"a=дддддддддддддддддддддддд", "a = „дддддддддддддддддддд…“"},
        {"a=12345678901234567890x", "a = „12345678901234567890…“"},
        {"a=1234567890123456789x", "a = „1234567890123456789x“"},
    };
    for (const auto& [argument, start] : rows) {
        EXPECT_EQ(ReadElementArgument(argument, NumberSettings{}).error.rfind(start, 0), 0u)
            << ReadElementArgument(argument, NumberSettings{}).error;
    }
}

}  // namespace
}  // namespace trapezoid
