// SPDX-License-Identifier: GPL-3.0-or-later
// What the drawing of a worked solution says: the side labels in short form
// and the figure in words for assistive technology.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "figure_layout.hpp"
#include "trapezoid/worked_solution.hpp"

namespace figure {

// The length as a label shows it: its exact form when that has at most eight
// characters, else the value with two decimals ("√11", "3,13").
QString ShortForm(const std::string& exact, double value, const QString& decimal_separator);

// One per solved trapezoid, with the side labels "a = 10", "a ≈ 3,13".
std::vector<DrawnTrapezoid> TrapezoidsToDraw(const trapezoid::WorkedSolution& solution,
                                             const QString& decimal_separator);

// "Правоъгълен трапец с основи a = 10 и c = 5, височина h = √11 ≈ 3,3166248,
// бедро b = 6"; each trapezoid under its heading when there are two. The
// reason there is none after a solve that wrote nothing.
QString DescribeFigure(const trapezoid::WorkedSolution& solution);

}  // namespace figure
