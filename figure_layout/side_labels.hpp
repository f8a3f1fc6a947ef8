// SPDX-License-Identifier: GPL-3.0-or-later
// What the drawing of a worked solution writes beside its sides.
#pragma once

#include <string>
#include <vector>

#include "figure_layout.hpp"
#include "trapezoid/worked_solution.hpp"

namespace figure {

// The length as a label shows it: its exact form when that has at most eight
// characters, else the value with two decimals ("√11", "3,13").
std::string ShortForm(const std::string& exact, double value, const std::string& decimal_separator);

// One per solved trapezoid, with the side labels "a = 10", "a ≈ 3,13".
std::vector<DrawnTrapezoid> TrapezoidsToDraw(const trapezoid::WorkedSolution& solution,
                                             const std::string& decimal_separator);

}  // namespace figure
