// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine_call.hpp"

#include "trapezoid/condition_solution.hpp"
#include "trapezoid/element_solution.hpp"

namespace web {

trapezoid::WorkedSolution SolveGivens(const std::vector<trapezoid::ElementGiven>& givens,
                                      const trapezoid::NumberSettings& settings, int decimals) {
    return trapezoid::ElementWorkedSolution(trapezoid::SolveElements(givens, settings, {decimals}),
                                            settings);
}

trapezoid::WorkedSolution SolveConditions(const std::vector<trapezoid::conditions::Given>& givens,
                                          const trapezoid::NumberSettings& settings, int decimals) {
    return trapezoid::SolveConditions(givens, settings, {decimals}).worked;
}

}  // namespace web
