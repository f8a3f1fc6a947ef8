// SPDX-License-Identifier: GPL-3.0-or-later
// "Още": what the same exercises also ask. Computed in double from the
// solve's values, each with its exact value beside it by the same operations.
#include <cmath>
#include <numbers>

#include "solution_text.hpp"

namespace trapezoid::detail {
namespace {

using namespace QuantityIndex;

constexpr long long kSecondsInDegree = 3600;
constexpr long long kStraightAngle = 180 * kSecondsInDegree;

DualValue Square(const DualValue& x) {
    return DualValue::Product(x, x, x.value() * x.value());
}

// √(x² + y²), a diagonal.
DualValue Hypotenuse(const DualValue& x, const DualValue& y) {
    const DualValue xx = Square(x), yy = Square(y);
    const DualValue sum = DualValue::Sum(xx, yy, xx.value() + yy.value());
    return DualValue::Root(sum, std::sqrt(sum.value()));
}

// The angles whose tangent h/m decides them exactly, in degrees.
struct SpecialAngle {
    int degrees;
    exact::Surd tangent;
};

std::vector<SpecialAngle> SpecialAngles() {
    const exact::Surd root3 = *exact::SquareRoot(3);
    const exact::Surd third_of_root3 = *exact::Divide(root3, 3);
    return {{30, third_of_root3},        {45, 1},   {60, root3},
            {120, exact::Negate(root3)}, {135, -1}, {150, exact::Negate(third_of_root3)}};
}

// ∠ABC in whole degrees when it is one of the special angles, decided
// exactly: 90° for m = 0, else by the tangent h/m.
std::optional<int> SpecialAngleABC(const DualValue& h, const DualValue& m) {
    if (!h.exact() || !m.exact()) {
        return std::nullopt;
    }
    if (m.exact()->Sign() == 0) {
        return 90;
    }
    const auto tangent = exact::Divide(*h.exact(), *m.exact());
    if (!tangent) {
        return std::nullopt;
    }
    static const std::vector<SpecialAngle> kSpecial = SpecialAngles();
    for (const SpecialAngle& angle : kSpecial) {
        const auto difference = exact::Subtract(*tangent, angle.tangent);
        if (difference && difference->Sign() == 0) {
            return angle.degrees;
        }
    }
    return std::nullopt;
}

// "33°33′26″" from whole seconds of arc.
std::string DegreesMinutesSeconds(long long seconds) {
    return std::to_string(seconds / kSecondsInDegree) + "°" +
           std::to_string(seconds % kSecondsInDegree / 60) + "′" + std::to_string(seconds % 60) +
           "″";
}

// "∠ABC = 60°; ∠BCD = 120°" or "∠ABC ≈ 33°33′26″; ∠BCD ≈ 146°26′34″". ∠ABC is
// the angle of the slanted leg with the long base: arctg(h/m), 90° for
// m = 0 and obtuse for m < 0 (c longer than a).
std::string Angles(const DualValue& h, const DualValue& m) {
    if (const auto degrees = SpecialAngleABC(h, m)) {
        return "∠ABC = " + std::to_string(*degrees) +
               "°; ∠BCD = " + std::to_string(180 - *degrees) + "°";
    }
    const double abc = std::atan2(h.value(), m.value()) * 180.0 / std::numbers::pi;
    const auto seconds = std::llround(abc * kSecondsInDegree);
    return "∠ABC ≈ " + DegreesMinutesSeconds(seconds) + "; ∠BCD ≈ " +
           DegreesMinutesSeconds(kStraightAngle - seconds);
}

}  // namespace

std::string MoreLine(const SolvedValues& solved, const ValueWriter& writer) {
    const auto& v = solved.values;
    const DualValue bases = DualValue::Sum(v[A], v[C], v[A].value() + v[C].value());
    const std::pair<std::string_view, DualValue> lengths[] = {
        {"диагонал AC", Hypotenuse(v[C], v[H])},
        {"диагонал BD", Hypotenuse(v[A], v[H])},
        {"средна основа",
         DualValue::Quotient(bases, DualValue(2.0, exact::Surd(2)), bases.value() / 2)},
    };
    std::string line = "Още: ";
    for (const auto& [name, length] : lengths) {
        if (std::isfinite(length.value())) {  // beyond a double only for givens near 1e154
            line += std::string(name) + " " + writer.Ending(length) + "; ";
        }
    }
    const DualValue m = DualValue::Difference(v[A], v[C], v[A].value() - v[C].value());
    return line + Angles(v[H], m);
}

}  // namespace trapezoid::detail
