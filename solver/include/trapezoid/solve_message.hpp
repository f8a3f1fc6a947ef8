// SPDX-License-Identifier: GPL-3.0-or-later
// Telling the user why a solve wrote nothing: an arithmetic fault, or givens
// that make no right trapezoid. UTF-8 texts.
#pragma once

#include <array>
#include <string>

#include "trapezoid/solver.hpp"

namespace trapezoid {

// The sentence for the outcome of a solve of `kind` that faulted or found no
// trapezoid: which given or result breaks which condition, with the user's
// numbers. Empty for an outcome that is written or that changes nothing
// silently.
std::string SolveExplanation(const SolveOutcome& outcome, int kind, const NumberSettings& settings);

// The whole message after Solve(kind, given, texts, settings) wrote nothing:
// the explanation, the step that went wrong on a line of its own, and that
// the boxes keep their values. Empty where SolveExplanation is.
std::string SolveMessage(const SolveOutcome& outcome, int kind,
                         const std::array<bool, kQuantityCount>& given,
                         const std::array<std::string, kQuantityCount>& texts,
                         const NumberSettings& settings);

}  // namespace trapezoid
