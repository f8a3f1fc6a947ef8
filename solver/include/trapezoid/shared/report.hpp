// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// The report of kind "P,b,c" in the assignment box.
#pragma once

#include <string>

#include "trapezoid/shared/branch.hpp"

namespace trapezoid::detail {

// True when the second trapezoid's a, h and S are all above 0.
template <class V>
bool SecondSolutionExists(const SecondSolution<V>& second) {
    return second.a.value() > 0.0 && second.h.value() > 0.0 && second.S.value() > 0.0;
}

// Both trapezoids when the second one's a, h and S are all above 0; else
// only the first, under "Има една възможност: ". Lines end "\r\n".
std::string PerimeterLegShortBaseReport(const SixQuantities<Checked>& first,
                                        const SecondSolution<Checked>& second,
                                        const NumberSettings& settings);

}  // namespace trapezoid::detail
