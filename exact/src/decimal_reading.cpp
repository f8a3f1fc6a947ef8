// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdlib>

#include "surd_internal.hpp"

namespace exact {
namespace {

constexpr int kLargestExponent = 400;

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// The exponent after 'e': an optional sign and digits.
std::optional<int> ReadExponent(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int exponent = 0;
    for (const char ch : text) {
        if (!IsDigit(ch)) {
            return std::nullopt;
        }
        exponent = exponent * 10 + (ch - '0');
        if (exponent > kLargestExponent) {
            return std::nullopt;
        }
    }
    return negative ? -exponent : exponent;
}

}  // namespace

std::optional<Surd> Surd::FromDecimal(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    text.remove_prefix(negative ? 1 : 0);
    const std::size_t exponent_mark = text.find_first_of("eE");
    int exponent = 0;
    if (exponent_mark != std::string_view::npos) {
        const auto written = ReadExponent(text.substr(exponent_mark + 1));
        if (!written) {
            return std::nullopt;
        }
        exponent = *written;
        text = text.substr(0, exponent_mark);
    }
    // The digits without the point; each digit after it lowers the exponent.
    std::string digits;
    bool seen_point = false;
    for (const char ch : text) {
        if (ch == '.' && !seen_point) {
            seen_point = true;
        } else if (IsDigit(ch)) {
            digits += ch;
            exponent -= seen_point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    // Leading zeros go: the big integer would read "075" as an octal number.
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    const Integer mantissa(digits);
    const Integer scale = pow(Integer(10), static_cast<unsigned>(std::abs(exponent)));
    Rational value = exponent >= 0 ? Rational(mantissa * scale) : Rational(mantissa) / scale;
    return Surd(negative ? Rational(-value) : value);
}

}  // namespace exact
