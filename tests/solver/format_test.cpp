// SPDX-License-Identifier: GPL-3.0-or-later
// Writing values: the seven-decimal box text and the short report number.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "test_settings.hpp"

namespace trapezoid::test {
namespace {

struct WritingCase {
    NumberSettings settings;
    double value;
    std::string text;
};

const std::string kN(kNbsp);

const WritingCase kBoxCases[] = {
    {CommaGroupSettings(), 18, "18.0000000"},
    {CommaGroupSettings(), std::sqrt(20.0), "4.4721360"},
    {CommaGroupSettings(), 1234.5, "1,234.5000000"},
    {CommaGroupSettings(), -2, "-2.0000000"},
    {CommaGroupSettings(), 0.25, "0.2500000"},
    {CommaGroupSettings(), 0, "0.0000000"},
    {CommaGroupSettings(), 5, "5.0000000"},
    {CommaGroupSettings(), 123, "123.0000000"},
    {CommaGroupSettings(), 123456, "123,456.0000000"},
    {CommaGroupSettings(), -1234567.5, "-1,234,567.5000000"},
    {CommaGroupSettings(), 999999.99999999, "1,000,000.0000000"},
    {CommaGroupSettings(), 1e20, "100,000,000,000,000,000,000.0000000"},
    {PlainSettings(), 1234.5, "1234.5000000"},
    {PlainSettings(), 0x1p70, "1180591620717411303424.0000000"},
    {PlainSettings(), 123456789.123456789, "123456789.1234568"},
    {PlainSettings(), 1e-7, "0.0000001"},
    {PlainSettings(), 5e-324, "0.0000000"},
    // Rounding follows the exact binary value, not its shortest decimal text.
    {PlainSettings(), 0.12345675, "0.1234568"},  // binary value just above the tie
    {PlainSettings(), 2.00000005, "2.0000001"},  // just above
    {PlainSettings(), 1.00000005, "1.0000000"},  // just below
    {PlainSettings(), 0.99999995, "0.9999999"},  // just below
    {PlainSettings(), 7.5e-8, "0.0000001"},      // just below, still rounds up
    // Exact ties go to the even digit.
    {PlainSettings(), 0.00390625, "0.0039062"},
    {PlainSettings(), 0.01171875, "0.0117188"},
    {PlainSettings(), 0.01953125, "0.0195312"},
    {PlainSettings(), 1.00390625, "1.0039062"},
    // A value that rounds to zero has no sign.
    {PlainSettings(), -0.00000001, "0.0000000"},
    {PlainSettings(), -5e-8, "0.0000000"},
    {PlainSettings(), -0.0, "0.0000000"},
    {PlainSettings(), -7.5e-8, "-0.0000001"},
    {CommaDecimalSettings(), 1234.5, "1" + kN + "234,5000000"},
    {CommaDecimalSettings(), -1234567.5, "-1" + kN + "234" + kN + "567,5000000"},
    {CommaDecimalSettings(), std::sqrt(20.0), "4,4721360"},
    {CommaDecimalSettings(), 0.25, "0,2500000"},
    {IndianSettings(), 1234567.25, "12,34,567.2500000"},
    {IndianSettings(), 123, "123.0000000"},
    {IndianSettings(), 1234, "1,234.0000000"},
    {IndianSettings(), 12345, "12,345.0000000"},
    {IndianSettings(), 123456, "1,23,456.0000000"},
    {IndianSettings(), 12345678901, "12,34,56,78,901.0000000"},
    {NoLeadingZeroSettings(), 0.25, ".2500000"},
    {NoLeadingZeroSettings(), -0.25, "-.2500000"},
    {NoLeadingZeroSettings(), 0, ".0000000"},
    {NoLeadingZeroSettings(), 0.99999999, "1.0000000"},
    {NoLeadingZeroSettings(), 1.5, "1.5000000"},
    {ParenthesesSettings(), -2, "(2.0000000)"},
    {ParenthesesSettings(), -1234.5, "(1,234.5000000)"},
    {ParenthesesSettings(), -0.00000001, "0.0000000"},
    {ParenthesesSettings(), 2, "2.0000000"},
};

TEST(BoxText, WritesSevenDecimalsInTheRegionalForm) {
    for (const WritingCase& c : kBoxCases) {
        SCOPED_TRACE("value " + ShortestText(c.value) + " expected " + c.text);
        EXPECT_EQ(FormatQuantityText(c.value, c.settings), c.text);
    }
}

// The window's toolkit takes the C library's locale from the environment;
// under one with a decimal comma the digits keep their period.
TEST(BoxText, KeepsThePeriodUnderACLocaleWithADecimalComma) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "bg_BG.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        GTEST_SKIP() << "no C locale with a decimal comma (tools/generate-locales makes them)";
    }
    const std::string texts[] = {
        FormatQuantityText(1234.5, PlainSettings()),
        FormatQuantityText(-0.25, CommaDecimalSettings()),
        FormatReportNumber(3.1291713066130296, PlainSettings()),
        FormatReportNumber(1.5e20, CommaDecimalSettings()),
    };
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(texts[0], "1234.5000000");
    EXPECT_EQ(texts[1], "-0,2500000");
    EXPECT_EQ(texts[2], "3.12917130661303");
    EXPECT_EQ(texts[3], "1,5E+20");
}

