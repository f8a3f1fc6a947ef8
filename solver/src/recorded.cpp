// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorded.hpp"

#include <cmath>
#include <cstdint>

#include "checked.hpp"

namespace trapezoid::detail {
namespace {

constexpr std::string_view kMinus = "−";

// The indices of the set bits, ascending.
std::vector<std::size_t> Indices(std::uint64_t bits) {
    std::vector<std::size_t> indices;
    for (std::size_t i = 0; bits != 0; ++i, bits >>= 1) {
        if ((bits & 1) != 0) {
            indices.push_back(i);
        }
    }
    return indices;
}

}  // namespace

std::size_t StepRecorder::Add(SolveStep step) {
    steps_.steps.push_back(std::move(step));
    return steps_.steps.size() - 1;
}

Recorded::Recorded(int constant)
    : value_(constant, exact::Surd(constant)),
      letters_(std::to_string(constant)),
      numbers_(letters_) {}

Recorded Recorded::Leaf(StepRecorder* recorder, std::string_view letters, const DualValue& value,
                        Substitution numbers) {
    Recorded leaf;
    leaf.recorder_ = recorder;
    leaf.value_ = value;
    leaf.letters_ = std::string(letters);
    leaf.numbers_ = std::move(numbers.text);
    leaf.numbers_fraction_ = numbers.fraction;
    return leaf;
}

Recorded Recorded::Given(StepRecorder& recorder, std::string_view symbol, const DualValue& value) {
    return Leaf(&recorder, symbol, value, GivenSubstitution(recorder.writer(), value));
}

Recorded Recorded::Known(StepRecorder& recorder, std::string_view symbol, const DualValue& value) {
    const ValueWriter& writer = recorder.writer();
    return Leaf(&recorder, symbol, value, SubstitutionOf(writer, value, writer.Exact(value)));
}

SolveStep Recorded::StepText(std::string_view name, const std::optional<ExactForm>& form) const {
    SolveStep step{std::string(name), std::string(name) + " = " + letters_ + " = " + numbers_,
                   Indices(uses_)};
    if (!fault_) {
        step.text += " " + recorder_->writer().EndingAfter(numbers_, value_, form);
    }
    return step;
}

Recorded Recorded::Substituted(std::string_view name, const std::optional<ExactForm>& form) const {
    Recorded named =
        Leaf(recorder_, name, value_, SubstitutionOf(recorder_->writer(), value_, form));
    named.form_ = form;
    return named;
}

Recorded Recorded::Named(std::string_view name) const {
    if (recorder_ == nullptr) {
        return *this;  // constants only: nothing to describe
    }
    if (fault_) {
        recorder_->MarkFailed(recorder_->Add(StepText(name, std::nullopt)));
        throw ArithmeticError(*fault_);
    }
    const std::optional<ExactForm> form = recorder_->writer().Exact(value_);
    const std::size_t index = recorder_->Add(StepText(name, form));
    Recorded named = Substituted(name, form);
    named.uses_ = std::uint64_t{1} << index;
    named.step_ = index;
    return named;
}

Recorded Recorded::NamedInSecond(std::string_view name) const {
    if (fault_) {
        throw ArithmeticError(*fault_);
    }
    const std::optional<ExactForm> form = recorder_->writer().Exact(value_);
    recorder_->AddSecond(StepText(name, form));
    // Only the shared steps count as uses.
    Recorded named = Substituted(name, form);
    named.uses_ = uses_;
    return named;
}

std::string Recorded::Wrapped(const std::string& text, const Recorded& x, Binding needed) {
    return x.binding_ < needed ? "(" + text + ")" : text;
}

Recorded Recorded::WithFault(std::optional<ArithmeticFault> fault) && {
    if (!fault_) {
        fault_ = fault;
    }
    return std::move(*this);
}

std::string Recorded::WrappedNumbers(const Recorded& x, Binding needed, bool in_product) {
    if (x.numbers_fraction_ && in_product) {
        return "(" + x.numbers_ + ")";
    }
    return Wrapped(x.numbers_, x, needed);
}

// Operands of the same binding stand without parentheses on the left (the
// formulas associate to the left) and in parentheses on the right.
Recorded Recorded::Binary(const Recorded& x, std::string_view sign, Binding binding,
                          const Recorded& y, DualValue value) {
    Recorded result;
    result.recorder_ = x.recorder_ != nullptr ? x.recorder_ : y.recorder_;
    result.value_ = std::move(value);
    result.fault_ = x.fault_ ? x.fault_ : y.fault_;
    result.binding_ = binding;
    result.uses_ = x.uses_ | y.uses_;
    const auto right = static_cast<Binding>(static_cast<int>(binding) + 1);
    result.letters_ =
        Wrapped(x.letters_, x, binding) + std::string(sign) + Wrapped(y.letters_, y, right);
    const bool product = binding == Binding::Product;
    const bool multiplied = product && sign == "·";
    result.numbers_ = WrappedNumbers(x, binding, multiplied) + std::string(sign) +
                      WrappedNumbers(y, right, product);
    return result;
}

// A unary operation on x: the same steps used, the new formula and value.
Recorded Recorded::Unary(const Recorded& x, Binding binding, std::string letters,
                         std::string numbers, DualValue value) {
    Recorded result;
    result.recorder_ = x.recorder_;
    result.fault_ = x.fault_;
    result.uses_ = x.uses_;
    result.value_ = std::move(value);
    result.binding_ = binding;
    result.letters_ = std::move(letters);
    result.numbers_ = std::move(numbers);
    return result;
}

Recorded operator+(const Recorded& x, const Recorded& y) {
    const double sum = x.value() + y.value();
    return Recorded::Binary(x, " + ", Recorded::Binding::Sum, y,
                            DualValue::Sum(x.value_, y.value_, sum))
        .WithFault(FaultOfResult(sum));
}

Recorded operator-(const Recorded& x, const Recorded& y) {
    const double difference = x.value() - y.value();
    return Recorded::Binary(x, " − ", Recorded::Binding::Sum, y,
                            DualValue::Difference(x.value_, y.value_, difference))
        .WithFault(FaultOfResult(difference));
}

Recorded operator*(const Recorded& x, const Recorded& y) {
    const double product = x.value() * y.value();
    DualValue value = DualValue::Product(x.value_, y.value_, product);
    if (x.letters_ != y.letters_ || x.numbers_ != y.numbers_) {
        return Recorded::Binary(x, "·", Recorded::Binding::Product, y, std::move(value))
            .WithFault(FaultOfResult(product));
    }
    // x·x is written as a square.
    using Binding = Recorded::Binding;
    return Recorded::Unary(x, Binding::Power, Recorded::Wrapped(x.letters_, x, Binding::Atom) + "²",
                           Recorded::WrappedNumbers(x, Binding::Atom, true) + "²", std::move(value))
        .WithFault(FaultOfResult(product));
}

Recorded operator/(const Recorded& x, const Recorded& y) {
    const double quotient = x.value() / y.value();
    return Recorded::Binary(x, " / ", Recorded::Binding::Product, y,
                            DualValue::Quotient(x.value_, y.value_, quotient))
        .WithFault(FaultOfQuotient(y.value(), quotient));
}

Recorded Recorded::operator-() const {
    // "−d" needs parentheses wherever a sum does.
    return Unary(*this, Binding::Sum, std::string(kMinus) + Wrapped(letters_, *this, Binding::Atom),
                 std::string(kMinus) + Wrapped(numbers_, *this, Binding::Atom),
                 DualValue::Negated(value_));
}

Recorded Sqrt(const Recorded& x) {
    return Recorded::Unary(x, Recorded::Binding::Atom, "√(" + x.letters_ + ")",
                           "√(" + x.numbers_ + ")", DualValue::Root(x.value_, std::sqrt(x.value())))
        .WithFault(FaultOfRoot(x.value()));
}

Recorded SqrtOfNonNegative(const Recorded& x) {
    Recorded radicand = x;
    radicand.value_ = DualValue(RoundingOnlyRadicand(x.value()), x.value_.exact());
    return Sqrt(radicand);
}

}  // namespace trapezoid::detail
