// SPDX-License-Identifier: GPL-3.0-or-later
// Three givens that one relation ties together.
#pragma once

#include <optional>
#include <string>

#include "element_values.hpp"

namespace trapezoid::elements {

struct Dependence {
    std::string relation;  // "MN = (a + c)/2"
    std::string check;     // the relation with the values: "MN = (a + c)/2 = (12 + 8)/2 = 10"
    std::string given;     // the value given for the one the check finds: "11"
    bool agree = false;    // within 1e-9 relative
};

// The relation that ties the three known elements, if one does.
std::optional<Dependence> FindDependence(ElementSet known, const Values<double>& values,
                                         const NumberSettings& settings);

// Whether one relation ties these three elements.
bool IsDependent(ElementSet elements);

}  // namespace trapezoid::elements
