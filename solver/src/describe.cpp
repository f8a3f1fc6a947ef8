// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of a solve: the kind's branch run again with values that record
// their formulas, so that the steps are the formulas the solve evaluates.
#include <algorithm>

#include "branch_table.hpp"
#include "givens.hpp"
#include "recorded.hpp"

namespace trapezoid {

SolveSteps DescribeSolve(int kind, const std::array<bool, kQuantityCount>& given,
                         const std::array<std::string, kQuantityCount>& texts,
                         const NumberSettings& settings) {
    using detail::Recorded;
    std::optional<detail::Six<double>> read;
    try {
        read = detail::ReadBoxes(given, texts, settings);
    } catch (const ArithmeticError&) {
        return {};  // a box beyond the range of a double: no step is reached
    }
    if (!read || !IsKind(kind)) {
        return {};
    }
    detail::StepRecorder recorder(settings);
    const auto reading = [&](int index, double value) {
        return Recorded::Given(recorder, kQuantitySymbols[static_cast<std::size_t>(index)], value);
    };
    using namespace QuantityIndex;
    const detail::Six<Recorded> readings{reading(A, read->a), reading(B, read->b),
                                         reading(C, read->c), reading(H, read->h),
                                         reading(P, read->P), reading(S, read->S)};
    try {
        const detail::BranchResult<Recorded> result = detail::BranchOf<Recorded>(kind)(readings);
        if (const auto failure = detail::FindNotATrapezoid(result)) {
            if (const auto step = detail::FailedValue(result, *failure).step()) {
                recorder.MarkFailed(*step);
            }
        }
    } catch (const ArithmeticError&) {
        // The step that faulted is marked; a fault outside the steps (the
        // second trapezoid of P,b,c) marks none.
    }
    return recorder.Take();
}

std::vector<std::size_t> StepsLeadingTo(const SolveSteps& steps, int index) {
    if (index < 0 || index >= kQuantityCount) {
        return {};
    }
    const std::string_view symbol = kQuantitySymbols[static_cast<std::size_t>(index)];
    const auto sets = std::find_if(steps.steps.begin(), steps.steps.end(),
                                   [&](const SolveStep& step) { return step.name == symbol; });
    if (sets == steps.steps.end()) {
        return {};
    }
    std::vector<bool> leads(steps.steps.size(), false);
    std::vector<std::size_t> pending = {static_cast<std::size_t>(sets - steps.steps.begin())};
    while (!pending.empty()) {
        const std::size_t step = pending.back();
        pending.pop_back();
        if (step >= leads.size() || leads[step]) {
            continue;
        }
        leads[step] = true;
        pending.insert(pending.end(), steps.steps[step].uses.begin(), steps.steps[step].uses.end());
    }
    std::vector<std::size_t> leading;
    for (std::size_t i = 0; i < leads.size(); ++i) {
        if (leads[i]) {
            leading.push_back(i);
        }
    }
    return leading;
}

}  // namespace trapezoid
