// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds' steps write numbers with 15 significant digits; the solution
// from elements writes them as the boxes do, to seven decimals.
#pragma once

#include <string>

#include "trapezoid/solver.hpp"

namespace trapezoid::elements {

// `step` ("b = √(m² + h²) = √(4² + 4²) = 5,65685424949238") with every number
// to seven decimals, trailing zeros dropped, and a result that this rounds
// after "≈" instead of "=": "... = √(4² + 4²) ≈ 5,6568542".
std::string WithSevenDecimals(const std::string& step, const NumberSettings& settings);

}  // namespace trapezoid::elements
