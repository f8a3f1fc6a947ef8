// SPDX-License-Identifier: GPL-3.0-or-later
// Windows' regional number settings, as GetLocaleInfoEx spells them, written
// into a quantity box.
#include <gtest/gtest.h>

#include <string>

#include "windows_number_format.hpp"

namespace {

struct WindowsCase {
    const char* name;
    WindowsNumberFormat format;
    double value;
    std::string text;
};

// SDECIMAL, STHOUSAND, SGROUPING, ILZERO, INEGNUMBER, SNEGATIVESIGN.
const WindowsCase kCases[] = {
    {"repeating_threes", {".", ",", "3;0", "1", "1", "-"}, -1234567.5, "-1,234,567.5000000"},
    {"indian_groups", {".", ",", "3;2;0", "1", "1", "-"}, 123456789, "12,34,56,789.0000000"},
    {"one_group_only", {".", ",", "3", "1", "1", "-"}, 1234567, "1234,567.0000000"},
    {"two_then_stop", {".", ",", "3;2", "1", "1", "-"}, 123456789, "1234,56,789.0000000"},
    {"bulgarian",
     {",", "\xC2\xA0", "3;0", "1", "1", "-"},
     1234.5,
     "1\xC2\xA0"
     "234,5000000"},
    {"no_separator_no_groups", {",", "", "3;0", "1", "1", "-"}, 1234.5, "1234,5000000"},
    {"zero_grouping", {".", ",", "0", "1", "1", "-"}, 1234.5, "1234.5000000"},
    {"no_leading_zero", {".", ",", "3;0", "0", "1", "-"}, 0.25, ".2500000"},
    {"parentheses", {".", ",", "3;0", "1", "0", "-"}, -2, "(2.0000000)"},
    {"trailing_minus_leads", {".", ",", "3;0", "1", "3", "-"}, -2, "-2.0000000"},
    {"spaced_minus_leads", {".", ",", "3;0", "1", "2", "-"}, -2, "-2.0000000"},
    {"own_minus_sign",
     {".", ",", "3;0", "1", "1", "\xE2\x88\x92"},
     -2,
     "\xE2\x88\x92"
     "2.0000000"},
};

class WindowsNumberFormatTest : public testing::TestWithParam<WindowsCase> {};

TEST_P(WindowsNumberFormatTest, WritesTheBoxTextWindowsWouldShow) {
    const WindowsCase& c = GetParam();
    EXPECT_EQ(trapezoid::FormatQuantityText(c.value, NumberSettingsFromWindows(c.format)), c.text);
}

INSTANTIATE_TEST_SUITE_P(Settings, WindowsNumberFormatTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsGrouping, ABrokenGroupingMeansNoGrouping) {
    EXPECT_TRUE(GroupSizesFromWindowsGrouping("").empty());
    EXPECT_TRUE(GroupSizesFromWindowsGrouping("3;x;0").empty());
    EXPECT_TRUE(GroupSizesFromWindowsGrouping("-3;0").empty());
}

}  // namespace
