// SPDX-License-Identifier: GPL-3.0-or-later
// The two reading rules that ParseQuantityText combines.
#pragma once

#include <optional>
#include <string_view>

#include "trapezoid/solver.hpp"

namespace trapezoid::detail {

// The fixed rule on a text without blanks: an &H/&O integer, or the longest
// leading decimal number with a period, or 0 when no digit leads.
double ReadLeadingNumber(std::string_view text);

// The value of a text without blanks that is exactly a number in the
// regional form; nothing for any other text.
std::optional<double> ReadRegionalNumber(std::string_view text, const NumberSettings& settings);

}  // namespace trapezoid::detail
