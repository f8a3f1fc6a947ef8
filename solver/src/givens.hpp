// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the ticked givens that every solve starts with.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "trapezoid/shared/branch.hpp"

namespace trapezoid::detail {

// Reads all six boxes, ticked or not; nothing when a ticked one is not a
// number greater than 0. Throws ArithmeticError(Overflow) for a number
// beyond the range of a double.
std::optional<SixQuantities<double>> ReadBoxes(const std::array<bool, kQuantityCount>& given,
                                               const std::array<std::string, kQuantityCount>& texts,
                                               const NumberSettings& settings);

}  // namespace trapezoid::detail
