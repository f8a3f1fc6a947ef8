// SPDX-License-Identifier: GPL-3.0-or-later
#include "kind_run.hpp"

#include <charconv>

#include "exact/surd.hpp"

#include "branch_table.hpp"
#include "recorded.hpp"
#include "report.hpp"
#include "step_numbers.hpp"
#include "trapezoid/solve_message.hpp"
#include "writing.hpp"

namespace trapezoid::elements {
namespace {

// A double that the branches can compute with, with no check at all: a fault
// gives NaN or infinity, which the trial of an unknown treats as no value.
class Plain {
  public:
    Plain(double value) : value_(value) {}
    double value() const { return value_; }
    Plain Named(std::string_view /*name*/) const { return *this; }
    Plain NamedInSecond(std::string_view /*name*/) const { return *this; }
    Plain Unnamed() const { return *this; }

    friend Plain operator+(Plain x, Plain y) { return x.value_ + y.value_; }
    friend Plain operator-(Plain x, Plain y) { return x.value_ - y.value_; }
    friend Plain operator*(Plain x, Plain y) { return x.value_ * y.value_; }
    friend Plain operator/(Plain x, Plain y) { return x.value_ / y.value_; }
    Plain operator-() const { return -value_; }
    friend Plain Sqrt(Plain x) { return std::sqrt(x.value_); }
    friend Plain SqrtOfNonNegative(Plain x) { return std::sqrt(x.value_ < 0.0 ? 0.0 : x.value_); }

  private:
    double value_;
};

template <class V>
detail::Six<V> SixOf(const Values<double>& values) {
    return {values[0], values[1], values[2], values[3], values[4], values[5]};
}

template <class V>
Quantities QuantitiesOf(const detail::Six<V>& six) {
    return {six.a.value(), six.b.value(), six.c.value(),
            six.h.value(), six.P.value(), six.S.value()};
}

// A value's exact form when it has at most seven decimals, so that the
// steps end "= 40" where the value is 40 and "≈ 5,6568542" where it is not.
std::optional<exact::Surd> ExactIfShort(double value, const NumberSettings& settings) {
    if (!ValueEnding(value, settings).starts_with("=")) {
        return std::nullopt;
    }
    std::array<char, 400> digits{};
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                            std::chars_format::fixed, 7);
    if (error != std::errc()) {
        return std::nullopt;
    }
    return exact::Surd::FromDecimal({digits.data(), end});
}

// The branch run on values that record its steps; the step where it faults
// or comes out not above 0 is marked.
SolveSteps RecordKind(int kind, const Values<double>& values, const NumberSettings& settings) {
    const detail::ValueWriter writer(settings, 7);
    detail::StepRecorder recorder(writer);
    const auto given = [&](int index) {
        return detail::Recorded::Given(
            recorder, kQuantitySymbols[static_cast<std::size_t>(index)],
            detail::DualValue(values[static_cast<std::size_t>(index)],
                              ExactIfShort(values[static_cast<std::size_t>(index)], settings)));
    };
    const detail::Six<detail::Recorded> readings{given(0), given(1), given(2),
                                                 given(3), given(4), given(5)};
    try {
        const auto result = detail::BranchOf<detail::Recorded>(kind)(readings);
        if (const auto failure = detail::FindNotATrapezoid(result)) {
            if (const auto step = detail::FailedValue(result, *failure).step()) {
                recorder.MarkFailed(*step);
            }
        }
    } catch (const ArithmeticError&) {
        // The step that faulted is marked.
    }
    return recorder.Take();
}

}  // namespace

KindRun RunKind(int kind, const Values<double>& values, const NumberSettings& settings) {
    using detail::Checked;
    KindRun run;
    SolveOutcome outcome;
    outcome.read = {values[0], values[1], values[2], values[3], values[4], values[5]};
    try {
        const detail::BranchResult<Checked> result =
            detail::BranchOf<Checked>(kind)(SixOf<Checked>(values));
        if (const auto failure = detail::FindNotATrapezoid(result)) {
            outcome.status = SolveOutcome::Status::NotATrapezoid;
            outcome.not_positive = failure->quantity;
            outcome.not_positive_value = detail::FailedValue(result, *failure).value();
            outcome.sign_dropped = failure->sign_dropped;
        } else {
            run.trapezoids.push_back(QuantitiesOf(result.values));
            if (result.second && detail::SecondSolutionExists(*result.second)) {
                const auto& second = *result.second;
                detail::Six<Checked> other = result.values;
                other.a = second.a;
                other.h = second.h;
                other.S = second.S;
                run.trapezoids.push_back(QuantitiesOf(other));
            }
            return run;
        }
    } catch (const ArithmeticError& error) {
        outcome.status = SolveOutcome::Status::Fault;
        outcome.fault = error.fault();
    }
    run.explanation = SolveExplanation(outcome, kind, settings);
    if (run.explanation.empty()) {
        const SolveSteps steps = RecordKind(kind, values, settings);
        run.explanation = "Няма такъв трапец: пресмятането по " +
                          std::string(kKinds[static_cast<std::size_t>(kind)].list_text) +
                          " спира на „" + (steps.failed ? steps.steps[*steps.failed].text : "") +
                          "“.";
    }
    return run;
}

Quantities RunKindQuietly(int kind, const Values<double>& values) {
    return QuantitiesOf(detail::BranchOf<Plain>(kind)(SixOf<Plain>(values)).values);
}

std::vector<KindStep> KindSteps(int kind, const Values<double>& values,
                                const NumberSettings& settings) {
    std::vector<KindStep> steps;
    for (SolveStep& step : RecordKind(kind, values, settings).steps) {
        if (step.name.find("′") == std::string::npos) {
            steps.push_back({std::move(step.name), WithSevenDecimals(step.text, settings)});
        }
    }
    return steps;
}

}  // namespace trapezoid::elements
