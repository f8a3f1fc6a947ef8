// SPDX-License-Identifier: GPL-3.0-or-later
// The value of every named quantity of the trapezoid with bases a > c and
// height h, in doubles or in a wider floating type.
#pragma once

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cmath>
#include <type_traits>

#include "trapezoid/conditions/given.hpp"

namespace trapezoid::conditions {

// Fifty decimal digits: enough to tell an exact value from a near one.
using Wide = boost::multiprecision::cpp_bin_float_50;

template <class Real>
Real FromSurd(const exact::Surd& surd, double value) {
    if constexpr (std::is_same_v<Real, double>) {
        return value;
    } else {
        const auto part = [](const exact::Rational& q) {
            return Real(boost::multiprecision::numerator(q)) /
                   Real(boost::multiprecision::denominator(q));
        };
        Real result = part(surd.RationalPart());
        if (!surd.IsRational()) {
            result += part(surd.RootCoefficient()) * sqrt(Real(surd.Radicand()));
        }
        return result;
    }
}

template <class Real>
struct PlanePoint {
    Real x, y;
};

// A(0, 0), B(a, 0), C(c, h), D(0, h), H(c, 0), O on both diagonals.
template <class Real>
PlanePoint<Real> PointOf(char name, const Real& a, const Real& c, const Real& h) {
    switch (name) {
        case 'A':
            return {Real(0), Real(0)};
        case 'B':
            return {a, Real(0)};
        case 'C':
            return {c, h};
        case 'D':
            return {Real(0), h};
        case 'H':
            return {c, Real(0)};
        default:
            return {a * c / (a + c), a * h / (a + c)};
    }
}

// The angle at points[1], in radians within [0, π].
template <class Real>
Real AngleOf(const std::string& points, const Real& a, const Real& c, const Real& h) {
    using std::abs;
    using std::atan2;
    const auto first = PointOf(points[0], a, c, h);
    const auto vertex = PointOf(points[1], a, c, h);
    const auto last = PointOf(points[2], a, c, h);
    const Real ux = first.x - vertex.x, uy = first.y - vertex.y;
    const Real vx = last.x - vertex.x, vy = last.y - vertex.y;
    return atan2(abs(ux * vy - uy * vx), ux * vx + uy * vy);
}

template <class Real>
Real Evaluate(const Quantity& quantity, const Real& a, const Real& c, const Real& h) {
    using std::sqrt;
    using Kind = Quantity::Kind;
    switch (quantity.kind) {
        case Kind::Segment: {
            const auto p = PointOf(quantity.points[0], a, c, h);
            const auto q = PointOf(quantity.points[1], a, c, h);
            return sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
        }
        case Kind::Perimeter:
            return a + c + h + sqrt(h * h + (a - c) * (a - c));
        case Kind::Area:
            return (a + c) * h / 2;
        case Kind::Midline:
            return (a + c) / 2;
        case Kind::Radius:
            return h / 2;
        default:
            break;
    }
    const Real angle = AngleOf(quantity.points, a, c, h);
    switch (quantity.kind) {
        case Kind::Tangent:
            return tan(angle);
        case Kind::Sine:
            return sin(angle);
        case Kind::Cosine:
            return cos(angle);
        case Kind::Cotangent:
            return cos(angle) / sin(angle);
        default:
            return angle * 180 / boost::math::constants::pi<Real>();
    }
}

}  // namespace trapezoid::conditions