// std::bit_cast, which the WebAssembly build's C++ library lacks.
double DoubleWithBits(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Finite doubles of every size: half of them uniform in magnitude between
// 1e-9 and 1e22, half with random bits.
std::vector<double> RandomFiniteDoubles(std::size_t count) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> exponent(-9, 22);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::vector<double> values;
    while (values.size() < count) {
        double v = values.size() % 2 == 0 ? mantissa(random) * std::pow(10.0, exponent(random))
                                          : DoubleWithBits(random());
        if (!std::isfinite(v)) {
            continue;
        }
        if (random() % 2 == 0) {
            v = -v;
        }
        values.push_back(v);
    }
    return values;
}

TEST(BoxText, MatchesTheExactRoundingAndReadsBackAsTheRoundedValue) {
    const auto values = RandomFiniteDoubles(4000);
    for (const NamedSettings& named : AllSettings()) {
        for (double v : values) {
            const std::string text = FormatQuantityText(v, named.settings);
            SCOPED_TRACE(std::string(named.name) + ", value " + ShortestText(v));
            ASSERT_EQ(text, ExpectedQuantityText(v, named.settings));
            ASSERT_EQ(ParseQuantityText(text, named.settings), ReadPlain(SevenDecimals(v)));
        }
    }
}

const WritingCase kReportCases[] = {
    {PlainSettings(), 6, "6"},
    {PlainSettings(), 3.1291713066130296, "3.12917130661303"},
    {PlainSettings(), -18, "-18"},
    {PlainSettings(), 0.5, "0.5"},
    {PlainSettings(), 0, "0"},
    {PlainSettings(), -0.0, "0"},
    {PlainSettings(), 0.1 + 0.2, "0.3"},
    {PlainSettings(), 2.0 / 3.0, "0.666666666666667"},
    {PlainSettings(), 100.0 / 3.0, "33.3333333333333"},
    {PlainSettings(), 999999999999999, "999999999999999"},
    {PlainSettings(), 123456789012345.6, "123456789012346"},
    {PlainSettings(), 1e-5, "0.00001"},
    {PlainSettings(), 0.000123456789012345678, "0.000123456789012346"},
    {PlainSettings(), 1e15, "1E+15"},
    {PlainSettings(), 1.5e20, "1.5E+20"},
    {PlainSettings(), -1.5e20, "-1.5E+20"},
    {PlainSettings(), 1e100, "1E+100"},
    {PlainSettings(), 1.2345678901234567e-7, "1.23456789012346E-07"},
    {PlainSettings(), 9.5e-6, "9.5E-06"},
    {PlainSettings(), 5e-324, "4.94065645841247E-324"},
    {CommaGroupSettings(), 1234567, "1234567"},
    {CommaDecimalSettings(), 3.1291713066130296, "3,12917130661303"},
    {CommaDecimalSettings(), 1234567.5, "1234567,5"},
    {CommaDecimalSettings(), 1.5e20, "1,5E+20"},
    {ParenthesesSettings(), -2, "-2"},
    {NoLeadingZeroSettings(), 0.5, "0.5"},
};

TEST(ReportNumber, WritesFifteenSignificantDigitsWithoutGrouping) {
    for (const WritingCase& c : kReportCases) {
        SCOPED_TRACE("value " + ShortestText(c.value) + " expected " + c.text);
        EXPECT_EQ(FormatReportNumber(c.value, c.settings), c.text);
    }
}

}  // namespace
}  // namespace trapezoid::test

namespace trapezoid::test {
namespace {

// Group sizes follow the C library's grouping: the last size repeats, also
// after a 0 entry, and CHAR_MAX or a negative entry ends grouping. What is
// written that way reads back.
TEST(BoxText, GroupsTheIntegerPartAsTheCLibraryGroupingSays) {
    struct GroupingCase {
        std::vector<int> sizes;
        const char* expected;
    };
    const GroupingCase cases[] = {
        {{3}, "1,234,567,890.0000000"},       {{3, 2}, "1,23,45,67,890.0000000"},
        {{3, 0}, "1,234,567,890.0000000"},    {{3, 127}, "1234567,890.0000000"},
        {{2, 3, -1}, "12345,678,90.0000000"}, {{0}, "1234567890.0000000"},
        {{4}, "12,3456,7890.0000000"},
    };
    for (const GroupingCase& c : cases) {
        NumberSettings settings = CommaGroupSettings();
        settings.group_sizes = c.sizes;
        const std::string text = FormatQuantityText(1234567890.0, settings);
        EXPECT_EQ(text, c.expected);
        EXPECT_EQ(ParseQuantityText(text, settings), 1234567890.0) << text;
    }
}

}  // namespace
}  // namespace trapezoid::test
