// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine_call.hpp"

#include "trapezoid/element_solution.hpp"

namespace web {

trapezoid::WorkedSolution SolveGivens(const std::vector<trapezoid::ElementGiven>& givens,
                                      const trapezoid::NumberSettings& settings, int decimals) {
    return trapezoid::ElementWorkedSolution(trapezoid::SolveElements(givens, settings, {decimals}),
                                            settings);
}

}  // namespace web
