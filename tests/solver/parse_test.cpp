// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a quantity box text: the regional form first, the fixed rule for
// every other text.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "test_settings.hpp"

namespace trapezoid::test {
namespace {

constexpr double kUnchecked = std::numeric_limits<double>::quiet_NaN();

// One text and its value under each of AllSettings(), in that order: plain,
// comma groups, comma decimal, indian groups, no leading zero, parentheses.
// kUnchecked marks a setting where the value is left open.
struct ReadingCase {
    std::string text;
    std::array<double, 6> values;
};

std::array<double, 6> Everywhere(double v) {
    return {v, v, v, v, v, v};
}

const ReadingCase kReadingCases[] = {
    // The fixed rule, the same under every setting.
    {"6", Everywhere(6)},
    {"  4.5  ", Everywhere(4.5)},
    {"4 5", Everywhere(45)},
    {"\t1\n2 . 5 ", Everywhere(12.5)},
    {"12abc", Everywhere(12)},
    {"6cm", Everywhere(6)},
    {".5", Everywhere(0.5)},
    {"-2", Everywhere(-2)},
    {"+3", Everywhere(3)},
    {"-.5", Everywhere(-0.5)},
    {"+.5e1", Everywhere(5)},
    {"1e3", Everywhere(1000)},
    {"2.5E-1", Everywhere(0.25)},
    {"1E+2", Everywhere(100)},
    {"123.456e-2", Everywhere(1.23456)},
    {"5.", Everywhere(5)},
    {"5.e2", Everywhere(500)},
    {"1e", Everywhere(1)},
    {"1e+", Everywhere(1)},
    {"1.2.3", Everywhere(1.2)},
    {"007", Everywhere(7)},
    {"1234.5", Everywhere(1234.5)},
    {"", Everywhere(0)},
    {"abc", Everywhere(0)},
    {"-", Everywhere(0)},
    {".", Everywhere(0)},
    {"e5", Everywhere(0)},
    {"--5", Everywhere(0)},
    {"+-5", Everywhere(0)},
    {"inf", Everywhere(0)},
    {"-inf", Everywhere(0)},
    {"infinity", Everywhere(0)},
    {"nan", Everywhere(0)},
    {"0x10", Everywhere(0)},
    {"1e-400", Everywhere(0)},
    {"4.9e-324", Everywhere(std::numeric_limits<double>::denorm_min())},
    {"1.7976931348623157e308", Everywhere(std::numeric_limits<double>::max())},
    {"123,45,678", Everywhere(123)},
    {"1,23,4", Everywhere(1)},
    {"5,", Everywhere(5)},
    {"1\xC2\xA0"
     "23,5",
     Everywhere(1)},
    // Hexadecimal and octal integers.
    {"&HFFFF", Everywhere(-1)},
    {"&hffff", Everywhere(-1)},
    {"&H7FFF", Everywhere(32767)},
    {"&H8000", Everywhere(-32768)},
    {"&HFF", Everywhere(255)},
    {"&H F F", Everywhere(255)},
    {"&HFFzz", Everywhere(255)},
    {"&HFFFFzz", Everywhere(-1)},
    {"&H12.5", Everywhere(18)},
    {"&H0FFF", Everywhere(4095)},
    {"&H0FFFF", Everywhere(-1)},
    {"&H10000", Everywhere(65536)},
    {"&H7FFFFFFF", Everywhere(2147483647)},
    {"&H80000000", Everywhere(-2147483648.0)},
    {"&HFFFFFFFF", Everywhere(-1)},
    {"&H100000000", Everywhere(4294967296.0)},
    // Wider ones round to the nearest double, ties to even; digits past the
    // sixteenth still break a tie.
    {"&H20000000000001", Everywhere(0x1p53)},
    {"&H20000000000003", Everywhere(0x1.0000000000002p53)},
    {"&H200000000000010", Everywhere(0x1p57)},
    {"&H2000000000000100000000000000001", Everywhere(0x1.0000000000001p121)},
    {"&HFFFFFFFFFFFFFFFFFFFF", Everywhere(0x1p80)},
    {"&HFFFFFFFFFFFFFB" + std::string(242, '0'), Everywhere(0x1.fffffffffffffp1023)},
    {"&O17", Everywhere(15)},
    {"&o17", Everywhere(15)},
    {"&O78", Everywhere(7)},
    {"&O77777", Everywhere(32767)},
    {"&O100000", Everywhere(-32768)},
    {"&O177777", Everywhere(-1)},
    {"&O37777777777", Everywhere(-1)},
    {"&H", Everywhere(0)},
    {"&HG", Everywhere(0)},
    {"&O8", Everywhere(0)},
    {"&", Everywhere(0)},
    {"&X5", Everywhere(0)},
    // Texts in one regional form, read by the fixed rule elsewhere.
    {"3,5", {3, 3, 3.5, 3, 3, 3}},
    {"4,4721360", {4, 4, 4.4721360, 4, 4, 4}},
    {"0,25", {0, 0, 0.25, 0, 0, 0}},
    {"0,1", {0, 0, 0.1, 0, 0, 0}},
    {"123456,789", {123456, 123456, 123456.789, 123456, 123456, 123456}},
    {"-0,5", {-0.0, -0.0, -0.5, -0.0, -0.0, -0.0}},
    {",5", {0, 0, 0.5, 0, 0, 0}},
    {"1,234", {1, 1234, 1.234, 1234, 1234, 1234}},
    {"1,234.5000000", {1, 1234.5, 1, 1234.5, 1234.5, 1234.5}},
    {"-1,234.5000000", {-1, -1234.5, -1, -1234.5, -1234.5, kUnchecked}},
    {"1, 234.5", {1, 1234.5, 1, 1234.5, 1234.5, 1234.5}},
    {"1,234,567.5", {1, 1234567.5, 1, 1, 1234567.5, 1234567.5}},
    {"12,34,567.5", {12, 12, 12, 1234567.5, 12, 12}},
    {"01,234", {1, 1, 1.234, 1, 1, 1}},
    {"1\xC2\xA0"
     "234,5",
     {1, 1, 1234.5, 1, 1, 1}},
    {"-1\xC2\xA0"
     "234\xC2\xA0"
     "567,25",
     {-1, -1, -1234567.25, -1, -1, -1}},
    {"1 234,5", {1234, 1234, 1234.5, 1234, 1234, 1234}},
    {"(2.0000000)", {kUnchecked, kUnchecked, 0, kUnchecked, kUnchecked, -2}},
    {"(1,234.5000000)", {0, kUnchecked, 0, kUnchecked, kUnchecked, -1234.5}},
};

TEST(ReadingRule, ReadsEveryTextAsItsRegionalNumberOrByTheFixedRule) {
    const auto all = AllSettings();
    for (const ReadingCase& c : kReadingCases) {
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (std::isnan(c.values[i])) {
                continue;
            }
            SCOPED_TRACE("text \"" + c.text + "\" under " + all[i].name);
            // Exact comparison: every value must be the double nearest to its text.
            EXPECT_EQ(ParseQuantityText(c.text, all[i].settings), c.values[i]);
        }
    }
}

TEST(ReadingRule, ReadsTheNegativeRegionalFormWithItsSign) {
    EXPECT_TRUE(std::signbit(ParseQuantityText("-0,5", CommaDecimalSettings())));
    EXPECT_EQ(ParseQuantityText("(.25)", ParenthesesSettings()), -0.25);
}

TEST(ReadingRule, TellsTheDecimalItReadAndWhatItLeft) {
    const struct {
        std::string text;
        NumberSettings settings;
        std::string decimal, unread;
    } cases[] = {
        {"3,5", PlainSettings(), "3", ",5"},
        {"3,5", CommaDecimalSettings(), "3.5", ""},
        {"2,5см", CommaDecimalSettings(), "2", ",5см"},
        {"1 2 abc", PlainSettings(), "12", "abc"},
        {"-1.5E-2x", PlainSettings(), "-1.5E-2", "x"},
        {"1e", PlainSettings(), "1", "e"},
        {"&HFFz", PlainSettings(), "255", "z"},
        {"&HFFFF", PlainSettings(), "-1", ""},
        {"", PlainSettings(), "0", ""},
        {"abc", PlainSettings(), "0", "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text " + c.text);
        const QuantityReading reading = ReadQuantityText(c.text, c.settings);
        EXPECT_EQ(reading.decimal, c.decimal);
        EXPECT_EQ(reading.unread, c.unread);
        EXPECT_EQ(reading.value, ParseQuantityText(c.text, c.settings));
    }
}

TEST(ReadingRule, ReportsOverflowForNumbersBeyondTheDoubleRange) {
    const std::string huge_grouped = [] {
        std::string text = "1";
        for (int i = 0; i < 103; ++i) {
            text += ",000";
        }
        return text;
    }();
    const struct {
        std::string text;
        NumberSettings settings;
    } cases[] = {
        {"1e400", PlainSettings()},
        {"-1e400", PlainSettings()},
        {"1.8e308", PlainSettings()},
        {"1" + std::string(400, '0'), PlainSettings()},
        {"1e400", CommaDecimalSettings()},
        {huge_grouped, CommaGroupSettings()},
        {"&HFFFFFFFFFFFFFC" + std::string(242, '0'), PlainSettings()},
        {"&H1" + std::string(256, '0'), PlainSettings()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text " + c.text);
        try {
            ParseQuantityText(c.text, c.settings);
            ADD_FAILURE() << "no fault";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.fault(), ArithmeticFault::Overflow);
        }
    }
}

}  // namespace
}  // namespace trapezoid::test
