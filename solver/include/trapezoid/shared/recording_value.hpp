// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// The value type that describes a solve: each value carries its exact value
// and its formula, in letters and with numbers, and naming a value (Step)
// records it as a step.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "trapezoid/shared/value_with_exact.hpp"
#include "trapezoid/shared/value_writing.hpp"
#include "trapezoid/solver.hpp"
#include "trapezoid/steps.hpp"

namespace trapezoid::detail {

// The steps of one described solve.
class StepRecorder {
  public:
    explicit StepRecorder(const ValueWriter& writer) : writer_(writer) {}

    const ValueWriter& writer() const { return writer_; }

    std::size_t Add(SolveStep step);
    // A step of the second trapezoid of kind "P,b,c".
    void AddSecond(SolveStep step) { steps_.second.push_back(std::move(step)); }
    void MarkFailed(std::size_t index) { steps_.failed = index; }
    const SolveSteps& steps() const { return steps_; }
    SolveSteps Take() { return std::move(steps_); }

  private:
    const ValueWriter& writer_;
    SolveSteps steps_;
};

// Computes as Checked does, but notes a fault instead of throwing it, so that
// the step that faults still shows its numbers; naming a faulted value ends
// the description.
class RecordingValue {
  public:
    // The integer constants of the formulas; implicit, as for Checked.
    RecordingValue(int constant);

    static RecordingValue Given(StepRecorder& recorder, std::string_view symbol,
                                const ValueWithExact& value);
    // A value found before the solve, put into its formulas by its exact form.
    static RecordingValue Known(StepRecorder& recorder, std::string_view symbol,
                                const ValueWithExact& value);

    double value() const { return value_.value(); }
    const ValueWithExact& dual() const { return value_; }
    // The exact written form that naming this value worked out, if it was named.
    const std::optional<std::optional<ExactForm>>& form() const { return form_; }
    // The step that named this value, if any.
    std::optional<std::size_t> step() const { return step_; }

    RecordingValue Named(std::string_view name) const;
    RecordingValue NamedInSecond(std::string_view name) const;

    friend RecordingValue operator+(const RecordingValue& x, const RecordingValue& y);
    friend RecordingValue operator-(const RecordingValue& x, const RecordingValue& y);
    friend RecordingValue operator*(const RecordingValue& x, const RecordingValue& y);
    friend RecordingValue operator/(const RecordingValue& x, const RecordingValue& y);
    RecordingValue operator-() const;
    friend RecordingValue Sqrt(const RecordingValue& x);
    friend RecordingValue SqrtOfNonNegative(const RecordingValue& x);

  private:
    // How tightly a formula holds together, for the parentheses around it.
    enum class Binding { Sum, Product, Power, Atom };

    RecordingValue() = default;
    static RecordingValue Leaf(StepRecorder* recorder, std::string_view letters,
                               const ValueWithExact& value, Substitution numbers);
    static RecordingValue Binary(const RecordingValue& x, std::string_view sign, Binding binding,
                                 const RecordingValue& y, ValueWithExact value);
    // The formula of x, in parentheses when it binds less than `needed`.
    static std::string Wrapped(const std::string& text, const RecordingValue& x, Binding needed);
    // The numbers of x, in parentheses also when x is a fraction put into a
    // product (`in_product`) or squared.
    static std::string WrappedNumbers(const RecordingValue& x, Binding needed, bool in_product);
    static RecordingValue Unary(const RecordingValue& x, Binding binding, std::string letters,
                                std::string numbers, ValueWithExact value);
    // "name = letters = numbers", and how the value follows unless it faulted.
    SolveStep StepText(std::string_view name, const std::optional<ExactForm>& form) const;
    // This value under its name, put into later formulas by its written form.
    RecordingValue Substituted(std::string_view name, const std::optional<ExactForm>& form) const;
    RecordingValue WithFault(std::optional<ArithmeticFault> fault) &&;

    StepRecorder* recorder_ = nullptr;
    ValueWithExact value_;
    std::optional<std::optional<ExactForm>> form_;
    std::optional<ArithmeticFault> fault_;
    std::string letters_;
    std::string numbers_;
    bool numbers_fraction_ = false;  // numbers_ is a fraction or a product with a root
    Binding binding_ = Binding::Atom;
    std::uint64_t uses_ = 0;  // the steps used, one bit each (a kind has fewer than 64)
    std::optional<std::size_t> step_;
};

}  // namespace trapezoid::detail
