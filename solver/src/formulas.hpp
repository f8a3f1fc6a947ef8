// The formulas of the fifteen problem kinds.
#pragma once

#include <optional>

#include "checked.hpp"
#include "trapezoid/solver.hpp"

namespace trapezoid::detail {

// The six quantities of a right trapezoid.
struct Quantities {
    double a, b, c, h, P, S;
};

// The values read from the six boxes; a branch uses only its own givens.
using Readings = Quantities;

inline Quantities MakeQuantities(Checked a, Checked b, Checked c, Checked h, Checked P, Checked S) {
    return {a.value(), b.value(), c.value(), h.value(), P.value(), S.value()};
}

// The second trapezoid of kind "P,b,c", shown only in its report.
struct SecondSolution {
    double a, h, S;
};

struct KindSolution {
    Quantities quantities;
    std::optional<SecondSolution> second;
};

// Kinds 0..3: three of the lengths a, b, c, h.
Quantities SolveFromLengths(int kind, const Readings& read);
// Kinds 4, 5, 6, 8, 9: the perimeter and two lengths.
Quantities SolveWithPerimeter(int kind, const Readings& read);
// Kind 7: P, b, c, with two solutions.
KindSolution SolvePerimeterLegShortBase(const Readings& read);
// Kinds 10..14: the area and two more.
Quantities SolveWithArea(int kind, const Readings& read);

// Runs the branch of `kind` (0..14). Each branch uses only its own givens.
KindSolution SolveKind(int kind, const Readings& read);

}  // namespace trapezoid::detail
