// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing.hpp"

#include <cmath>
#include <cstdio>

namespace trapezoid::conditions {
namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Drops the 0 before the separator where no digit precedes it.
std::string WithLeadingZero(std::string text, const NumberSettings& settings) {
    if (settings.leading_zero) {
        return text;
    }
    const std::string pattern = "0" + settings.decimal_separator;
    for (std::size_t at = text.find(pattern); at != std::string::npos;
         at = text.find(pattern, at + 1)) {
        if (at == 0 || !IsDigit(text[at - 1])) {
            text.erase(at, 1);
        }
    }
    return text;
}

}  // namespace

std::string DecimalText(double value, const NumberSettings& settings) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7f", std::abs(value));
    std::string text = buffer;
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text.replace(point, 1, settings.decimal_separator);
    }
    const bool negative = value < 0.0 && text != "0";
    return WithLeadingZero((negative ? "−" : "") + text, settings);
}

std::string ExactText(const exact::Surd& value, const NumberSettings& settings) {
    return WithLeadingZero(exact::Write(value, settings.decimal_separator), settings);
}

std::string LengthEnding(const FoundLength& length, const NumberSettings& settings) {
    const std::string decimal = DecimalText(length.value, settings);
    if (!length.exact) {
        return "≈ " + decimal;
    }
    const exact::Shape shape = exact::ShapeOf(*length.exact);
    const std::string written = ExactText(*length.exact, settings);
    if (shape == exact::Shape::Integer || shape == exact::Shape::Decimal) {
        return "= " + written;
    }
    return "= " + written + " ≈ " + decimal;
}

}  // namespace trapezoid::conditions
