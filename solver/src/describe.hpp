// SPDX-License-Identifier: GPL-3.0-or-later
// The kind's branch run on values that carry their exact values and record
// their steps: what the steps, the tooltips and the worked solution show.
#pragma once

#include <optional>

#include "trapezoid/shared/branch.hpp"
#include "trapezoid/shared/recording_value.hpp"

namespace trapezoid::detail {

struct DescribedRun {
    // The branch's values, when it ran to its end without a fault.
    std::optional<BranchResult<RecordingValue>> result;
    // What makes the result no trapezoid, if anything.
    std::optional<NotATrapezoid> failure;
};

// Runs the branch of `kind` with its steps going to `recorder`. Nothing when
// the solve reaches no branch: the givens are rejected, a box is beyond the
// range of a double, or there is no kind.
std::optional<DescribedRun> RunDescribed(int kind, const std::array<bool, kQuantityCount>& given,
                                         const std::array<std::string, kQuantityCount>& texts,
                                         StepRecorder& recorder);

}  // namespace trapezoid::detail
