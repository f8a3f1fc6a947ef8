// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of a worked solution laid out for the page's SVG.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "page_measure.hpp"
#include "trapezoid/worked_solution.hpp"

namespace web {

// The figures of the response: one drawing with every trapezoid on one scale,
// as the window draws them; empty when the solution has none.
nlohmann::json FiguresJson(const trapezoid::WorkedSolution& solution,
                           const std::string& decimal_separator, const PageMeasure& measure);

}  // namespace web
