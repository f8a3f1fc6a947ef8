// SPDX-License-Identifier: GPL-3.0-or-later
#include "dual_value.hpp"

namespace trapezoid::detail {
namespace {

int SignOf(double value) {
    return (value > 0.0) - (value < 0.0);  // -0 is zero
}

using Operation = std::optional<exact::Surd> (*)(const exact::Surd&, const exact::Surd&);

std::optional<exact::Surd> Both(const DualValue& x, const DualValue& y, Operation operation) {
    if (!x.exact() || !y.exact()) {
        return std::nullopt;
    }
    return operation(*x.exact(), *y.exact());
}

}  // namespace

DualValue::DualValue(double value, std::optional<exact::Surd> exact) : value_(value) {
    if (exact && exact->Sign() == SignOf(value)) {
        exact_ = std::move(exact);
    }
}

DualValue DualValue::Sum(const DualValue& x, const DualValue& y, double sum) {
    return DualValue(sum, Both(x, y, &exact::Add));
}

DualValue DualValue::Difference(const DualValue& x, const DualValue& y, double difference) {
    return DualValue(difference, Both(x, y, &exact::Subtract));
}

DualValue DualValue::Product(const DualValue& x, const DualValue& y, double product) {
    return DualValue(product, Both(x, y, &exact::Multiply));
}

DualValue DualValue::Quotient(const DualValue& x, const DualValue& y, double quotient) {
    return DualValue(quotient, Both(x, y, &exact::Divide));
}

DualValue DualValue::Negated(const DualValue& x) {
    if (!x.exact_) {
        return DualValue(-x.value_, std::nullopt);
    }
    return DualValue(-x.value_, exact::Negate(*x.exact_));
}

DualValue DualValue::Root(const DualValue& radicand, double root) {
    if (!radicand.exact_) {
        return DualValue(root, std::nullopt);
    }
    return DualValue(root, exact::SquareRoot(*radicand.exact_));
}

}  // namespace trapezoid::detail
