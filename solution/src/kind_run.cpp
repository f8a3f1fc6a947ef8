// SPDX-License-Identifier: GPL-3.0-or-later
#include "kind_run.hpp"

#include <set>

#include "exact/surd.hpp"

#include "trapezoid/shared/branch_table.hpp"
#include "trapezoid/shared/checked_run.hpp"
#include "trapezoid/shared/recorded_branch.hpp"
#include "trapezoid/shared/report.hpp"
#include "trapezoid/solve_message.hpp"
#include "writing.hpp"

namespace trapezoid::elements {
namespace {

// A double that the branches can compute with, with no check at all: a fault
// gives NaN or infinity, which the trial of an unknown treats as no value.
class UncheckedDouble {
  public:
    UncheckedDouble(double value) : value_(value) {}
    double value() const { return value_; }
    UncheckedDouble Named(std::string_view /*name*/) const { return *this; }
    UncheckedDouble NamedInSecond(std::string_view /*name*/) const { return *this; }
    UncheckedDouble Unnamed() const { return *this; }

    friend UncheckedDouble operator+(UncheckedDouble x, UncheckedDouble y) {
        return x.value_ + y.value_;
    }
    friend UncheckedDouble operator-(UncheckedDouble x, UncheckedDouble y) {
        return x.value_ - y.value_;
    }
    friend UncheckedDouble operator*(UncheckedDouble x, UncheckedDouble y) {
        return x.value_ * y.value_;
    }
    friend UncheckedDouble operator/(UncheckedDouble x, UncheckedDouble y) {
        return x.value_ / y.value_;
    }
    UncheckedDouble operator-() const { return -value_; }
    friend UncheckedDouble Sqrt(UncheckedDouble x) { return std::sqrt(x.value_); }
    friend UncheckedDouble SqrtOfNonNegative(UncheckedDouble x) {
        return std::sqrt(x.value_ < 0.0 ? 0.0 : x.value_);
    }

