// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an exact value: a decimal with "." or ",", a root written with √ or
// sqrt, and a divisor: "7/2", "3√2/2", "2sqrt(3)".
#include <cmath>
#include <cstdlib>

#include "reading.hpp"

namespace trapezoid::conditions {
namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

// Digits with at most one "." or ","; the decimal with a point, and as typed.
struct Digits {
    std::string decimal;
    std::string typed;
};
std::optional<Digits> TakeDigits(std::string_view& text, bool allow_point) {
    Digits digits;
    bool point = false;
    std::size_t length = 0;
    for (; length < text.size(); ++length) {
        const char ch = text[length];
        if (IsDigit(ch)) {
            digits.decimal += ch;
        } else if (allow_point && (ch == '.' || ch == ',') && !point && length + 1 < text.size() &&
                   IsDigit(text[length + 1])) {
            point = true;
            digits.decimal += '.';
        } else {
            break;
        }
        digits.typed += ch;
    }
    if (digits.decimal.empty()) {
        return std::nullopt;
    }
    text.remove_prefix(length);
    return digits;
}

// The radicand after √ or sqrt: digits, or digits in parentheses.
std::optional<Digits> TakeRadicand(std::string_view& text) {
    std::string_view rest = text;
    const bool parenthesised = TakePrefix(rest, "(");
    auto digits = TakeDigits(rest, false);
    if (!digits || (parenthesised && !TakePrefix(rest, ")"))) {
        return std::nullopt;
    }
    text = rest;
    return digits;
}

}  // namespace

std::optional<TypedValue> TakeValue(std::string_view& text) {
    std::string_view rest = text;
    TypedValue typed;
    const bool negative = TakePrefix(rest, "-");
    const auto multiple = TakeDigits(rest, true);
    std::optional<Digits> radicand;
    if (TakePrefix(rest, "√") || TakePrefix(rest, "sqrt")) {
        radicand = TakeRadicand(rest);
        if (!radicand) {
            return std::nullopt;
        }
    }
    if (!multiple && !radicand) {
        return std::nullopt;
    }
    std::optional<Digits> divisor;
    if (rest.starts_with("/")) {
        std::string_view after = rest.substr(1);
        divisor = TakeDigits(after, true);
        if (divisor) {
            rest = after;
        }
    }
    // The double, one operation at a time, and the exact value.
    double value = multiple ? std::strtod(multiple->decimal.c_str(), nullptr) : 1.0;
    std::optional<exact::Surd> surd =
        multiple ? exact::Surd::FromDecimal(multiple->decimal) : exact::Surd(1);
    if (radicand) {
        value = value * std::sqrt(std::strtod(radicand->decimal.c_str(), nullptr));
        const auto root = exact::SquareRoot(*exact::Surd::FromDecimal(radicand->decimal));
        surd = surd && root ? exact::Multiply(*surd, *root) : std::nullopt;
    }
    if (divisor) {
        const double below = std::strtod(divisor->decimal.c_str(), nullptr);
        const auto exact_below = exact::Surd::FromDecimal(divisor->decimal);
        if (!(below > 0.0) || !exact_below) {
            return std::nullopt;
        }
        value = value / below;
        surd = surd ? exact::Divide(*surd, *exact_below) : std::nullopt;
    }
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    typed.value = negative ? -value : value;
    typed.exact = surd && negative ? std::optional(exact::Negate(*surd)) : surd;
    typed.text = std::string(negative ? "−" : "") + (multiple ? multiple->typed : "") +
                 (radicand ? "√" + radicand->typed : "") + (divisor ? "/" + divisor->typed : "");
    text = rest;
    return typed;
}

std::optional<TypedValue> ReadValue(std::string_view text) {
    const std::string kept = WithoutBlanks(text);
    std::string_view rest = kept;
    auto value = TakeValue(rest);
    if (!value || !rest.empty()) {
        return std::nullopt;
    }
    return value;
}

std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r') {
            continue;
        }
        // The minus sign U+2212 reads as "-".
        if (text.substr(i).starts_with("−")) {
            kept += '-';
            i += std::string_view("−").size() - 1;
            continue;
        }
        kept += text[i];
    }
    return kept;
}

}  // namespace trapezoid::conditions
