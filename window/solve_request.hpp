// SPDX-License-Identifier: GPL-3.0-or-later
// What one press of "Изчисли" solved: enough to build its worked solution
// later, when something asks for it.
#pragma once

#include <array>
#include <string>

#include "trapezoid/element_solution.hpp"
#include "trapezoid/solver.hpp"
#include "trapezoid/worked_solution.hpp"

struct SolveRequest {
    int kind = -1;
    std::array<bool, trapezoid::kQuantityCount> given{};
    std::array<std::string, trapezoid::kQuantityCount> texts;
    trapezoid::NumberSettings settings;

    trapezoid::WorkedSolution BuildSolution(int approximate_decimals) const {
        return trapezoid::BuildWorkedSolution(kind, given, texts, settings, {approximate_decimals});
    }
};
