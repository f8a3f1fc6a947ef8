// SPDX-License-Identifier: GPL-3.0-or-later
// The solve command on arbitrary kinds, ticks, texts and settings: the
// outcome agrees with the givens' check, a solved outcome writes six clean
// texts whose givens read back and no negative value, and a failed one
// carries nothing.
#include <cstdint>

#include "fuzz_support.hpp"

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
