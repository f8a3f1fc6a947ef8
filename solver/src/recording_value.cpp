// SPDX-License-Identifier: GPL-3.0-or-later
#include "trapezoid/shared/recording_value.hpp"

#include <cmath>
#include <cstdint>

#include "trapezoid/shared/checked.hpp"

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

RecordingValue::RecordingValue(int constant)
    : value_(constant, exact::Surd(constant)),
      letters_(std::to_string(constant)),
      numbers_(letters_) {}

RecordingValue RecordingValue::Leaf(StepRecorder* recorder, std::string_view letters,
                                    const ValueWithExact& value, Substitution numbers) {
    RecordingValue leaf;
    leaf.recorder_ = recorder;
    leaf.value_ = value;
    leaf.letters_ = std::string(letters);
    leaf.numbers_ = std::move(numbers.text);
    leaf.numbers_fraction_ = numbers.fraction;
    return leaf;
}

RecordingValue RecordingValue::Given(StepRecorder& recorder, std::string_view symbol,
                                     const ValueWithExact& value) {
    return Leaf(&recorder, symbol, value, GivenSubstitution(recorder.writer(), value));
}

RecordingValue RecordingValue::Known(StepRecorder& recorder, std::string_view symbol,
                                     const ValueWithExact& value) {
    const ValueWriter& writer = recorder.writer();
    return Leaf(&recorder, symbol, value, SubstitutionOf(writer, value, writer.Exact(value)));
}

SolveStep RecordingValue::StepText(std::string_view name,
                                   const std::optional<ExactForm>& form) const {
    SolveStep step{std::string(name), std::string(name) + " = " + letters_ + " = " + numbers_,
                   Indices(uses_)};
    if (!fault_) {
        step.text += " " + recorder_->writer().EndingAfter(numbers_, value_, form);
    }
    return step;
}

RecordingValue RecordingValue::Substituted(std::string_view name,
                                           const std::optional<ExactForm>& form) const {
    RecordingValue named =
        Leaf(recorder_, name, value_, SubstitutionOf(recorder_->writer(), value_, form));
    named.form_ = form;
    return named;
}

RecordingValue RecordingValue::Named(std::string_view name) const {
    if (recorder_ == nullptr) {
        return *this;  // constants only: nothing to describe
    }
    if (fault_) {
        recorder_->MarkFailed(recorder_->Add(StepText(name, std::nullopt)));
        throw ArithmeticError(*fault_);
    }
    const std::optional<ExactForm> form = recorder_->writer().Exact(value_);
    const std::size_t index = recorder_->Add(StepText(name, form));
    RecordingValue named = Substituted(name, form);
    named.uses_ = std::uint64_t{1} << index;
    named.step_ = index;
    return named;
}

RecordingValue RecordingValue::NamedInSecond(std::string_view name) const {
    if (fault_) {
        throw ArithmeticError(*fault_);
    }
    const std::optional<ExactForm> form = recorder_->writer().Exact(value_);
    recorder_->AddSecond(StepText(name, form));
    // Only the shared steps count as uses.
    RecordingValue named = Substituted(name, form);
    named.uses_ = uses_;
    return named;
}

std::string RecordingValue::Wrapped(const std::string& text, const RecordingValue& x,
                                    Binding needed) {
    return x.binding_ < needed ? "(" + text + ")" : text;
}

RecordingValue RecordingValue::WithFault(std::optional<ArithmeticFault> fault) && {
    if (!fault_) {
        fault_ = fault;
    }
    return std::move(*this);
}

std::string RecordingValue::WrappedNumbers(const RecordingValue& x, Binding needed,
                                           bool in_product) {
    if (x.numbers_fraction_ && in_product) {
        return "(" + x.numbers_ + ")";
    }
    return Wrapped(x.numbers_, x, needed);
}

// Operands of the same binding stand without parentheses on the left (the
// formulas associate to the left) and in parentheses on the right.
RecordingValue RecordingValue::Binary(const RecordingValue& x, std::string_view sign,
                                      Binding binding, const RecordingValue& y,
                                      ValueWithExact value) {
    RecordingValue result;
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
RecordingValue RecordingValue::Unary(const RecordingValue& x, Binding binding, std::string letters,
                                     std::string numbers, ValueWithExact value) {
    RecordingValue result;
    result.recorder_ = x.recorder_;
    result.fault_ = x.fault_;
    result.uses_ = x.uses_;
    result.value_ = std::move(value);
    result.binding_ = binding;
    result.letters_ = std::move(letters);
    result.numbers_ = std::move(numbers);
    return result;
}

RecordingValue operator+(const RecordingValue& x, const RecordingValue& y) {
    const double sum = x.value() + y.value();
    return RecordingValue::Binary(x, " + ", RecordingValue::Binding::Sum, y,
                                  ValueWithExact::Sum(x.value_, y.value_, sum))
        .WithFault(FaultOfResult(sum));
}

RecordingValue operator-(const RecordingValue& x, const RecordingValue& y) {
    const double difference = x.value() - y.value();
    return RecordingValue::Binary(x, " − ", RecordingValue::Binding::Sum, y,
                                  ValueWithExact::Difference(x.value_, y.value_, difference))
        .WithFault(FaultOfResult(difference));
}

RecordingValue operator*(const RecordingValue& x, const RecordingValue& y) {
    const double product = x.value() * y.value();
    ValueWithExact value = ValueWithExact::Product(x.value_, y.value_, product);
    if (x.letters_ != y.letters_ || x.numbers_ != y.numbers_) {
        return RecordingValue::Binary(x, "·", RecordingValue::Binding::Product, y, std::move(value))
            .WithFault(FaultOfResult(product));
    }
    // x·x is written as a square; a root squared stands in parentheses, (√3)².
    using Binding = RecordingValue::Binding;
    std::string numbers = RecordingValue::WrappedNumbers(x, Binding::Atom, true);
    if (numbers.starts_with("√")) {
        numbers = "(" + numbers + ")";
    }
    return RecordingValue::Unary(x, Binding::Power,
                                 RecordingValue::Wrapped(x.letters_, x, Binding::Atom) + "²",
                                 numbers + "²", std::move(value))
        .WithFault(FaultOfResult(product));
}

RecordingValue operator/(const RecordingValue& x, const RecordingValue& y) {
    const double quotient = x.value() / y.value();
    return RecordingValue::Binary(x, " / ", RecordingValue::Binding::Product, y,
                                  ValueWithExact::Quotient(x.value_, y.value_, quotient))
        .WithFault(FaultOfQuotient(y.value(), quotient));
}

RecordingValue RecordingValue::operator-() const {
    // "−d" needs parentheses wherever a sum does.
    return Unary(*this, Binding::Sum, std::string(kMinus) + Wrapped(letters_, *this, Binding::Atom),
                 std::string(kMinus) + Wrapped(numbers_, *this, Binding::Atom),
                 ValueWithExact::Negated(value_));
}

RecordingValue Sqrt(const RecordingValue& x) {
    return RecordingValue::Unary(x, RecordingValue::Binding::Atom, "√(" + x.letters_ + ")",
                                 "√(" + x.numbers_ + ")",
                                 ValueWithExact::Root(x.value_, std::sqrt(x.value())))
        .WithFault(FaultOfRoot(x.value()));
}

RecordingValue SqrtOfNonNegative(const RecordingValue& x) {
    RecordingValue radicand = x;
    radicand.value_ = ValueWithExact(RoundingOnlyRadicand(x.value()), x.value_.exact());
    return Sqrt(radicand);
}

}  // namespace trapezoid::detail
