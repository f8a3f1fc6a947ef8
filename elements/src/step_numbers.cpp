// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_numbers.hpp"

#include <charconv>

#include "writing.hpp"

namespace trapezoid::elements {
namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// The length of the number at `at`: digits, the decimal separator and
// digits, and an exponent "E+20" as the report number writes it.
std::size_t NumberLength(const std::string& text, std::size_t at, const std::string& separator) {
    std::size_t end = at;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    if (text.compare(end, separator.size(), separator) == 0 &&
        end + separator.size() < text.size() && IsDigit(text[end + separator.size()])) {
        end += separator.size();
        while (end < text.size() && IsDigit(text[end])) {
            ++end;
        }
    }
    if (end + 2 < text.size() && text[end] == 'E' &&
        (text[end + 1] == '+' || text[end + 1] == '-')) {
        end += 2;
        while (end < text.size() && IsDigit(text[end])) {
            ++end;
        }
    }
    return end - at;
}

double ValueOfNumber(std::string number, const std::string& separator) {
    if (const std::size_t point = number.find(separator); point != std::string::npos) {
        number.replace(point, separator.size(), ".");
    }
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

}  // namespace

std::string WithSevenDecimals(const std::string& step, const NumberSettings& settings) {
    std::string text;
    bool last_rounded = false;
    std::size_t last_start = std::string::npos;
    for (std::size_t at = 0; at < step.size();) {
        const bool starts_number = IsDigit(step[at]) && (at == 0 || !IsDigit(step[at - 1]));
        if (!starts_number) {
            text += step[at++];
            continue;
        }
        const std::size_t length = NumberLength(step, at, settings.decimal_separator);
        const std::string number = step.substr(at, length);
        const double value = ValueOfNumber(number, settings.decimal_separator);
        const std::string written = NumberText(value, settings);
        last_start = text.size();
        last_rounded = ValueEnding(value, settings).starts_with("≈");
        text += written;
        at += length;
    }
    // The result: the number after the last " = ", ending the step.
    const std::string equals = " = ";
    if (last_rounded && last_start != std::string::npos && last_start >= equals.size() &&
        text.compare(last_start - equals.size(), equals.size(), equals) == 0) {
        text.replace(last_start - equals.size(), equals.size(), " ≈ ");
    }
    return text;
}

}  // namespace trapezoid::elements
