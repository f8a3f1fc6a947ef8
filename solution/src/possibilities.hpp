// SPDX-License-Identifier: GPL-3.0-or-later
// From known values to the trapezoids they give: the derivation with its
// steps, the kind's branch, and the check that each trapezoid has the givens.
#pragma once

#include <string>
#include <vector>

#include "plan.hpp"
#include "trapezoid/element_solution.hpp"
#include "trapezoid/shared/value_writing.hpp"

namespace trapezoid::elements {

// Why numbers beyond the range of a double give no trapezoid, as the kinds say it.
inline constexpr std::string_view kTooLarge = "Числата са твърде големи, за да бъдат пресметнати.";

// Applies the plan, writing each relation as a step: the sentence why there
// is no trapezoid when a value is not allowed.
std::optional<std::string> Derive(const Plan& plan, Values<Dual>& values,
                                  std::vector<std::string>& steps,
                                  const detail::ValueWriter& writer);

// Why a way gave no trapezoid: the steps up to where it stopped, and the
// sentence.
struct NoTrapezoid {
    std::vector<std::string> steps;
    std::string message;
    std::string failed_step{};  // the kind's step where it stopped, if any
};

// Derives from `known` towards a kind and runs its branch. The trapezoids
// that have every given are added to `found`, each with `steps` before its
// own; else why there is none. The elements in `typed` are written as typed.
std::optional<NoTrapezoid> FindTrapezoids(ElementSet known, Values<Dual> values,
                                          std::vector<std::string> steps,
                                          const std::vector<ElementGiven>& givens, ElementSet typed,
                                          const detail::ValueWriter& writer,
                                          std::vector<ElementTrapezoid>& found);

// "Първа възможност", "Втора възможност", ... for the trapezoid at `index`.
std::string PossibilityHeading(std::size_t index);

// Moves the steps all trapezoids begin with to `shared`, and heads the
// trapezoids "Първа възможност", ... when there are several.
void ShareSteps(std::vector<ElementTrapezoid>& trapezoids, std::vector<std::string>& shared);

}  // namespace trapezoid::elements
