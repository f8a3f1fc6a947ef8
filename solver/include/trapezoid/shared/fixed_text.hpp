// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// Digits of a double in plain text, shared by every writer of numbers.
#pragma once

#include <charconv>
#include <string>

namespace trapezoid::detail {

// The digits of `value` in fixed or scientific notation with `precision` digits
// after the point: correctly rounded, with a period whatever the C locale.
std::string ToChars(double value, std::chars_format format, int precision);

// The fewest significant digits that read back to `value`, in scientific notation.
std::string ShortestText(double value);

// "3.5000" -> "3.5", "4.000" -> "4"; a text without a period is left alone.
std::string StripTrailingZeros(std::string digits);

// The period of `text`, if any, replaced by `separator`.
std::string ReplacePoint(std::string text, const std::string& separator);

}  // namespace trapezoid::detail
