// SPDX-License-Identifier: GPL-3.0-or-later
// Three givens that one relation ties together.
#pragma once

#include <optional>
#include <string>

#include "exact_element_values.hpp"
#include "trapezoid/shared/value_writing.hpp"

namespace trapezoid::elements {

struct Dependence {
    // The relation, and with the values where the relation is a formula for
    // one of them: "MN = (a + c)/2 = (12 + 8)/2 = 10";
    // "b² = h² + m², т.е. b = √(h² + m²) = √(3² + 4²) = 5".
    std::string check;
    std::string given;       // the value given for the one the check finds: "11"
    bool agree = false;      // within 1e-9 relative
    bool too_large = false;  // the check is beyond the range of a double
};

// The relation that ties the three known elements, if one does.
std::optional<Dependence> FindDependence(ElementSet known, const Values<Dual>& values,
                                         const detail::ValueWriter& writer);

// Whether one relation ties these three elements.
bool IsDependent(ElementSet elements);

}  // namespace trapezoid::elements
