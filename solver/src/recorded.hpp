// SPDX-License-Identifier: GPL-3.0-or-later
// The value type that describes a solve: each value carries its formula, in
// letters and with numbers, and naming a value (Step) records it as a step.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "trapezoid/solver.hpp"
#include "trapezoid/steps.hpp"

namespace trapezoid::detail {

// The steps of one described solve.
class StepRecorder {
  public:
    explicit StepRecorder(const NumberSettings& settings) : settings_(settings) {}

    // A number as the steps write it: the report's form, the minus as "−".
    std::string Number(double value) const;

    std::size_t Add(SolveStep step);
    void MarkFailed(std::size_t index) { steps_.failed = index; }
    SolveSteps Take() { return std::move(steps_); }

  private:
    const NumberSettings& settings_;
    SolveSteps steps_;
};

// Computes as Checked does, but notes a fault instead of throwing it, so that
// the step that faults still shows its numbers; naming a faulted value ends
// the description.
class Recorded {
  public:
    // The integer constants of the formulas; implicit, as for Checked.
    Recorded(int constant);

    static Recorded Given(StepRecorder& recorder, std::string_view symbol, double value);

    double value() const { return value_; }
    // The step that named this value, if any.
    std::optional<std::size_t> step() const { return step_; }

    Recorded Named(std::string_view name) const;
    Recorded Unnamed() const;

    friend Recorded operator+(const Recorded& x, const Recorded& y);
    friend Recorded operator-(const Recorded& x, const Recorded& y);
    friend Recorded operator*(const Recorded& x, const Recorded& y);
    friend Recorded operator/(const Recorded& x, const Recorded& y);
    Recorded operator-() const;
    friend Recorded Sqrt(const Recorded& x);
    friend Recorded SqrtOfNonNegative(const Recorded& x);

  private:
    // How tightly a formula holds together, for the parentheses around it.
    enum class Binding { Sum, Product, Power, Atom };

    Recorded() = default;
    static Recorded Leaf(StepRecorder* recorder, std::string_view letters, double value);
    static Recorded Binary(const Recorded& x, std::string_view sign, Binding binding,
                           const Recorded& y, double value);
    // The formula of x, in parentheses when it binds less than `needed`.
    static std::string Wrapped(const std::string& text, const Recorded& x, Binding needed);
    Recorded WithFault(std::optional<ArithmeticFault> fault) const;

    StepRecorder* recorder_ = nullptr;
    double value_ = 0.0;
    std::optional<ArithmeticFault> fault_;
    std::string letters_;
    std::string numbers_;
    Binding binding_ = Binding::Atom;
    std::vector<std::size_t> uses_;
    std::optional<std::size_t> step_;
};

}  // namespace trapezoid::detail
