// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// A value of the solve together with its exact value, computed by the same
// operation. The double decides: when the exact operation cannot be done, or
// its sign or zero differs from the double's, the value has no exact form,
// and neither has anything computed from it.
#pragma once

#include <optional>

#include "exact/surd.hpp"

namespace trapezoid::detail {

class ValueWithExact {
  public:
    ValueWithExact() = default;
    // A value with the given exact form, kept only when its sign agrees.
    ValueWithExact(double value, std::optional<exact::Surd> exact);

    double value() const { return value_; }
    // Nothing when the value has no exact form.
    const std::optional<exact::Surd>& exact() const { return exact_; }

    // Each takes the double result the solve computed.
    static ValueWithExact Sum(const ValueWithExact& x, const ValueWithExact& y, double sum);
    static ValueWithExact Difference(const ValueWithExact& x, const ValueWithExact& y,
                                     double difference);
    static ValueWithExact Product(const ValueWithExact& x, const ValueWithExact& y, double product);
    static ValueWithExact Quotient(const ValueWithExact& x, const ValueWithExact& y,
                                   double quotient);
    static ValueWithExact Negated(const ValueWithExact& x);
    // `radicand` is the value whose root the double took (a rounding-only
    // negative radicand is taken as 0 before).
    static ValueWithExact Root(const ValueWithExact& radicand, double root);

  private:
    double value_ = 0.0;
    std::optional<exact::Surd> exact_;
};

}  // namespace trapezoid::detail
