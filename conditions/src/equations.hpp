// SPDX-License-Identifier: GPL-3.0-or-later
// The givens as equations in a, c and h, and the solving of such systems.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "figure.hpp"

namespace trapezoid::conditions {

// Σ k·quantity = value, homogeneous of `degree` in (a, c, h).
struct Equation {
    std::vector<Term> terms;
    exact::Surd value;
    double value_double = 0.0;
    int degree = 0;
    int given = -1;     // the index of its given; -1 for a probe
    bool exact = true;  // false when the value is known as a double only
};

// The equations of the givens: one each, and a + c = b + h once for r.
std::vector<Equation> EquationsOf(const std::vector<Given>& givens);

// a + c − b − h = 0, the circle inscribed.
Equation InscribedCircle(int given);

// The segment between two points = value, or = value·a: a probe that picks
// one trapezoid of a family.
Equation Probe(std::string points, double value, bool times_a);

template <class Real>
Real Residual(const Equation& equation, const Real& a, const Real& c, const Real& h) {
    Real sum = equation.exact ? -FromSurd<Real>(equation.value, equation.value_double)
                              : Real(-equation.value_double);
    for (const Term& term : equation.terms) {
        sum += FromSurd<Real>(term.coefficient, term.coefficient_value) *
               Evaluate<Real>(term.quantity, a, c, h);
    }
    return sum;
}

// The size of the equation's parts, for relative tolerances.
double Magnitude(const Equation& equation, double a, double c, double h);

// Residual over Magnitude: 0 where it holds, sign-preserving, about 1 in size.
double Relative(const Equation& equation, double a, double c, double h);

// True when the equation holds to a few ulps at (a, c, h).
bool Holds(const Equation& equation, double a, double c, double h);

// The first equations that are independent, greedily in order (at most
// three), by their gradients at a few trapezoids: their indices.
std::vector<std::size_t> Independent(const std::vector<const Equation*>& equations);

struct Trapezoid {
    double a, c, h;
};

using Vector3 = std::array<double, 3>;
using Matrix3 = std::array<Vector3, 3>;

// The gradients of the three relative residuals at the trapezoid.
Matrix3 RelativeJacobian(const std::array<const Equation*, 3>& equations, const Trapezoid& at);

double Determinant(const Matrix3& m);

// The solution of m·x = f, or nothing when m is singular.
std::optional<Vector3> SolveLinear(const Matrix3& m, const Vector3& f);

// The trapezoid to fifty digits, by Newton's method from the doubles.
std::array<Wide, 3> Widen(const std::array<const Equation*, 3>& equations, const Trapezoid& t);

// The exact value (p + q√r)/s with small integers, or p/s, of a number known
// to fifty digits: tried with the square-free radicands below 60 and
// `radicands`.
std::optional<exact::Surd> Recognise(const Wide& x, const std::vector<long long>& radicands);

// Every trapezoid a > c > 0, h > 0 that meets the three equations of rank
// three, each checked back.
std::vector<Trapezoid> SolveThree(const std::array<const Equation*, 3>& equations);

// Every shape (c/a, h/a) that meets two equations without a length.
std::vector<std::array<double, 2>> SolveShape(const Equation& first, const Equation& second);

// Every root of two functions of the shape (x = c/a in (0, 1), y = h/a > 0);
// a function gives NaN where it is not defined.
std::vector<std::array<double, 2>> FindShapeRoots(
    const std::function<std::array<double, 2>(double x, double y)>& functions);

// Whether the equation holds for exact a, c and h, decided in exact
// arithmetic; nothing where that needs a second root or an angle whose
// tangent is not exact.
std::optional<bool> HoldsExactly(const Equation& equation, const exact::Surd& a,
                                 const exact::Surd& c, const exact::Surd& h);

}  // namespace trapezoid::conditions
