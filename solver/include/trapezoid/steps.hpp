// SPDX-License-Identifier: GPL-3.0-or-later
// How a solve follows from the givens: one step per computed value, written
// with the formula in letters and again with the user's numbers.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "trapezoid/solver.hpp"

namespace trapezoid {

struct SolveStep {
    std::string name;  // "m", "h", "x", "r", "a", ... (a quantity step is named by its symbol)
    // "h = √(b² − m²) = √(6² − 5²) = √11 ≈ 3,3166248": the formula in letters, with
    // numbers, then "= exact ≈ decimal", "= value" or "≈ decimal". A step that
    // faulted ends after the numbers.
    std::string text;
    std::vector<std::size_t> uses;  // indices of earlier `steps` whose values this step uses
};

struct SolveSteps {
    std::vector<SolveStep> steps;       // in the order the kind's branch computes them
    std::optional<std::size_t> failed;  // the step that faulted or came out not above 0
    // Kind "P,b,c": the steps of the second trapezoid (m, a, h, S), which go on
    // from the shared x and r.
    std::vector<SolveStep> second;
};

// The steps of the solve that Solve(kind, given, texts, settings) does; empty steps when Solve
// rejects the givens or there is no kind. An earlier value put into a formula is written by its
// exact form, or by its decimal when it has none; it stands in parentheses when negative or a
// sum, and when a fraction or a product with a root is squared, multiplied or divided by. For
// kind "P,b,c" `steps` are those of the first solution. Kinds "P,a,b" and "P,a,c" end with the
// height the perimeter leaves, "h′", and kind "P,a,h" with HB = a − c as the perimeter leaves
// it, "m′": the values whose sign the solve checks.
SolveSteps DescribeSolve(int kind, const std::array<bool, kQuantityCount>& given,
                         const std::array<std::string, kQuantityCount>& texts,
                         const NumberSettings& settings);

// Indices of the steps that lead to quantity `index`, in order: the step that sets it and every
// step it uses, transitively. Empty for a given.
std::vector<std::size_t> StepsLeadingTo(const SolveSteps& steps, int index);

}  // namespace trapezoid
