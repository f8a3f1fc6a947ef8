// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.hpp"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace trapezoid::detail {
namespace {

int HexDigitValue(char ch) {
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return ch - '0';
}

}  // namespace

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

double ReadDecimalNumber(std::string_view number) {
    double value = 0.0;
    fast_float::from_chars(number.data(), number.data() + number.size(), value);
    // Out of range: infinity above the largest double, a signed zero below the smallest.
    if (std::isinf(value)) {
        throw ArithmeticError(ArithmeticFault::Overflow);
    }
    return value;
}

double ReadHexadecimalInteger(std::string_view digits) {
    if (digits.empty()) {
        return 0.0;
    }
    // The first sixteen significant digits, the rest only as a sticky bit below
    // the 53 kept: the conversion of the 64 bits rounds to nearest, ties to even.
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size() - 1));
    std::uint64_t leading = 0;
    const std::size_t taken = std::min<std::size_t>(digits.size(), 16);
    for (std::size_t i = 0; i < taken; ++i) {
        leading = leading * 16 + static_cast<std::uint64_t>(HexDigitValue(digits[i]));
    }
    const std::string_view rest = digits.substr(taken);
    if (rest.find_first_not_of('0') != std::string_view::npos) {
        leading |= 1;
    }
    if (rest.size() > 256) {
        throw ArithmeticError(ArithmeticFault::Overflow);
    }
    const double value =
        std::ldexp(static_cast<double>(leading), static_cast<int>(4 * rest.size()));
    if (std::isinf(value)) {
        throw ArithmeticError(ArithmeticFault::Overflow);
    }
    return value;
}

}  // namespace trapezoid::detail
