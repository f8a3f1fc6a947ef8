// SPDX-License-Identifier: GPL-3.0-or-later
#include "parse_rules.hpp"

#include <string>

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

double ParseQuantityText(std::string_view text, const NumberSettings& settings) {
    const std::string compact = RemoveBlanks(text);
    if (const auto regional = detail::ReadRegionalNumber(compact, settings)) {
        return *regional;
    }
    return detail::ReadLeadingNumber(compact);
}

}  // namespace trapezoid
