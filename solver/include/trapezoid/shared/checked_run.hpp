// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// A kind's branch run on checked doubles, as the solve command runs it.
#pragma once

#include <optional>

#include "trapezoid/shared/branch.hpp"

namespace trapezoid::detail {

struct CheckedRun {
    // Solved, NotATrapezoid or Fault, with what the message needs; no texts.
    SolveOutcome outcome;
    // The branch's values when they describe a right trapezoid.
    std::optional<BranchResult<Checked>> result;
};

// Runs the branch of `kind` (IsKind holds) on the values read.
CheckedRun RunChecked(int kind, const SixQuantities<double>& read);

}  // namespace trapezoid::detail
