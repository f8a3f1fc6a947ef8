// SPDX-License-Identifier: GPL-3.0-or-later
// The solve command on arbitrary kinds, ticks, texts and settings: the
// outcome agrees with the givens' check, a solved outcome writes six clean
// texts whose givens read back and no negative value, a failed one carries
// nothing, the steps describe the same solve, and its worked solution
// writes no nan or inf.
#include <cstdint>

#include "fuzz_support.hpp"
#include "trapezoid/element_solution.hpp"
#include "trapezoid/steps.hpp"

namespace {

using trapezoid::SolveOutcome;

void RequireEmpty(const SolveOutcome& outcome) {
    for (const std::string& text : outcome.texts) {
        fuzz::Require(text.empty(), "an unsolved outcome carries box texts");
    }
    fuzz::Require(!outcome.report, "an unsolved outcome carries a report");
}

// The status that the check of the ticked givens alone implies, or Solved
// when the kind's formulas decide.
SolveOutcome::Status ExpectedBeforeFormulas(int kind, const std::array<bool, 6>& given,
                                            const std::array<std::string, 6>& texts,
                                            const trapezoid::NumberSettings& settings) {
    bool valid = true;
    for (std::size_t i = 0; i < 6; ++i) {
        try {
            const double value = trapezoid::ParseQuantityText(texts[i], settings);
            if (given[i] && !(value > 0)) {
                valid = false;
            }
        } catch (const trapezoid::ArithmeticError&) {
            return SolveOutcome::Status::Fault;
        }
    }
    if (!valid) {
        return SolveOutcome::Status::Rejected;
    }
    return trapezoid::IsKind(kind) ? SolveOutcome::Status::Solved : SolveOutcome::Status::Unchanged;
}

// The steps describe the same solve: none where no branch runs, a step for
// every quantity the branch computes, a failed one exactly where there is no
// trapezoid, and a fault ends the steps.
void RequireStepsAgree(int kind, const SolveOutcome& outcome, const trapezoid::SolveSteps& steps) {
    using Status = SolveOutcome::Status;
    fuzz::Require(!steps.failed || *steps.failed < steps.steps.size(),
                  "a failed step out of range");
    switch (outcome.status) {
        case Status::Rejected:
        case Status::Unchanged:
            fuzz::Require(steps.steps.empty(), "steps where no branch runs");
            return;
        case Status::Fault:
            fuzz::Require(!steps.failed || *steps.failed + 1 == steps.steps.size(),
                          "steps after the one that faults");
            return;
        case Status::Solved:
        case Status::NotATrapezoid:
            break;
    }
    // A given that is not above 0 (its box unticked) has no step to fail.
    const bool computed_fails =
        outcome.status == Status::NotATrapezoid &&
        (outcome.sign_dropped || !trapezoid::IsGiven(kind, *outcome.not_positive));
    fuzz::Require(steps.failed.has_value() == computed_fails,
                  "a failed step exactly where a computed value makes no trapezoid");
    for (int i = 0; i < trapezoid::kQuantityCount; ++i) {
        fuzz::Require(trapezoid::StepsLeadingTo(steps, i).empty() == trapezoid::IsGiven(kind, i),
                      "a computed quantity without a step, or a given with one");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const trapezoid::NumberSettings settings = fuzz::ConsumeSettings(in);
    const int kind = in.ConsumeIntegralInRange(-2, 16);
    std::array<bool, 6> given{};
    for (bool& tick : given) {
        tick = in.ConsumeBool();
    }
    std::array<std::string, 6> texts;
    for (std::string& text : texts) {
        text = in.ConsumeRandomLengthString(40);
    }

    const SolveOutcome outcome = trapezoid::Solve(kind, given, texts, settings);
    RequireStepsAgree(kind, outcome, trapezoid::DescribeSolve(kind, given, texts, settings));
    const SolveOutcome::Status expected = ExpectedBeforeFormulas(kind, given, texts, settings);
    if (expected == SolveOutcome::Status::Solved) {
        fuzz::Require(outcome.status == SolveOutcome::Status::Solved ||
                          outcome.status == SolveOutcome::Status::Fault ||
                          outcome.status == SolveOutcome::Status::NotATrapezoid,
                      "a kind with valid givens neither solves, faults nor finds no trapezoid");
    } else {
        fuzz::Require(outcome.status == expected, "the outcome disagrees with the givens' check");
    }

    if (outcome.status != SolveOutcome::Status::Solved) {
        fuzz::Require(outcome.fault.has_value() == (outcome.status == SolveOutcome::Status::Fault),
                      "a fault is named exactly when the solve faults");
        const bool none = outcome.status == SolveOutcome::Status::NotATrapezoid;
        fuzz::Require(outcome.not_positive.has_value() == none &&
                          outcome.not_positive_value.has_value() == none,
                      "the quantity and its value are named exactly when there is no trapezoid");
        fuzz::Require(!none || !(*outcome.not_positive_value > 0) || outcome.sign_dropped,
                      "a value above 0 is named without a sign check");
        RequireEmpty(outcome);
        return 0;
    }
    fuzz::Require(
        !fuzz::HasNonNumberWord(trapezoid::BuildWorkedSolution(kind, given, texts, settings).text),
        "the worked solution of a solve writes nan or inf");
    for (const std::string& text : outcome.texts) {
        fuzz::Require(!text.empty() && !fuzz::HasNonNumberWord(text),
                      "a solved text is empty or holds nan or inf");
        fuzz::Require(!(trapezoid::ParseQuantityText(text, settings) < 0),
                      "a solved text is a negative number");
    }
    fuzz::Require(outcome.report.has_value() == (trapezoid::KindAt(kind) == trapezoid::Kind::PBC),
                  "a report comes only with P,b,c");
    for (const int g : trapezoid::kKinds[static_cast<std::size_t>(kind)].givens) {
        const auto index = static_cast<std::size_t>(g);
        const double typed = trapezoid::ParseQuantityText(texts[index], settings);
        fuzz::Require(trapezoid::ParseQuantityText(outcome.texts[index], settings) ==
                          fuzz::RoundedToSevenDecimals(typed),
                      "a given does not read back as the value typed");
    }
    return 0;
}