  private:
    double value_;
};

struct HelperWords {
    Kind kind;  // the kind whose helper it is; for m, every kind
    std::string_view name;
    std::string_view words;
};

constexpr std::string_view kProjection = "m = HB, проекцията на бедрото върху основата a";

constexpr HelperWords kHelperWords[] = {
    {Kind::PAB, "d", "d = h − m, разликата между височината и проекцията HB"},
    {Kind::PAB, "q", "q = h·m, произведението на височината и проекцията HB"},
    {Kind::PAH, "d", "d = b − m, разликата между бедрото и проекцията HB"},
    {Kind::PAC, "u", "u = b + h, сборът на бедрото и височината"},
    {Kind::PCH, "u", "u = b + m, сборът на бедрото и проекцията HB"},
    {Kind::PBC, "x", "x = h + m, сборът на височината и проекцията HB"},
    {Kind::PBC, "r", "r = |h − m|, разликата между височината и проекцията HB"},
    {Kind::SPH, "t", "t = a + c, сборът на основите"},
};

// How a helper value is named in words; empty for a quantity.
std::string_view WordsFor(int kind, std::string_view name) {
    if (name == "m") {
        return kProjection;
    }
    for (const HelperWords& helper : kHelperWords) {
        if (KindIndex(helper.kind) == kind && helper.name == name) {
            return helper.words;
        }
    }
    return {};
}

// The steps as the solution writes them: without the checks of the dropped
// signs (h′, m′), a helper value named in words the first time it appears.
void AddWritten(int kind, std::vector<SolveStep>& steps, std::set<std::string>& named,
                std::vector<KindStep>& written) {
    for (SolveStep& step : steps) {
        if (step.name.find("′") != std::string::npos) {
            continue;
        }
        const std::string_view words = WordsFor(kind, step.name);
        if (!words.empty() && named.insert(step.name).second) {
            step.text = std::string(words) + ": " + step.text;
        }
        written.push_back({std::move(step.name), std::move(step.text)});
    }
}

template <class V>
detail::SixQuantities<V> SixOf(const Values<double>& values) {
    return {values[0], values[1], values[2], values[3], values[4], values[5]};
}

template <class V>
Quantities QuantitiesOf(const detail::SixQuantities<V>& six) {
    return {six.a.value(), six.b.value(), six.c.value(),
            six.h.value(), six.P.value(), six.S.value()};
}

template <class V>
ExactQuantities DualsOf(const detail::SixQuantities<V>& six) {
    return {six.a.dual(), six.b.dual(), six.c.dual(), six.h.dual(), six.P.dual(), six.S.dual()};
}

struct RecordedKind {
    SolveSteps steps;
    std::vector<ExactQuantities> trapezoids;
};

// The branch run on values that record its steps.
RecordedKind RecordKind(int kind, const Values<Dual>& values, ElementSet typed,
                        const detail::ValueWriter& writer) {
    detail::StepRecorder recorder(writer);
    const auto put_in = [&](int index) {
        const std::string_view symbol = kQuantitySymbols[static_cast<std::size_t>(index)];
        const Dual& value = values[static_cast<std::size_t>(index)];
        return typed.Has(ElementAt(index)) ? detail::RecordingValue::Given(recorder, symbol, value)
                                           : detail::RecordingValue::Known(recorder, symbol, value);
    };
    const detail::SixQuantities<detail::RecordingValue> readings{put_in(0), put_in(1), put_in(2),
                                                                 put_in(3), put_in(4), put_in(5)};
    std::vector<ExactQuantities> trapezoids;
    const auto result = detail::RunRecorded(kind, readings, recorder);
    if (result && !detail::FindNotATrapezoid(*result)) {
        trapezoids.push_back(DualsOf(result->values));
        const auto& second = result->second;
        if (second && detail::SecondSolutionExists(*second)) {
            ExactQuantities other = trapezoids.front();
            other[0] = second->a.dual();
            other[3] = second->h.dual();
            other[5] = second->S.dual();
            trapezoids.push_back(other);
        }
    }
    return {recorder.Take(), std::move(trapezoids)};
}

}  // namespace

KindRun RunKind(int kind, const Values<Dual>& exact_values, const detail::ValueWriter& writer) {
    const detail::CheckedRun checked =
        detail::RunChecked(kind, SixOf<double>(Doubles(exact_values)));
    KindRun run;
    if (const auto& result = checked.result) {
        run.trapezoids.push_back(QuantitiesOf(result->values));
        if (result->second && detail::SecondSolutionExists(*result->second)) {
            const auto& second = *result->second;
            detail::SixQuantities<detail::Checked> other = result->values;
            other.a = second.a;
            other.h = second.h;
            other.S = second.S;
            run.trapezoids.push_back(QuantitiesOf(other));
        }
        return run;
    }
    run.explanation = SolveExplanation(checked.outcome, kind, writer.settings());
    const SolveSteps steps = RecordKind(kind, exact_values, {}, writer).steps;
    if (steps.failed) {
        run.failed_step = steps.steps[*steps.failed].text;
    }
    if (run.explanation.empty()) {
        run.explanation = "Няма такъв трапец: пресмятането по " +
                          std::string(kKinds[static_cast<std::size_t>(kind)].list_text) +
                          " спира на „" + (steps.failed ? steps.steps[*steps.failed].text : "") +
                          "“.";
    }
    return run;
}

Quantities RunKindQuietly(int kind, const Values<double>& values) {
    return QuantitiesOf(
        detail::BranchOf<UncheckedDouble>(kind)(SixOf<UncheckedDouble>(values)).values);
}

KindDescription DescribeKind(int kind, const Values<Dual>& values, ElementSet typed,
                             const detail::ValueWriter& writer) {
    RecordedKind recorded = RecordKind(kind, values, typed, writer);
    KindDescription description{{}, {}, std::move(recorded.trapezoids)};
    std::set<std::string> named;
    AddWritten(kind, recorded.steps.steps, named, description.steps);
    AddWritten(kind, recorded.steps.second, named, description.second_steps);
    return description;
}

}  // namespace trapezoid::elements
