// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/surd.hpp"

namespace exact {

Surd::Surd(Rational rational) : rational_(std::move(rational)) {}

bool Surd::IsInteger() const {
    return IsRational() && denominator(rational_) == 1;
}
int Surd::Sign() const {
    return 0;
}
double Surd::ToDouble() const {
    return 0;
}

std::optional<Surd> Add(const Surd&, const Surd&) {
    return std::nullopt;
}
std::optional<Surd> Subtract(const Surd&, const Surd&) {
    return std::nullopt;
}
std::optional<Surd> Multiply(const Surd&, const Surd&) {
    return std::nullopt;
}
std::optional<Surd> Divide(const Surd&, const Surd&) {
    return std::nullopt;
}
Surd Negate(const Surd& x) {
    return x;
}

}  // namespace exact
