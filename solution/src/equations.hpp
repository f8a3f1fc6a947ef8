// SPDX-License-Identifier: GPL-3.0-or-later
// The triples that no derivation takes to a kind but that one linear or
// quadratic equation solves: the equation q2·x² + q1·x + q0 = 0 in one
// unknown, written once over the value type.
#pragma once

#include "relations.hpp"

namespace trapezoid::elements {

template <class V>
struct Equation {
    ElementSet inputs;
    Element unknown;
    std::string_view relation;                           // how the equation follows, in letters
    std::array<V, 3> (*coefficients)(const Values<V>&);  // q2, q1, q0
};

template <class V>
inline const auto kEquations = [] {
    using E = Element;
    using namespace formulas;
    using Q = Equation<V>;
    using C3 = std::array<V, 3>;
    // clang-format off
    return std::array{
        Q{{E::MN, E::M}, E::A, "a + c = 2·MN и a − c = m, събрани: 2·a = 2·MN + m",
          [](const Values<V>& v) { return C3{Literal<V>(0.0), Literal<V>(2.0), -(2.0 * MN(v) + M(v))}; }},
        Q{{E::P, E::MN, E::B}, E::H, "P = (a + c) + b + h = 2·MN + b + h",
          [](const Values<V>& v) { return C3{Literal<V>(0.0), Literal<V>(1.0), 2.0 * MN(v) + B(v) - P(v)}; }},
        Q{{E::AC, E::BD, E::M}, E::C, "BD² − AC² = a² − c² = (c + m)² − c² = 2·c·m + m²",
          [](const Values<V>& v) {
              return C3{Literal<V>(0.0), 2.0 * M(v), M(v) * M(v) - BD(v) * BD(v) + AC(v) * AC(v)}; }},
        Q{{E::AC, E::BD, E::MN}, E::M, "BD² − AC² = a² − c² = (a − c)·(a + c) = 2·MN·m",
          [](const Values<V>& v) { return C3{Literal<V>(0.0), 2.0 * MN(v), AC(v) * AC(v) - BD(v) * BD(v)}; }},
        Q{{E::A, E::B, E::AC}, E::M, "AC² = c² + h² = (a − m)² + b² − m² = a² − 2·a·m + b²",
          [](const Values<V>& v) {
              return C3{Literal<V>(0.0), 2.0 * A(v), AC(v) * AC(v) - A(v) * A(v) - B(v) * B(v)}; }},
        Q{{E::B, E::C, E::BD}, E::M, "BD² = a² + h² = (c + m)² + b² − m² = c² + 2·c·m + b²",
          [](const Values<V>& v) {
              return C3{Literal<V>(0.0), 2.0 * C(v), C(v) * C(v) + B(v) * B(v) - BD(v) * BD(v)}; }},
        Q{{E::A, E::P, E::Angle}, E::M, "P = a + (a − m) + m / cos ∠B + m·tg ∠B",
          [](const Values<V>& v) {
              return C3{Literal<V>(0.0), 1.0 / CosDegrees(Beta(v)) + TanDegrees(Beta(v)) - 1.0,
                        2.0 * A(v) - P(v)}; }},
        Q{{E::C, E::P, E::Angle}, E::M, "P = (c + m) + c + m / cos ∠B + m·tg ∠B",
          [](const Values<V>& v) {
              return C3{Literal<V>(0.0), 1.0 + 1.0 / CosDegrees(Beta(v)) + TanDegrees(Beta(v)),
                        2.0 * C(v) - P(v)}; }},
        Q{{E::P, E::MN, E::Angle}, E::M, "P = 2·MN + m / cos ∠B + m·tg ∠B",
          [](const Values<V>& v) {
              return C3{Literal<V>(0.0), 1.0 / CosDegrees(Beta(v)) + TanDegrees(Beta(v)), 2.0 * MN(v) - P(v)}; }},
        Q{{E::A, E::S, E::Angle}, E::M, "2·S = (a + c)·h = (2·a − m)·m·tg ∠B",
          [](const Values<V>& v) {
              const V t = TanDegrees(Beta(v));
              return C3{t, -2.0 * A(v) * t, 2.0 * S(v)}; }},
        Q{{E::C, E::S, E::Angle}, E::M, "2·S = (a + c)·h = (2·c + m)·m·tg ∠B",
          [](const Values<V>& v) {
              const V t = TanDegrees(Beta(v));
              return C3{t, 2.0 * C(v) * t, -2.0 * S(v)}; }},
        Q{{E::A, E::AC, E::Angle}, E::M, "AC² = c² + h² = (a − m)² + (m·tg ∠B)²",
          [](const Values<V>& v) {
              const V t = TanDegrees(Beta(v));
              return C3{1.0 + t * t, -2.0 * A(v), A(v) * A(v) - AC(v) * AC(v)}; }},
        Q{{E::C, E::BD, E::Angle}, E::M, "BD² = a² + h² = (c + m)² + (m·tg ∠B)²",
          [](const Values<V>& v) {
              const V t = TanDegrees(Beta(v));
              return C3{1.0 + t * t, 2.0 * C(v), C(v) * C(v) - BD(v) * BD(v)}; }},
        Q{{E::AC, E::MN, E::Angle}, E::M, "AC² = c² + h² = (MN − m/2)² + (m·tg ∠B)²",
          [](const Values<V>& v) {
              const V t = TanDegrees(Beta(v));
              return C3{0.25 + t * t, -MN(v), MN(v) * MN(v) - AC(v) * AC(v)}; }},
        Q{{E::BD, E::MN, E::Angle}, E::M, "BD² = a² + h² = (MN + m/2)² + (m·tg ∠B)²",
          [](const Values<V>& v) {
              const V t = TanDegrees(Beta(v));
              return C3{0.25 + t * t, MN(v), MN(v) * MN(v) - BD(v) * BD(v)}; }},
        Q{{E::A, E::P, E::S}, E::H, "c = 2·S/h − a, b = P − 2·S/h − h, b² = h² + (a − c)²",
          [](const Values<V>& v) {
              return C3{2.0 * P(v), -(P(v) * P(v) + 4.0 * S(v) - 4.0 * A(v) * A(v)),
                        4.0 * S(v) * (P(v) - 2.0 * A(v))}; }},
        Q{{E::C, E::P, E::S}, E::H, "a = 2·S/h − c, b = P − 2·S/h − h, b² = h² + (a − c)²",
          [](const Values<V>& v) {
              return C3{2.0 * P(v), -(P(v) * P(v) + 4.0 * S(v) - 4.0 * C(v) * C(v)),
                        4.0 * S(v) * (P(v) - 2.0 * C(v))}; }},
        Q{{E::B, E::P, E::S}, E::H, "h + (a + c) = P − b и h·(a + c) = 2·S",
          [](const Values<V>& v) { return C3{Literal<V>(1.0), -(P(v) - B(v)), 2.0 * S(v)}; }},
        Q{{E::P, E::S, E::Angle}, E::M, "P = 2·S/h + b + h, където h = m·tg ∠B и b = m / cos ∠B",
          [](const Values<V>& v) {
              const V t = TanDegrees(Beta(v));
              return C3{1.0 / CosDegrees(Beta(v)) + t, -P(v), 2.0 * S(v) / t}; }},
    };
    // clang-format on
}();

}  // namespace trapezoid::elements
