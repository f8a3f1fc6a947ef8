// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of a solve: the kind's branch run again with values that record
// their formulas, so that the steps are the formulas the solve evaluates.
#include "trapezoid/shared/recorded_branch.hpp"

#include <algorithm>

#include "givens.hpp"
#include "trapezoid/shared/branch_table.hpp"

namespace trapezoid {
namespace detail {

std::optional<BranchResult<RecordingValue>> RunRecorded(
    int kind, const SixQuantities<RecordingValue>& readings, StepRecorder& recorder) {
    try {
        BranchResult<RecordingValue> result = BranchOf<RecordingValue>(kind)(readings);
        if (const auto failure = FindNotATrapezoid(result)) {
            if (const auto step = FailedValue(result, *failure).step()) {
                recorder.MarkFailed(*step);
            }
        }
        return result;
    } catch (const ArithmeticError&) {
        return std::nullopt;  // the step that faulted is marked
    }
}

}  // namespace detail

namespace {

// The branch of `kind` on the boxes' values, each given with the exact value
// of the decimal its text denotes. No step when the solve reaches no branch:
// the givens are rejected, a box is beyond the range of a double, or there
// is no kind.
void RecordSolve(int kind, const std::array<bool, kQuantityCount>& given,
                 const std::array<std::string, kQuantityCount>& texts,
                 detail::StepRecorder& recorder) {
    using namespace detail;
    const NumberSettings& settings = recorder.writer().settings();
    std::optional<SixQuantities<double>> read;
    try {
        read = ReadBoxes(given, texts, settings);
    } catch (const ArithmeticError&) {
        return;
    }
    if (!read || !IsKind(kind)) {
        return;
    }
    const auto reading = [&](int index, double value) {
        std::optional<exact::Surd> exact;
        if (IsGiven(kind, index)) {
            exact = exact::Surd::FromDecimal(
                ReadQuantityText(texts[static_cast<std::size_t>(index)], settings).decimal);
        }
        return RecordingValue::Given(recorder, kQuantitySymbols[static_cast<std::size_t>(index)],
                                     ValueWithExact(value, std::move(exact)));
    };
    using namespace QuantityIndex;
    RunRecorded(kind,
                {reading(A, read->a), reading(B, read->b), reading(C, read->c), reading(H, read->h),
                 reading(P, read->P), reading(S, read->S)},
                recorder);
}

}  // namespace

SolveSteps DescribeSolve(int kind, const std::array<bool, kQuantityCount>& given,
                         const std::array<std::string, kQuantityCount>& texts,
                         const NumberSettings& settings) {
    const detail::ValueWriter writer(settings, 7);
    detail::StepRecorder recorder(writer);
    RecordSolve(kind, given, texts, recorder);
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
