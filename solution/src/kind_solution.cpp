// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution of a kind: its three givens, read from the boxes as the
// solve reads them, worked out by the one engine as three elements.
#include <limits>
#include "trapezoid/element_solution.hpp"

#include "trapezoid/solve_message.hpp"
#include "trapezoid/steps.hpp"

namespace trapezoid {
namespace {

// The sentence for givens that the solve rejects: which box does not hold a
// number greater than 0.
std::string RejectedGivens(int kind, const std::array<bool, kQuantityCount>& given,
                           const std::array<std::string, kQuantityCount>& texts,
                           const NumberSettings& settings) {
    std::string sentences;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        if (given[i] && IsGiven(kind, static_cast<int>(i)) &&
            !(ParseQuantityText(texts[i], settings) > 0.0)) {
            sentences += std::string(sentences.empty() ? "" : " ") + "В полето на " +
                         std::string(kQuantitySymbols[i]) + " няма число, по-голямо от 0.";
        }
    }
    return sentences.empty() ? "Някое от дадените полета няма число, по-голямо от 0." : sentences;
}

// The kind's givens as the boxes hold them; a box beyond the range of a
// double keeps its text.
std::vector<ElementGiven> KindGivens(int kind, const std::array<std::string, kQuantityCount>& texts,
                                     const NumberSettings& settings) {
    std::vector<ElementGiven> givens;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        if (!IsGiven(kind, static_cast<int>(i))) {
            continue;
        }
        ElementGiven element{ElementAt(static_cast<int>(i))};
        try {
            const QuantityReading reading = ReadQuantityText(texts[i], settings);
            element.value = reading.value;
            element.decimal = reading.decimal;
        } catch (const ArithmeticError&) {
            element.value = std::numeric_limits<double>::infinity();
            element.decimal = texts[i];
        }
        givens.push_back(std::move(element));
    }
    return givens;
}

}  // namespace

WorkedSolution BuildWorkedSolution(int kind, const std::array<bool, kQuantityCount>& given,
                                   const std::array<std::string, kQuantityCount>& texts,
                                   const NumberSettings& settings, const SolutionOptions& options) {
    if (!IsKind(kind)) {
        WorkedSolution solution;
        solution.text = solution.no_figure_reason = "Не е избран вид задача.";
        return solution;
    }
    const SolveOutcome outcome = Solve(kind, given, texts, settings);
    ElementSolution solution;
    solution.givens = KindGivens(kind, texts, settings);
    if (outcome.status == SolveOutcome::Status::Rejected) {
        solution.status = ElementSolution::Status::Rejected;
        solution.message = RejectedGivens(kind, given, texts, settings);
    } else if (outcome.status == SolveOutcome::Status::Solved) {
        solution = SolveElements(solution.givens, settings, options);
    } else {
        solution.status = ElementSolution::Status::Impossible;
        solution.message = SolveExplanation(outcome, kind, settings);
        const SolveSteps steps = DescribeSolve(kind, given, texts, settings);
        if (steps.failed) {
            solution.failed_step = steps.steps[*steps.failed].text;
        }
    }
    return ElementWorkedSolution(solution, settings);
}

}  // namespace trapezoid
