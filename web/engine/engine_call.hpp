// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where the page's engine calls the solver.
#pragma once

#include <vector>

#include "trapezoid/conditions/given.hpp"
#include "trapezoid/elements.hpp"
#include "trapezoid/worked_solution.hpp"

namespace web {

// The worked solution of the panel's givens, with `decimals` after "≈".
trapezoid::WorkedSolution SolveGivens(const std::vector<trapezoid::ElementGiven>& givens,
                                      const trapezoid::NumberSettings& settings, int decimals);

// The worked solution of givens of a textbook's form (the line "Условия",
// exact values).
trapezoid::WorkedSolution SolveConditions(const std::vector<trapezoid::conditions::Given>& givens,
                                          const trapezoid::NumberSettings& settings, int decimals);

}  // namespace web
