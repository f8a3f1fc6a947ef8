// SPDX-License-Identifier: GPL-3.0-or-later
// How the solution writes numbers and angles: seven decimals as the boxes
// write them, trailing zeros dropped, no grouping, the minus sign "−".
#pragma once

#include <string>
#include <string_view>

#include "exact_element_values.hpp"
#include "trapezoid/shared/value_writing.hpp"

namespace trapezoid::elements {

// "5", "5,6568542", "−2,5".
std::string NumberText(double value, const NumberSettings& settings);

// The one angle writer: "45°", "33°33′26″"; "= 45°", "≈ 33°33′26″".
using detail::AngleEnding;
using detail::AngleText;

// The value of an element as a formula shows it: a number, in parentheses
// when negative (in a sentence without them), or an angle.
std::string PutIn(Element element, double value, const NumberSettings& settings,
                  bool in_formula = true);

// `pattern` with {a}, {b}, ..., {MN} and {∠} replaced by the values: in a
// formula by their exact forms where they have one ("√(4² + (2√3)²)"), in a
// sentence (`in_formula` false) by their decimals, without parentheses.
std::string FillIn(std::string_view pattern, const Values<Dual>& values,
                   const detail::ValueWriter& writer, bool in_formula = true);

// How an element's value follows its symbol: "= 4√2 ≈ 5,6568542", "= 40",
// "≈ 29,6568542"; an angle "= 45°" or "≈ 33°33′26″".
std::string ValueEnding(Element element, const Dual& value, const detail::ValueWriter& writer);

}  // namespace trapezoid::elements
