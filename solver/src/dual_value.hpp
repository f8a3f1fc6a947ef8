// SPDX-License-Identifier: GPL-3.0-or-later
// A value of the solve together with its exact value, computed by the same
// operation. The double decides: when the exact operation cannot be done, or
// its sign or zero differs from the double's, the value has no exact form,
// and neither has anything computed from it.
#pragma once

#include <optional>

#include "exact/surd.hpp"

namespace trapezoid::detail {

class DualValue {
  public:
    DualValue() = default;
    // A value with the given exact form, kept only when its sign agrees.
    DualValue(double value, std::optional<exact::Surd> exact);

    double value() const { return value_; }
    // Nothing when the value has no exact form.
    const std::optional<exact::Surd>& exact() const { return exact_; }

    // Each takes the double result the solve computed.
    static DualValue Sum(const DualValue& x, const DualValue& y, double sum);
    static DualValue Difference(const DualValue& x, const DualValue& y, double difference);
    static DualValue Product(const DualValue& x, const DualValue& y, double product);
    static DualValue Quotient(const DualValue& x, const DualValue& y, double quotient);
    static DualValue Negated(const DualValue& x);
    // `radicand` is the value whose root the double took (a rounding-only
    // negative radicand is taken as 0 before).
    static DualValue Root(const DualValue& radicand, double root);

  private:
    double value_ = 0.0;
    std::optional<exact::Surd> exact_;
};

}  // namespace trapezoid::detail
