// SPDX-License-Identifier: GPL-3.0-or-later
// How the steps write numbers, exact values and angles.
#pragma once

#include <string>

#include "trapezoid/conditions/solve.hpp"
#include "trapezoid/shared/value_writing.hpp"

namespace trapezoid::conditions {

// Seven decimals, trailing zeros dropped, the settings' separator and
// leading zero, the minus sign "−": "5", "7,5", "−0,25".
std::string DecimalText(double value, const NumberSettings& settings);

// An exact value with the settings' separator and leading zero: "5√3/2".
std::string ExactText(const exact::Surd& value, const NumberSettings& settings);

// How a length follows its symbol: "= 10", "= 7,5", "= 5√3/2 ≈ 4,330127",
// "≈ 12,3456789".
std::string LengthEnding(const FoundLength& length, const NumberSettings& settings);

// The engine's angle writer: "= 45°", "≈ 26°33′54″".
using detail::AngleEnding;

}  // namespace trapezoid::conditions
