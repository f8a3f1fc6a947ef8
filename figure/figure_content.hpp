// SPDX-License-Identifier: GPL-3.0-or-later
// What the drawing of a worked solution says in words, for assistive
// technology.
#pragma once

#include <QString>

#include "trapezoid/worked_solution.hpp"

namespace figure {

// "Правоъгълен трапец с основи a = 10 и c = 5, височина h = √11 ≈ 3,3166248,
// бедро b = 6"; each trapezoid under its heading when there are two. The
// reason there is none after a solve that wrote nothing.
QString DescribeFigure(const trapezoid::WorkedSolution& solution);

}  // namespace figure
