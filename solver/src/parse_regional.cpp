// SPDX-License-Identifier: GPL-3.0-or-later
// Reading of a number written in the user's regional form, so that the
// program reads back what it writes and a typed "2,5" means 2.5 where the
// decimal separator is a comma.
#include <string>
#include <vector>

#include "decimal.hpp"
#include "grouping.hpp"
#include "parse_rules.hpp"

namespace trapezoid::detail {
namespace {

bool AllDigits(std::string_view text) {
    for (const char ch : text) {
        if (!IsDigit(ch)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = text.find(separator); at != text.npos; at = text.find(separator)) {
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    parts.push_back(text);
    return parts;
}

// The integer digits of an integer part, which is plain digits or grouped
// exactly at the regional sizes with a leftmost group not starting with 0.
std::optional<std::string> IntegerDigits(std::string_view integer, const NumberSettings& settings) {
    if (AllDigits(integer)) {
        return std::string(integer);
    }
    const std::string& separator = settings.group_separator;
    if (separator.empty() || separator == settings.decimal_separator ||
        settings.group_sizes.empty()) {
        return std::nullopt;
    }
    const std::vector<std::string_view> groups = Split(integer, separator);
    const std::size_t count = groups.size();
    for (std::size_t k = 0; k + 1 < count; ++k) {
        const std::string_view group = groups[count - 1 - k];
        const int size = GroupSizeAt(settings.group_sizes, k);
        if (size == 0 || group.size() != static_cast<std::size_t>(size) || !AllDigits(group)) {
            return std::nullopt;
        }
    }
    const std::string_view leftmost = groups.front();
    const int leftmost_limit = GroupSizeAt(settings.group_sizes, count - 1);
    if (leftmost.empty() || leftmost.front() == '0' || !AllDigits(leftmost) ||
        (leftmost_limit > 0 && leftmost.size() > static_cast<std::size_t>(leftmost_limit))) {
        return std::nullopt;
    }
    std::string digits;
    for (const std::string_view group : groups) {
        digits += group;
    }
    return digits;
}

}  // namespace

std::optional<std::string> ReadRegionalNumber(std::string_view text,
                                              const NumberSettings& settings) {
    const std::string& decimal = settings.decimal_separator;
    if (decimal.empty()) {
        return std::nullopt;
    }
    bool negative = false;
    if (settings.negative_format == NegativeFormat::Parentheses && text.size() >= 2 &&
        text.front() == '(' && text.back() == ')') {
        text = text.substr(1, text.size() - 2);
        negative = true;
    } else if (!settings.negative_sign.empty() && text.starts_with(settings.negative_sign)) {
        text.remove_prefix(settings.negative_sign.size());
        negative = true;
    }

    std::string_view integer = text;
    std::string_view fraction;
    const std::size_t point = text.find(decimal);
    if (point != text.npos) {
        integer = text.substr(0, point);
        fraction = text.substr(point + decimal.size());
        if (fraction.empty() || !AllDigits(fraction)) {
            return std::nullopt;
        }
    } else if (integer.empty()) {
        return std::nullopt;
    }

    const std::optional<std::string> digits = IntegerDigits(integer, settings);
    if (!digits) {
        return std::nullopt;
    }
    std::string number = negative ? "-" : "";
    number += digits->empty() ? "0" : *digits;
    if (!fraction.empty()) {
        number += '.';
        number += fraction;
    }
    return number;
}

}  // namespace trapezoid::detail
