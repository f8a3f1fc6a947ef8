// SPDX-License-Identifier: GPL-3.0-or-later
#include "trapezoid/shared/value_with_exact.hpp"

namespace trapezoid::detail {
namespace {

int SignOf(double value) {
    return (value > 0.0) - (value < 0.0);  // -0 is zero
}

using Operation = std::optional<exact::Surd> (*)(const exact::Surd&, const exact::Surd&);

std::optional<exact::Surd> Both(const ValueWithExact& x, const ValueWithExact& y,
                                Operation operation) {
    if (!x.exact() || !y.exact()) {
        return std::nullopt;
    }
    return operation(*x.exact(), *y.exact());
}

}  // namespace

ValueWithExact::ValueWithExact(double value, std::optional<exact::Surd> exact) : value_(value) {
    if (exact && exact->Sign() == SignOf(value)) {
        exact_ = std::move(exact);
    }
}

ValueWithExact ValueWithExact::Sum(const ValueWithExact& x, const ValueWithExact& y, double sum) {
    return ValueWithExact(sum, Both(x, y, &exact::Add));
}

ValueWithExact ValueWithExact::Difference(const ValueWithExact& x, const ValueWithExact& y,
                                          double difference) {
    return ValueWithExact(difference, Both(x, y, &exact::Subtract));
}

ValueWithExact ValueWithExact::Product(const ValueWithExact& x, const ValueWithExact& y,
                                       double product) {
    return ValueWithExact(product, Both(x, y, &exact::Multiply));
}

ValueWithExact ValueWithExact::Quotient(const ValueWithExact& x, const ValueWithExact& y,
                                        double quotient) {
    return ValueWithExact(quotient, Both(x, y, &exact::Divide));
}

ValueWithExact ValueWithExact::Negated(const ValueWithExact& x) {
    if (!x.exact_) {
        return ValueWithExact(-x.value_, std::nullopt);
    }
    return ValueWithExact(-x.value_, exact::Negate(*x.exact_));
}

ValueWithExact ValueWithExact::Root(const ValueWithExact& radicand, double root) {
    if (!radicand.exact_) {
        return ValueWithExact(root, std::nullopt);
    }
    return ValueWithExact(root, exact::SquareRoot(*radicand.exact_));
}

}  // namespace trapezoid::detail
