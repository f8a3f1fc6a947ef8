// SPDX-License-Identifier: GPL-3.0-or-later
// Running a kind's branch on values a derivation found, so that they give
// bit for bit what the main window gives for the same three numbers.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exact_element_values.hpp"
#include "trapezoid/shared/value_writing.hpp"

namespace trapezoid::elements {

using Quantities = std::array<double, kQuantityCount>;

struct KindRun {
    std::vector<Quantities> trapezoids;  // the second only for "P,b,c" when it exists
    // No trapezoid: which condition on the kind's three values fails, as the
    // main window says it, and the step where the branch stopped ("" if none).
    std::string explanation;
    std::string failed_step;
};

// The branch of `kind` on the values of its three givens.
KindRun RunKind(int kind, const Values<Dual>& values, const detail::ValueWriter& writer);

// The first trapezoid of the branch, computed as RunKind does but with a
// fault giving a value that is not finite instead of an exception, and with
// no check that it is a trapezoid: for trial values of an unknown.
Quantities RunKindQuietly(int kind, const Values<double>& values);

struct KindStep {
    std::string name;  // "m", "h", "x", ...
    std::string text;  // "h = √(b² − m²) = √(6² − 5²) = √11 ≈ 3,3166248"
};

using ExactQuantities = std::array<Dual, kQuantityCount>;

// What the branch of `kind` writes for these values: its steps, without the
// checks of the signs the formulas drop, and the six values of each
// trapezoid with their exact forms. The elements in `typed` are put in as
// typed, the others by their exact forms. A helper value is introduced in
// words where it first appears: "m = HB, проекцията на бедрото върху
// основата a: m = a − c = 10 − 5 = 5".
struct KindDescription {
    std::vector<KindStep> steps;
    std::vector<KindStep> second_steps;  // "P,b,c": the second trapezoid's, after x and r
    std::vector<ExactQuantities> trapezoids;
};
KindDescription DescribeKind(int kind, const Values<Dual>& values, ElementSet typed,
                             const detail::ValueWriter& writer);

}  // namespace trapezoid::elements
