// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_element_values.hpp"

#include <fast_float/fast_float.h>

#include <array>

#include "trapezoid/shared/fixed_text.hpp"

namespace trapezoid::elements {
namespace {

// √n / d
exact::Surd RootOver(long long n, long long d) {
    return *exact::Divide(*exact::SquareRoot(exact::Surd(n)), exact::Surd(d));
}

struct SpecialAngle {
    long long degrees;
    exact::Surd sine;
    exact::Surd tangent;
};

const std::array<SpecialAngle, 3>& SpecialAngles() {
    static const std::array<SpecialAngle, 3> angles = {
        SpecialAngle{30, exact::Rational(1, 2), RootOver(3, 3)},
        SpecialAngle{45, RootOver(2, 2), exact::Surd(1)},
        SpecialAngle{60, RootOver(3, 2), RootOver(3, 1)},
    };
    return angles;
}

// The exact angle, when it is a whole number of degrees.
std::optional<long long> WholeDegrees(const Dual& degrees) {
    if (!degrees.exact() || !degrees.exact()->IsInteger()) {
        return std::nullopt;
    }
    return static_cast<long long>(numerator(degrees.exact()->RationalPart()));
}

Dual Angle(double degrees, std::optional<long long> exact_degrees) {
    if (!exact_degrees) {
        return Dual(degrees, std::nullopt);
    }
    return Dual(degrees, exact::Surd(*exact_degrees));
}

// The special angle whose function (sine when `of_sine`, else tangent) has
// this exact value; an angle above 90° when the value is the negated one.
std::optional<long long> AngleWith(const Dual& ratio, bool of_sine, bool obtuse_when_negative) {
    if (!ratio.exact()) {
        return std::nullopt;
    }
    for (const SpecialAngle& angle : SpecialAngles()) {
        const exact::Surd& value = of_sine ? angle.sine : angle.tangent;
        if (*ratio.exact() == value) {
            return angle.degrees;
        }
        if (obtuse_when_negative && *ratio.exact() == exact::Negate(value)) {
            return 180 - angle.degrees;
        }
    }
    return std::nullopt;
}

}  // namespace

Dual Constant(double constant) {
    return Dual(constant, exact::Surd::FromDecimal(detail::ShortestText(constant)));
}

std::optional<exact::Surd> SpecialSine(const Dual& degrees) {
    const std::optional<long long> whole = WholeDegrees(degrees);
    if (whole == 90) {
        return exact::Surd(1);
    }
    for (const SpecialAngle& angle : SpecialAngles()) {
        if (whole == angle.degrees) {
            return angle.sine;
        }
    }
    return std::nullopt;
}

std::optional<exact::Surd> SpecialTangent(const Dual& degrees) {
    const std::optional<long long> whole = WholeDegrees(degrees);
    for (const SpecialAngle& angle : SpecialAngles()) {
        if (whole == angle.degrees) {
            return angle.tangent;
        }
    }
    return std::nullopt;
}

Dual CosDegrees(const Dual& degrees) {
    const std::optional<long long> whole = WholeDegrees(degrees);
    const Dual complement = whole ? Dual(90.0 - degrees.value(), exact::Surd(90 - *whole))
                                  : Dual(90.0 - degrees.value(), std::nullopt);
    return Dual(CosDegrees(degrees.value()),
                whole == 90 ? std::optional<exact::Surd>(exact::Surd(0)) : SpecialSine(complement));
}

Dual AngleOfLegs(const Dual& h, const Dual& m) {
    const double degrees = AngleOfLegs(h.value(), m.value());
    if (m.exact() && m.exact()->Sign() == 0) {
        return Angle(degrees, 90);
    }
    return Angle(degrees, AngleWith(h / m, false, true));
}

Dual ArcsinDegrees(const Dual& ratio) {
    const double degrees = ArcsinDegrees(ratio.value());
    if (ratio.exact() && *ratio.exact() == exact::Surd(1)) {
        return Angle(degrees, 90);
    }
    return Angle(degrees, AngleWith(ratio, true, false));
}

Dual ArccosDegrees(const Dual& ratio) {
    const double degrees = ArccosDegrees(ratio.value());
    if (ratio.exact() && ratio.exact()->Sign() == 0) {
        return Angle(degrees, 90);
    }
    // cos ∠B = sin (90° − ∠B), and −sin θ for ∠B = 90° + θ.
    if (const std::optional<long long> complement = AngleWith(ratio, true, false)) {
        return Angle(degrees, 90 - *complement);
    }
    if (ratio.exact()) {
        const Dual negated(-ratio.value(), exact::Negate(*ratio.exact()));
        if (const std::optional<long long> beyond = AngleWith(negated, true, false)) {
            return Angle(degrees, 90 + *beyond);
        }
    }
    return Angle(degrees, std::nullopt);
}

Dual GivenValue(double value) {
    const std::string digits = detail::ToChars(value, std::chars_format::fixed, 7);
    // Only a value that these seven decimals give back.
    double back = 0.0;
    fast_float::from_chars(digits.data(), digits.data() + digits.size(), back);
    if (back != value) {
        return Dual(value, std::nullopt);
    }
    return Dual(value, exact::Surd::FromDecimal(digits));
}

}  // namespace trapezoid::elements
