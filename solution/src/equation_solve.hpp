// SPDX-License-Identifier: GPL-3.0-or-later
// The equation of a triple that no derivation takes to a kind: solved
// exactly where it is linear or quadratic, else numerically.
#pragma once

#include <string>
#include <vector>

#include "plan.hpp"
#include "trapezoid/shared/value_writing.hpp"

namespace trapezoid::elements {

struct EquationRoots {
    Element unknown = Element::H;
    std::vector<Dual> roots;  // allowed values of the unknown, ascending
    std::string step;         // the equation and its roots, as a step
    // What the derivation after a root starts from: the givens it may use
    // and the unknown.
    ElementSet start;
    bool numeric = false;
    bool too_large = false;  // a coefficient is beyond the range of a double
};

// The linear or quadratic equation whose inputs are all known, if any.
std::optional<EquationRoots> SolveExactEquation(ElementSet known, const Values<Dual>& values,
                                                const detail::ValueWriter& writer);

// The height as the unknown: with two of the givens it leads to a kind, and
// the third given must come out as given. Roots are found on a grid over the
// allowed interval of h and refined by bisection.
std::optional<EquationRoots> SolveNumerically(ElementSet known, const Values<double>& values,
                                              const NumberSettings& settings);

// The value of an element of the trapezoid with these six quantities.
double ElementOfQuantities(Element element, const std::array<double, kQuantityCount>& six);

}  // namespace trapezoid::elements
