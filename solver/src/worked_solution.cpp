// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder until the exact values land: the answer in decimals only.
#include "trapezoid/worked_solution.hpp"

namespace trapezoid {

WorkedSolution BuildWorkedSolution(int kind, const std::array<bool, kQuantityCount>& given,
                                   const std::array<std::string, kQuantityCount>& texts,
                                   const NumberSettings& settings,
                                   const SolutionOptions& /*options*/) {
    WorkedSolution solution;
    const SolveOutcome outcome = Solve(kind, given, texts, settings);
    if (outcome.status != SolveOutcome::Status::Solved) {
        solution.text = "Няма решение.";
        solution.no_figure_reason = "Няма трапец с тези данни.";
        return solution;
    }
    solution.solved = true;
    SolvedFigure figure;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        solution.text += std::string(kQuantitySymbols[i]) + " = " + outcome.texts[i] + "\n";
    }
    for (std::size_t i = 0; i < 4; ++i) {
        figure.lengths[i] = ParseQuantityText(outcome.texts[i], settings);
        figure.written[i] = outcome.texts[i];
    }
    solution.figures.push_back(figure);
    return solution;
}

}  // namespace trapezoid
