// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a typed value of an element: lengths as a box reads them but
// strictly, angles in degrees with optional minutes and seconds.
#include <fast_float/fast_float.h>

#include <cmath>

#include "trapezoid/elements.hpp"

namespace trapezoid {
namespace {

// Longest start of a typed text that a message quotes, in characters.
constexpr std::size_t kLongestQuote = 20;

// „text“, or its first characters and "…" when it is longer.
std::string Quoted(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts_character = (static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U;
        if (starts_character && ++characters > kLongestQuote) {
            return "„" + std::string(text.substr(0, i)) + "…“";
        }
    }
    return "„" + std::string(text) + "“";
}

std::string Trimmed(std::string_view text) {
    std::string kept;
    for (const char ch : text) {
        if (ch != ' ' && ch != '\t' && ch != '\n') {
            kept += ch;
        }
    }
    return kept;
}

// A decimal number with a period or a comma at the front of `text`; the
// number is taken away from it.
std::optional<double> TakeNumber(std::string_view& text) {
    std::string digits;
    std::size_t length = 0;
    bool point = false;
    for (; length < text.size(); ++length) {
        const char ch = text[length];
        if (ch >= '0' && ch <= '9') {
            digits += ch;
        } else if ((ch == '.' || ch == ',') && !point) {
            point = true;
            digits += '.';
        } else {
            break;
        }
    }
    if (digits.find_first_of("0123456789") == std::string::npos) {
        return std::nullopt;
    }
    double value = 0.0;
    fast_float::from_chars(digits.data(), digits.data() + digits.size(), value);
    text.remove_prefix(length);
    return value;
}

// Takes the first of `marks` that `text` starts with.
bool TakeMark(std::string_view& text, std::initializer_list<std::string_view> marks) {
    for (const std::string_view mark : marks) {
        if (text.substr(0, mark.size()) == mark) {
            text.remove_prefix(mark.size());
            return true;
        }
    }
    return false;
}

// Degrees, then optionally minutes and seconds, each with its mark.
std::optional<double> ReadDegrees(std::string_view text) {
    const std::optional<double> degrees = TakeNumber(text);
    if (!degrees || (!TakeMark(text, {"°", "º"}) && !text.empty())) {
        return std::nullopt;
    }
    double value = *degrees;
    if (const std::optional<double> minutes = TakeNumber(text)) {
        if (*minutes >= 60.0 || !TakeMark(text, {"′", "'"})) {
            return std::nullopt;
        }
        value += *minutes / 60.0;
        if (const std::optional<double> seconds = TakeNumber(text)) {
            if (*seconds >= 60.0 || !TakeMark(text, {"″", "\""})) {
                return std::nullopt;
            }
            value += *seconds / 3600.0;
        }
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return value;
}

ElementReading ReadAngle(ElementName name, std::string_view text) {
    const std::string symbol(ElementSymbol(name.element, name.obtuse));
    const std::optional<double> degrees = ReadDegrees(Trimmed(text));
    if (!degrees) {
        return {std::nullopt, symbol + " = " + Quoted(text) +
                                  ": ъгълът се пише в градуси, например 45, 45° или 33°33′26″."};
    }
    const bool in_range =
        name.obtuse ? *degrees >= 90.0 && *degrees < 180.0 : *degrees > 0.0 && *degrees <= 90.0;
    if (!in_range) {
        const std::string range = name.obtuse ? "90° ≤ ∠C < 180°" : "0° < ∠B ≤ 90°";
        return {std::nullopt,
                symbol + " = " + Quoted(text) + ": ъгълът трябва да е в границите " + range + "."};
    }
    const double acute = name.obtuse ? 180.0 - *degrees : *degrees;
    return {ElementGiven{Element::Angle, acute, name.obtuse}, ""};
}

// Every length is above 0, but m = 0 is a rectangle, as ∠B = 90° is.
ElementReading ReadLength(ElementName name, std::string_view text, const NumberSettings& settings) {
    const bool zero_allowed = name.element == Element::M;
    const std::string refusal = std::string(ElementSymbol(name.element)) + " = " + Quoted(text) +
                                (zero_allowed ? ": стойността трябва да е число, не по-малко от 0."
                                              : ": стойността трябва да е число, по-голямо от 0.");
    try {
        const QuantityReading reading = ReadQuantityText(text, settings);
        const bool allowed = reading.value > 0.0 ||
                             (zero_allowed && reading.value == 0.0 &&
                              reading.decimal.find_first_of("123456789") == std::string::npos);
        const bool has_digit = text.find_first_of("0123456789") != std::string_view::npos;
        if (!reading.unread.empty() || !has_digit || !allowed) {
            return {std::nullopt, refusal};
        }
        return {ElementGiven{name.element, reading.value, false, reading.decimal}, ""};
    } catch (const ArithmeticError&) {
        return {std::nullopt, std::string(ElementSymbol(name.element)) + " = " + Quoted(text) +
                                  ": числото е твърде голямо."};
    }
}

}  // namespace

ElementReading ReadElement(ElementName name, std::string_view text,
                           const NumberSettings& settings) {
    if (name.element == Element::Angle) {
        return ReadAngle(name, text);
    }
    return ReadLength(name, text, settings);
}

ElementReading ReadElementArgument(std::string_view argument, const NumberSettings& settings) {
    const std::size_t sign = argument.find('=');
    if (sign == std::string_view::npos) {
        return {std::nullopt,
                Quoted(argument) + ": очаква се име=стойност, например a=12 или B=45."};
    }
    const std::string_view name = argument.substr(0, sign);
    const std::optional<ElementName> element = FindElementName(name);
    if (!element) {
        return {std::nullopt, Quoted(name) +
                                  ": няма такъв елемент; имената са a, b, c, h, P, S, m, AC, BD, "
                                  "MN, B (∠B) и C (∠C)."};
    }
    return ReadElement(*element, argument.substr(sign + 1), settings);
}

bool IsPlainNumber(std::string_view text, const NumberSettings& settings) {
    try {
        return ReadQuantityText(text, settings).unread.empty();
    } catch (const ArithmeticError&) {
        return true;  // a number beyond the range of a double
    }
}

}  // namespace trapezoid
