// SPDX-License-Identifier: GPL-3.0-or-later
// Regional settings used throughout the solver tests, and an independent
// reference for the seven-decimal box text built on std::to_chars where the
// C++ library has it.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

#include "trapezoid/solver.hpp"

namespace trapezoid::test {

inline constexpr std::string_view kNbsp = "\xC2\xA0";

// Period decimal, no grouping, leading zero, leading minus.
inline NumberSettings PlainSettings() {
    return {};
}

// Period decimal, comma groups of three.
inline NumberSettings CommaGroupSettings() {
    NumberSettings s;
    s.group_separator = ",";
    s.group_sizes = {3};
    return s;
}

// Comma decimal, no-break-space groups of three.
inline NumberSettings CommaDecimalSettings() {
    NumberSettings s;
    s.decimal_separator = ",";
    s.group_separator = std::string(kNbsp);
    s.group_sizes = {3};
    return s;
}

// Period decimal, comma groups of three then of two (12,34,567).
inline NumberSettings IndianSettings() {
    NumberSettings s = CommaGroupSettings();
    s.group_sizes = {3, 2};
    return s;
}

inline NumberSettings NoLeadingZeroSettings() {
    NumberSettings s = CommaGroupSettings();
    s.leading_zero = false;
    return s;
}

inline NumberSettings ParenthesesSettings() {
    NumberSettings s = CommaGroupSettings();
    s.negative_format = NegativeFormat::Parentheses;
    return s;
}

struct NamedSettings {
    const char* name;
    NumberSettings settings;
};

inline std::array<NamedSettings, 6> AllSettings() {
    return {{{"plain", PlainSettings()},
             {"comma groups", CommaGroupSettings()},
             {"comma decimal", CommaDecimalSettings()},
             {"indian groups", IndianSettings()},
             {"no leading zero", NoLeadingZeroSettings()},
             {"parentheses", ParenthesesSettings()}}};
}

// Decimal text of an integer, for test traces.
inline std::string IntText(long long value) {
    char buffer[24];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

#if defined(__cpp_lib_to_chars)
// The shortest text that reads back as exactly `value`.
inline std::string ShortestText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The value rounded to seven decimals, as plain "-123.4567890" text.
inline std::string SevenDecimals(double value) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 7);
    return std::string(buffer, result.ptr);
}

// The double nearest to a plain decimal text.
inline double ReadPlain(std::string_view text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}
#else
// A C++ library without the floating-point conversions of <charconv> (the
// WebAssembly build's): the C library's, which also round correctly.
inline std::string ShortestText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

inline std::string SevenDecimals(double value) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.7f", value);
    return buffer;
}

inline double ReadPlain(std::string_view text) {
    return std::strtod(std::string(text).c_str(), nullptr);
}
#endif

inline std::string GroupDigits(const std::string& digits, const NumberSettings& s) {
    std::string grouped;
    std::size_t end = digits.size();
    std::size_t group = 0;
    while (end > 0) {
        const int size =
            s.group_sizes.empty() ? 0 : s.group_sizes[std::min(group, s.group_sizes.size() - 1)];
        if (size <= 0 || static_cast<std::size_t>(size) >= end) {
            grouped.insert(0, digits, 0, end);
            break;
        }
        grouped.insert(0, digits, end - size, size);
        grouped.insert(0, s.group_separator);
        end -= size;
        ++group;
    }
    return grouped;
}

// Reference seven-decimal box text: exact rounding of the binary value with
// ties to even, regional grouping, separators, leading zero and negative form;
// a value that rounds to zero carries no sign.
inline std::string ExpectedQuantityText(double value, const NumberSettings& s) {
    std::string plain = SevenDecimals(value);
    bool negative = plain.front() == '-';
    if (negative) {
        plain.erase(0, 1);
    }
    if (plain.find_first_not_of("0.") == std::string::npos) {
        negative = false;
    }
    const std::size_t point = plain.find('.');
    std::string integer = plain.substr(0, point);
    if (integer == "0" && !s.leading_zero) {
        integer.clear();
    }
    const std::string body =
        GroupDigits(integer, s) + s.decimal_separator + plain.substr(point + 1);
    if (!negative) {
        return body;
    }
    return s.negative_format == NegativeFormat::Parentheses ? "(" + body + ")" : "-" + body;
}

}  // namespace trapezoid::test
