// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution of a solve, as a pupil writes it in the notebook:
// "Дадено", "Търси се", "Решение", "Отговор", "Още", with exact values where
// the formulas allow them, and the solved trapezoids for a drawing.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "trapezoid/solver.hpp"

namespace trapezoid {

// One solved trapezoid, as a drawing shows it.
struct SolvedFigure {
    std::string heading;  // "" for the only one, else "Първа възможност", "Втора възможност"
    // a, b, c, h as the solve computed them.
    std::array<double, 4> lengths{};
    // Their exact written forms ("√11"); empty when a length has none or it
    // is too long to show.
    std::array<std::string, 4> exact;
    // As the answer writes them: "√11 ≈ 3,3166248", "10", "≈ 3,1291713".
    std::array<std::string, 4> written;
};

struct WorkedSolution {
    std::string text;                   // UTF-8 lines joined by "\n"
    std::vector<SolvedFigure> figures;  // one per trapezoid; none when the solve wrote nothing
    std::string no_figure_reason;       // one line: why there is no figure (when figures is empty)
    bool solved = false;                // the solve wrote its results
};

struct SolutionOptions {
    int approximate_decimals = 7;  // decimals after "≈", 0 to 7
};

}  // namespace trapezoid
