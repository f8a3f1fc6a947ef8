// SPDX-License-Identifier: GPL-3.0-or-later
// The two reading rules that ParseQuantityText combines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "trapezoid/solver.hpp"

namespace trapezoid::detail {

// What the fixed rule takes from the start of a text without blanks.
struct LeadingNumber {
    double value = 0.0;
    std::string decimal;     // as in QuantityReading::decimal
    std::size_t length = 0;  // characters of the text that the number spans
};

// The fixed rule on a text without blanks: an &H/&O integer, or the longest
// leading decimal number with a period, or 0 when no digit leads.
LeadingNumber ReadLeadingNumber(std::string_view text);

// The text without blanks as a plain decimal number [-]digits[.digits] when
// it is exactly a number in the regional form; nothing for any other text.
std::optional<std::string> ReadRegionalNumber(std::string_view text,
                                              const NumberSettings& settings);

}  // namespace trapezoid::detail
