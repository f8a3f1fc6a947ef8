// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorded.hpp"

#include <algorithm>
#include <cmath>

#include "checked.hpp"

namespace trapezoid::detail {
namespace {

constexpr std::string_view kMinus = "−";

std::vector<std::size_t> Union(const std::vector<std::size_t>& x,
                               const std::vector<std::size_t>& y) {
    std::vector<std::size_t> both;
    std::set_union(x.begin(), x.end(), y.begin(), y.end(), std::back_inserter(both));
    return both;
}

}  // namespace

std::string StepRecorder::Number(double value) const {
    std::string text = FormatReportNumber(value, settings_);
    if (!text.empty() && text.front() == '-') {
        text.replace(0, 1, kMinus);
    }
    return text;
}

std::size_t StepRecorder::Add(SolveStep step) {
    steps_.steps.push_back(std::move(step));
    return steps_.steps.size() - 1;
}

Recorded::Recorded(int constant)
    : value_(constant), letters_(std::to_string(constant)), numbers_(letters_) {}

Recorded Recorded::Leaf(StepRecorder* recorder, std::string_view letters, double value) {
    Recorded leaf;
    leaf.recorder_ = recorder;
    leaf.value_ = value;
    leaf.letters_ = std::string(letters);
    // A negative number put into a formula stands in parentheses.
    const std::string number = recorder->Number(value);
    leaf.numbers_ = value < 0.0 ? "(" + number + ")" : number;
    return leaf;
}

Recorded Recorded::Given(StepRecorder& recorder, std::string_view symbol, double value) {
    return Leaf(&recorder, symbol, value);
}

Recorded Recorded::Named(std::string_view name) const {
    if (recorder_ == nullptr) {
        return *this;  // constants only: nothing to describe
    }
    SolveStep step{std::string(name), std::string(name) + " = " + letters_ + " = " + numbers_,
                   uses_};
    if (!fault_) {
        step.text += " = " + recorder_->Number(value_);
    }
    const std::size_t index = recorder_->Add(std::move(step));
    if (fault_) {
        recorder_->MarkFailed(index);
        throw ArithmeticError(*fault_);
    }
    Recorded named = Leaf(recorder_, name, value_);
    named.uses_ = {index};
    named.step_ = index;
    return named;
}

Recorded Recorded::Unnamed() const {
    if (fault_) {
        throw ArithmeticError(*fault_);
    }
    return *this;
}

std::string Recorded::Wrapped(const std::string& text, const Recorded& x, Binding needed) {
    return x.binding_ < needed ? "(" + text + ")" : text;
}

Recorded Recorded::WithFault(std::optional<ArithmeticFault> fault) const {
    Recorded result = *this;
    if (!result.fault_) {
        result.fault_ = fault;
    }
    return result;
}

// Operands of the same binding stand without parentheses on the left (the
// formulas associate to the left) and in parentheses on the right.
Recorded Recorded::Binary(const Recorded& x, std::string_view sign, Binding binding,
                          const Recorded& y, double value) {
    Recorded result;
    result.recorder_ = x.recorder_ != nullptr ? x.recorder_ : y.recorder_;
    result.value_ = value;
    result.fault_ = x.fault_ ? x.fault_ : y.fault_;
    result.binding_ = binding;
    result.uses_ = Union(x.uses_, y.uses_);
    const auto right = static_cast<Binding>(static_cast<int>(binding) + 1);
    result.letters_ =
        Wrapped(x.letters_, x, binding) + std::string(sign) + Wrapped(y.letters_, y, right);
    result.numbers_ =
        Wrapped(x.numbers_, x, binding) + std::string(sign) + Wrapped(y.numbers_, y, right);
    return result;
}

Recorded operator+(const Recorded& x, const Recorded& y) {
    const double sum = x.value_ + y.value_;
    return Recorded::Binary(x, " + ", Recorded::Binding::Sum, y, sum).WithFault(FaultOfResult(sum));
}

Recorded operator-(const Recorded& x, const Recorded& y) {
    const double difference = x.value_ - y.value_;
    return Recorded::Binary(x, " − ", Recorded::Binding::Sum, y, difference)
        .WithFault(FaultOfResult(difference));
}

Recorded operator*(const Recorded& x, const Recorded& y) {
    const double product = x.value_ * y.value_;
    if (x.letters_ != y.letters_ || x.numbers_ != y.numbers_) {
        return Recorded::Binary(x, "·", Recorded::Binding::Product, y, product)
            .WithFault(FaultOfResult(product));
    }
    // x·x is written as a square.
    Recorded square = x;
    square.value_ = product;
    square.binding_ = Recorded::Binding::Power;
    square.letters_ = Recorded::Wrapped(x.letters_, x, Recorded::Binding::Atom) + "²";
    square.numbers_ = Recorded::Wrapped(x.numbers_, x, Recorded::Binding::Atom) + "²";
    square.step_.reset();
    return square.WithFault(FaultOfResult(product));
}

Recorded operator/(const Recorded& x, const Recorded& y) {
    const double quotient = x.value_ / y.value_;
    return Recorded::Binary(x, " / ", Recorded::Binding::Product, y, quotient)
        .WithFault(FaultOfQuotient(y.value_, quotient));
}

Recorded Recorded::operator-() const {
    Recorded negated = *this;
    negated.value_ = -value_;
    negated.binding_ = Binding::Sum;  // "−d" needs parentheses wherever a sum does
    negated.letters_ = std::string(kMinus) + Wrapped(letters_, *this, Binding::Atom);
    negated.numbers_ = std::string(kMinus) + Wrapped(numbers_, *this, Binding::Atom);
    negated.step_.reset();
    return negated;
}

Recorded Sqrt(const Recorded& x) {
    Recorded root = x;
    root.value_ = std::sqrt(x.value_);
    root.binding_ = Recorded::Binding::Atom;
    root.letters_ = "√(" + x.letters_ + ")";
    root.numbers_ = "√(" + x.numbers_ + ")";
    root.step_.reset();
    return root.WithFault(FaultOfRoot(x.value_));
}

Recorded SqrtOfNonNegative(const Recorded& x) {
    Recorded radicand = x;
    radicand.value_ = RoundingOnlyRadicand(x.value_);
    return Sqrt(radicand);
}

}  // namespace trapezoid::detail
