// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution of givens as a textbook states them (conditions, exact
// values, angle functions, more than three givens): the conditions are
// solved into a, c and h, and the engine goes on from them as from values.
#pragma once

#include <string>
#include <vector>

#include "trapezoid/conditions/given.hpp"
#include "trapezoid/worked_solution.hpp"

namespace trapezoid {

struct ConditionSolution {
    WorkedSolution worked;
    int exit_code = 1;  // 0 answered, 1 no trapezoid, contradicting or dependent givens
};

// Solves the givens and writes the solution: Дадено as typed, the reasons
// of the conditions, each trapezoid's own step and the engine's steps from
// its a, c and h; one figure per trapezoid. Any other outcome is its one
// sentence.
ConditionSolution SolveConditions(const std::vector<conditions::Given>& givens,
                                  const NumberSettings& settings,
                                  const SolutionOptions& options = {});

// Reads typed givens, one per text; `message` names the first that cannot
// be read, and `unreadable` tells an unreadable given or unknown name.
struct ConditionTexts {
    std::vector<conditions::Given> givens;
    std::string message;
    bool unreadable = false;
};
ConditionTexts ReadConditionTexts(const std::vector<std::string>& texts);

}  // namespace trapezoid
