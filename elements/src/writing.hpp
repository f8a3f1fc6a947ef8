// SPDX-License-Identifier: GPL-3.0-or-later
// How the solution writes numbers and angles: seven decimals as the boxes
// write them, trailing zeros dropped, no grouping, the minus sign "−".
#pragma once

#include <string>
#include <string_view>

#include "element_values.hpp"

namespace trapezoid::elements {

// "5", "5,6568542", "−2,5".
std::string NumberText(double value, const NumberSettings& settings);

// "= 5" when the value has at most seven decimals, else "≈ 5,6568542".
std::string ValueEnding(double value, const NumberSettings& settings);

// "45°", "33°30′", "33°33′26″" (to the nearest second).
std::string AngleText(double degrees);

// "= 45°" when the angle is a whole number of seconds, else "≈ 33°33′26″".
std::string AngleEnding(double degrees);

// The value of an element as a formula shows it: a number, in parentheses
// when negative (in a sentence without them), or an angle.
std::string PutIn(Element element, double value, const NumberSettings& settings,
                  bool in_formula = true);

// `pattern` with {a}, {b}, ..., {MN} and {∠} replaced by the values.
std::string FillIn(std::string_view pattern, const Values<double>& values,
                   const NumberSettings& settings, bool in_formula = true);

// "h = 5" or "∠B ≈ 33°33′26″": an element with its value.
std::string ElementWithValue(Element element, double value, const NumberSettings& settings,
                             bool obtuse = false);

}  // namespace trapezoid::elements
