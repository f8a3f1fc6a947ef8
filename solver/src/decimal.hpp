// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between decimal texts and doubles, independent of the C locale.
#pragma once

#include <string>
#include <string_view>

#include "trapezoid/solver.hpp"

namespace trapezoid::detail {

// The double nearest to a decimal number of the form [-]digits[.digits][e[+-]digits]
// (at least one mantissa digit). A value below the smallest double reads as
// zero; one above the largest throws ArithmeticError(Overflow).
double ReadDecimalNumber(std::string_view number);

// The double nearest to a non-negative integer written in hexadecimal digits.
double ReadHexadecimalInteger(std::string_view digits);

bool IsDigit(char ch);

}  // namespace trapezoid::detail
