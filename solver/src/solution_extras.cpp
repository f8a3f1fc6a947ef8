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

// √(x² + yy), a diagonal, with the square yy worked out once for both.
DualValue Hypotenuse(const DualValue& x, const DualValue& yy) {
    const DualValue xx = Square(x);
    const DualValue sum = DualValue::Sum(xx, yy, xx.value() + yy.value());
    return DualValue::Root(sum, std::sqrt(sum.value()));
}

// ∠ABC in whole degrees when it is 30°, 45°, 60°, 90°, 120°, 135° or 150°,
// decided exactly: 90° for m = 0, else by the tangent h/m, which is then ±1,
// ±√3 or ±√3/3.
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
    const bool obtuse = tangent->Sign() < 0;
    int acute = 0;
    if (tangent->IsRational() && abs(tangent->RationalPart()) == 1) {
        acute = 45;
    } else if (tangent->RationalPart() == 0 && tangent->Radicand() == 3) {
        const exact::Rational coefficient = abs(tangent->RootCoefficient());
        acute = coefficient == 1 ? 60 : coefficient == exact::Rational(1, 3) ? 30 : 0;
    }
    if (acute == 0) {
        return std::nullopt;
    }
    return obtuse ? 180 - acute : acute;
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
// True when the angle in degrees is near one of the special angles: only then
// can the exact values make it one.
bool NearSpecialAngle(double degrees) {
    constexpr double kNear = 1e-4;
    for (const double special : {30.0, 45.0, 60.0, 90.0, 120.0, 135.0, 150.0}) {
        if (std::abs(degrees - special) < kNear) {
            return true;
        }
    }
    return false;
}

std::string Angles(const DualValue& a, const DualValue& c, const DualValue& h) {
    const double m = a.value() - c.value();
    const double abc = std::atan2(h.value(), m) * 180.0 / std::numbers::pi;
    if (NearSpecialAngle(abc)) {
        if (const auto degrees = SpecialAngleABC(h, DualValue::Difference(a, c, m))) {
            return "∠ABC = " + std::to_string(*degrees) +
                   "°; ∠BCD = " + std::to_string(180 - *degrees) + "°";
        }
    }
    const auto seconds = std::llround(abc * kSecondsInDegree);
    return "∠ABC ≈ " + DegreesMinutesSeconds(seconds) + "; ∠BCD ≈ " +
           DegreesMinutesSeconds(kStraightAngle - seconds);
}

}  // namespace

std::string MoreLine(const SolvedValues& solved, const ValueWriter& writer) {
    const auto& v = solved.values;
    const DualValue hh = Square(v[H]);
    const DualValue bases = DualValue::Sum(v[A], v[C], v[A].value() + v[C].value());
    const std::pair<std::string_view, DualValue> lengths[] = {
        {"диагонал AC", Hypotenuse(v[C], hh)},
        {"диагонал BD", Hypotenuse(v[A], hh)},
        {"средна основа",
         DualValue::Quotient(bases, DualValue(2.0, exact::Surd(2)), bases.value() / 2)},
    };
    std::string line = "Още: ";
    for (const auto& [name, length] : lengths) {
        if (std::isfinite(length.value())) {  // beyond a double only for givens near 1e154
            line += std::string(name) + " " + writer.Ending(length) + "; ";
        }
    }
    return line + Angles(v[A], v[C], v[H]);
}

}  // namespace trapezoid::detail
