// SPDX-License-Identifier: GPL-3.0-or-later
// Windows' regional number settings, as GetLocaleInfoEx returns them, in the
// solver's terms.
#pragma once

#include <string_view>
#include <vector>

#include "trapezoid/solver.hpp"

// The values of LOCALE_SDECIMAL, LOCALE_STHOUSAND, LOCALE_SGROUPING,
// LOCALE_ILZERO, LOCALE_INEGNUMBER and LOCALE_SNEGATIVESIGN, in UTF-8.
struct WindowsNumberFormat {
    std::string_view decimal_separator;
    std::string_view group_separator;
    std::string_view grouping;
    std::string_view leading_zero;
    std::string_view negative_number;
    std::string_view negative_sign;
};

// SGROUPING lists group sizes from the decimal separator leftwards; only a
// closing 0 makes the last size repeat: "3;0" -> {3}, "3;2;0" -> {3, 2},
// while "3" groups once -> {3, -1}. "0" or nothing: no grouping.
std::vector<int> GroupSizesFromWindowsGrouping(std::string_view grouping);

// INEGNUMBER has five forms: 0 "(1.1)", 1 "-1.1", 2 "- 1.1", 3 "1.1-",
// 4 "1.1 -". Only the first is written in parentheses; the others take the
// leading minus.
trapezoid::NegativeFormat NegativeFormatFromWindows(std::string_view negative_number);

trapezoid::NumberSettings NumberSettingsFromWindows(const WindowsNumberFormat& format);
