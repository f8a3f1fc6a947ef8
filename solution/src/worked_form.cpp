// SPDX-License-Identifier: GPL-3.0-or-later
// An element solution in the form the solution window and the PDF pages
// take: the text and one figure per trapezoid.
#include "exact/surd.hpp"
#include "trapezoid/element_solution.hpp"
#include "writing.hpp"

namespace trapezoid {
namespace {

// Longest exact form that a drawing's label shows.
constexpr std::size_t kLongestLabel = 8;

}  // namespace

WorkedSolution ElementWorkedSolution(const ElementSolution& solution,
                                     const NumberSettings& settings) {
    using Status = ElementSolution::Status;
    WorkedSolution worked;
    worked.text = WriteElementSolution(solution, settings);
    worked.solved = solution.status == Status::Solved || solution.status == Status::TwoGivens;
    for (const ElementTrapezoid& trapezoid : solution.trapezoids) {
        SolvedFigure figure;
        figure.heading = solution.trapezoids.size() > 1 ? trapezoid.heading : "";
        for (std::size_t i = 0; i < figure.lengths.size(); ++i) {
            figure.lengths[i] = trapezoid.quantities[i];
            const std::string& ending = trapezoid.endings[i];
            figure.written[i] = ending.starts_with("= ") ? ending.substr(2) : ending;
            if (exact::CodePoints(trapezoid.exact_lengths[i]) <= kLongestLabel) {
                figure.exact[i] = trapezoid.exact_lengths[i];
            }
        }
        worked.figures.push_back(std::move(figure));
    }
    if (worked.figures.empty()) {
        worked.no_figure_reason = solution.status == Status::TwoGivens
                                      ? "Два дадени елемента не определят трапеца."
                                      : solution.message;
    }
    return worked;
}

}  // namespace trapezoid
