// SPDX-License-Identifier: GPL-3.0-or-later
// The solve command: check the ticked givens, run the kind's branch, check
// that its results describe a right trapezoid, and write all six quantities
// (and the report of kind "P,b,c").
#include "givens.hpp"
#include "trapezoid/shared/branch_table.hpp"
#include "trapezoid/shared/checked_run.hpp"
#include "trapezoid/shared/report.hpp"

namespace trapezoid {
namespace detail {

CheckedRun RunChecked(int kind, const SixQuantities<double>& read) {
    CheckedRun run;
    SolveOutcome& outcome = run.outcome;
    outcome.read = {read.a, read.b, read.c, read.h, read.P, read.S};
    try {
        BranchResult<Checked> result =
            BranchOf<Checked>(kind)({read.a, read.b, read.c, read.h, read.P, read.S});
        if (const auto failure = FindNotATrapezoid(result)) {
            outcome.status = SolveOutcome::Status::NotATrapezoid;
            outcome.not_positive = failure->quantity;
            outcome.not_positive_value = FailedValue(result, *failure).value();
            outcome.sign_dropped = failure->sign_dropped;
            return run;
        }
        outcome.status = SolveOutcome::Status::Solved;
        run.result = std::move(result);
    } catch (const ArithmeticError& error) {
        outcome.status = SolveOutcome::Status::Fault;
        outcome.fault = error.fault();
    }
    return run;
}

}  // namespace detail

SolveOutcome Solve(int kind, const std::array<bool, kQuantityCount>& given,
                   const std::array<std::string, kQuantityCount>& texts,
                   const NumberSettings& settings) {
    SolveOutcome outcome;
    try {
        const std::optional<detail::SixQuantities<double>> read =
            detail::ReadBoxes(given, texts, settings);
        if (!read) {
            outcome.status = SolveOutcome::Status::Rejected;
            return outcome;
        }
        if (!IsKind(kind)) {
            outcome.status = SolveOutcome::Status::Unchanged;
            return outcome;
        }
        detail::CheckedRun run = detail::RunChecked(kind, *read);
        outcome = run.outcome;
        if (!run.result) {
            return outcome;
        }
        const detail::BranchResult<detail::Checked>& result = *run.result;
        const auto values = result.values.InOrder();
        for (std::size_t i = 0; i < kQuantityCount; ++i) {
            outcome.texts[i] = FormatQuantityText(values[i]->value(), settings);
        }
        if (result.second) {
            outcome.report =
                detail::PerimeterLegShortBaseReport(result.values, *result.second, settings);
            outcome.possibilities = detail::SecondSolutionExists(*result.second) ? 2 : 1;
        }
    } catch (const ArithmeticError& error) {
        const auto read = outcome.read;  // kept for the message
        outcome = SolveOutcome{};
        outcome.read = read;
        outcome.status = SolveOutcome::Status::Fault;
        outcome.fault = error.fault();
    }
    return outcome;
}

}  // namespace trapezoid
