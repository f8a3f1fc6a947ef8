// SPDX-License-Identifier: GPL-3.0-or-later
#include "parse_rules.hpp"

#include <string>

#include "decimal.hpp"

namespace trapezoid {
namespace {

// Blanks, tabs and line feeds are dropped wherever they stand, so "4 5" is 45.
std::string RemoveBlanks(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char ch : text) {
        if (ch != ' ' && ch != '\t' && ch != '\n') {
            compact += ch;
        }
    }
    return compact;
}

}  // namespace

QuantityReading ReadQuantityText(std::string_view text, const NumberSettings& settings) {
    const std::string compact = RemoveBlanks(text);
    if (auto regional = detail::ReadRegionalNumber(compact, settings)) {
        const double value = detail::ReadDecimalNumber(*regional);
        return {value, std::move(*regional), ""};
    }
    detail::LeadingNumber leading = detail::ReadLeadingNumber(compact);
    return {leading.value, std::move(leading.decimal), compact.substr(leading.length)};
}

double ParseQuantityText(std::string_view text, const NumberSettings& settings) {
    return ReadQuantityText(text, settings).value;
}

}  // namespace trapezoid
