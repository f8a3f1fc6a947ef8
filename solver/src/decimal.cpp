// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal.hpp"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace trapezoid::detail {
namespace {

// Tells whether an out-of-range decimal number is too large rather than too
// small. Its value is 0.d... times ten to the power `magnitude + exponent`.
bool IsTooLarge(std::string_view number) {
    if (number.front() == '-') {
        number.remove_prefix(1);
    }
    const std::size_t exponent_mark = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponent_mark);
    const std::size_t point = mantissa.find('.');
    const std::string_view integer = mantissa.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);

    long long magnitude = 0;
    if (const std::size_t first = integer.find_first_not_of('0'); first != integer.npos) {
        magnitude = static_cast<long long>(integer.size() - first);
    } else {
        magnitude = -static_cast<long long>(fraction.find_first_not_of('0'));
    }

    long long exponent = 0;
    if (exponent_mark != number.npos) {
        std::string_view digits = number.substr(exponent_mark + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
            digits.remove_prefix(1);
        }
        for (const char ch : digits) {
            exponent = std::min(exponent * 10 + (ch - '0'), 1'000'000'000LL);
        }
        exponent = negative ? -exponent : exponent;
    }
    return magnitude + exponent > 0;
}

}  // namespace

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

double ReadDecimalNumber(std::string_view number) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (IsTooLarge(number)) {
            throw ArithmeticError(ArithmeticFault::Overflow);
        }
        return number.front() == '-' ? -0.0 : 0.0;
    }
    return value;
}

double ReadHexadecimalInteger(std::string_view digits) {
    if (digits.empty()) {
        return 0.0;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::hex);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        throw ArithmeticError(ArithmeticFault::Overflow);
    }
    return value;
}

}  // namespace trapezoid::detail
