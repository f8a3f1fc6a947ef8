// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of SolveGivens: the reasons of the conditions, and the
// trapezoids of a family that too few givens leave open.
#pragma once

#include <string>
#include <vector>

#include "equations.hpp"
#include "trapezoid/conditions/solve.hpp"

namespace trapezoid::conditions {

// The reason of each condition as a textbook gives it, or the equation it
// gives; nothing for a plain value of an element.
std::vector<std::string> ReasonSteps(const std::vector<Given>& givens,
                                     const NumberSettings& settings);

// At least `wanted` trapezoids, where there are so many, that meet the
// independent equations (fewer than three leave a family open): each found
// with probes that fix the rest.
std::vector<Trapezoid> FamilyMembers(const std::vector<const Equation*>& equations,
                                     std::size_t wanted);

}  // namespace trapezoid::conditions
