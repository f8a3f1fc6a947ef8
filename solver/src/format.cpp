// SPDX-License-Identifier: GPL-3.0-or-later
// Writing numbers for the quantity boxes and for the two-solution report.
// The C library's printf rounds the exact binary value correctly (ties to
// even); its decimal point, the C locale's, is put back to a period.
#include <fast_float/fast_float.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "grouping.hpp"
#include "trapezoid/shared/fixed_text.hpp"
#include "trapezoid/solver.hpp"

namespace trapezoid {
namespace {

// Inserts the group separator into a run of integer digits.
std::string GroupDigits(const std::string& digits, const NumberSettings& settings) {
    if (settings.group_separator.empty() || settings.group_sizes.empty()) {
        return digits;
    }
    std::size_t remaining = digits.size();
    std::size_t k = 0;
    std::string tail;  // groups already taken from the right, separators included
    while (true) {
        const int size = detail::GroupSizeAt(settings.group_sizes, k);
        if (size <= 0 || remaining <= static_cast<std::size_t>(size)) {
            break;
        }
        remaining -= static_cast<std::size_t>(size);
        tail = settings.group_separator + digits.substr(remaining, static_cast<std::size_t>(size)) +
               tail;
        ++k;
    }
    return digits.substr(0, remaining) + tail;
}

}  // namespace

namespace detail {

std::string ToChars(double value, std::chars_format format, int precision) {
    const char* const pattern = format == std::chars_format::fixed ? "%.*f" : "%.*e";
    const int length = std::snprintf(nullptr, 0, pattern, precision, value);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, precision, value);
    const std::string_view point = std::localeconv()->decimal_point;
    if (const std::size_t at = text.find(point);
        !point.empty() && point != "." && at != text.npos) {
        text.replace(at, point.size(), ".");
    }
    return text;
}

std::string ShortestText(double value) {
    // printf's seventeen significant digits always read back to the same double.
    for (int precision = 0; precision < 16; ++precision) {
        const std::string text = ToChars(value, std::chars_format::scientific, precision);
        double back = 0.0;
        fast_float::from_chars(text.data(), text.data() + text.size(), back);
        if (back == value) {
            return text;
        }
    }
    return ToChars(value, std::chars_format::scientific, 16);
}

std::string StripTrailingZeros(std::string digits) {
    const std::size_t point = digits.find('.');
    if (point == std::string::npos) {
        return digits;
    }
    std::size_t end = digits.find_last_not_of('0');
    if (end == point) {
        --end;
    }
    digits.erase(end + 1);
    return digits;
}

std::string ReplacePoint(std::string text, const std::string& separator) {
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, separator);
    }
    return text;
}

}  // namespace detail

std::string FormatQuantityText(double value, const NumberSettings& settings) {
    using detail::ToChars;
    const std::string fixed = ToChars(std::abs(value), std::chars_format::fixed, 7);
    const std::size_t point = fixed.find('.');
    std::string integer = fixed.substr(0, point);
    const std::string fraction = fixed.substr(point + 1);
    const bool negative =
        value < 0.0 && fixed.find_first_not_of("0.") != std::string::npos;  // not rounded to zero

    if (integer == "0" && !settings.leading_zero) {
        integer.clear();
    }
    const std::string body = GroupDigits(integer, settings) + settings.decimal_separator + fraction;
    if (!negative) {
        return body;
    }
    return settings.negative_format == NegativeFormat::Parentheses ? "(" + body + ")"
                                                                   : settings.negative_sign + body;
}

std::string FormatReportNumber(double value, const NumberSettings& settings) {
    using detail::ReplacePoint, detail::StripTrailingZeros, detail::ToChars;
    if (value == 0.0) {
        return "0";  // also for -0
    }
    // 15 significant digits; the exponent decides between plain and E notation.
    const std::string scientific = ToChars(value, std::chars_format::scientific, 14);
    const std::size_t mark = scientific.find('e');
    const std::size_t digits = mark + 2;  // after the exponent's sign
    int exponent = 0;
    std::from_chars(scientific.data() + digits, scientific.data() + scientific.size(), exponent);
    if (scientific[mark + 1] == '-') {
        exponent = -exponent;
    }
    if (exponent >= -5 && exponent < 15) {
        const std::string plain = ToChars(value, std::chars_format::fixed, 14 - exponent);
        return ReplacePoint(StripTrailingZeros(plain), settings.decimal_separator);
    }
    const std::string mantissa = StripTrailingZeros(scientific.substr(0, mark));
    return ReplacePoint(mantissa, settings.decimal_separator) + "E" + scientific.substr(mark + 1);
}

}  // namespace trapezoid
