// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// A kind's branch run on values that record their steps: what the steps,
// the tooltips and every worked solution show.
#pragma once

#include <optional>

#include "trapezoid/shared/branch.hpp"
#include "trapezoid/shared/recording_value.hpp"

namespace trapezoid::detail {

// Runs the branch of `kind` (IsKind holds) on `readings`, whose steps go to
// `recorder`; the step where it faults or comes out not above 0 is marked.
// The branch's values when it ran to its end; nothing after a fault (a fault
// outside the steps, in the second trapezoid of P,b,c, marks none).
std::optional<BranchResult<RecordingValue>> RunRecorded(
    int kind, const SixQuantities<RecordingValue>& readings, StepRecorder& recorder);

}  // namespace trapezoid::detail
