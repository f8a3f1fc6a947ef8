// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution: the kind's branch run once more on values that carry
// their exact values and record their steps, written as a pupil writes it.
#include "trapezoid/worked_solution.hpp"

#include "describe.hpp"
#include "solution_text.hpp"
#include "trapezoid/solve_message.hpp"

namespace trapezoid {
namespace {

using detail::SolvedValues;
using Status = SolveOutcome::Status;

constexpr std::string_view kFirst = "Първа възможност";
constexpr std::string_view kSecond = "Втора възможност";
constexpr std::string_view kOnly = "Има една възможност";

class SolutionWriter {
  public:
    SolutionWriter(int kind, const detail::ValueWriter& writer, WorkedSolution& solution)
        : kind_(kind), writer_(writer), solution_(solution) {}

    void Line(const std::string& line) {
        solution_.text += (solution_.text.empty() ? "" : "\n") + line;
    }

    void Steps(const std::vector<SolveStep>& steps, std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to && i < steps.size(); ++i) {
            if (!detail::IsSignCheck(steps[i])) {
                Line(detail::StepLine(kind_, steps[i], named_));
            }
        }
    }

    // Отговор and Още of one trapezoid, and its figure.
    void Results(SolvedValues solved, std::string_view heading) {
        detail::WriteForms(solved, writer_);
        Line(detail::AnswerLine(solved, writer_));
        Line(detail::MoreLine(solved, writer_));
        solution_.figures.push_back(detail::FigureOf(solved, writer_, std::string(heading)));
    }

  private:
    int kind_;
    const detail::ValueWriter& writer_;
    WorkedSolution& solution_;
    std::set<std::string> named_;  // helper values already named in words
};

SolvedValues FirstSolved(int kind, const detail::BranchResult<detail::Recorded>& result) {
    SolvedValues solved;
    const auto values = result.values.InOrder();
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        solved.values[i] = values[i]->dual();
        solved.given[i] = IsGiven(kind, static_cast<int>(i));
        if (values[i]->form()) {
            solved.forms[i] = *values[i]->form();
            solved.written[i] = true;
        }
    }
    return solved;
}

SolvedValues SecondSolved(const SolvedValues& first,
                          const detail::SecondSolution<detail::Recorded>& second) {
    using namespace QuantityIndex;
    SolvedValues solved = first;
    for (const auto& [index, value] : {std::pair{A, &second.a}, {H, &second.h}, {S, &second.S}}) {
        solved.values[index] = value->dual();
        solved.written[index] = value->form().has_value();
        solved.forms[index] = solved.written[index] ? *value->form() : std::nullopt;
    }
    return solved;
}

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

}  // namespace

WorkedSolution BuildWorkedSolution(int kind, const std::array<bool, kQuantityCount>& given,
                                   const std::array<std::string, kQuantityCount>& texts,
                                   const NumberSettings& settings, const SolutionOptions& options) {
    WorkedSolution solution;
    if (!IsKind(kind)) {
        solution.text = solution.no_figure_reason = "Не е избран вид задача.";
        return solution;
    }
    const detail::ValueWriter writer(settings, options.approximate_decimals);
    SolutionWriter out(kind, writer, solution);
    out.Line(detail::GivenLine(kind, texts, writer));
    out.Line(detail::SoughtLine(kind));

    const SolveOutcome outcome = Solve(kind, given, texts, settings);
    detail::StepRecorder recorder(writer);
    const auto run = detail::RunDescribed(kind, given, texts, recorder);
    const SolveSteps& steps = recorder.steps();
    if (outcome.status == Status::Rejected) {
        solution.no_figure_reason = RejectedGivens(kind, given, texts, settings);
        out.Line(solution.no_figure_reason);
        return solution;
    }
    if (outcome.status != Status::Solved || !run || !run->result) {
        solution.no_figure_reason = SolveExplanation(outcome, kind, settings);
        out.Line(solution.no_figure_reason);
        if (steps.failed) {
            out.Line(steps.steps[*steps.failed].text);
        }
        return solution;
    }

    solution.solved = true;
    out.Line("Решение:");
    const SolvedValues first = FirstSolved(kind, *run->result);
    if (!run->result->second) {
        out.Steps(steps.steps, 0, steps.steps.size());
        out.Results(first, "");
        return solution;
    }
    // Kind "P,b,c": x and r once, then each trapezoid under its heading.
    constexpr std::size_t kShared = 2;
    out.Steps(steps.steps, 0, kShared);
    const bool two = outcome.possibilities == 2;
    out.Line(std::string(two ? kFirst : kOnly) + ":");
    out.Steps(steps.steps, kShared, steps.steps.size());
    out.Results(first, two ? kFirst : "");
    if (two) {
        out.Line(std::string(kSecond) + ":");
        out.Steps(steps.second, 0, steps.second.size());
        out.Results(SecondSolved(first, *run->result->second), kSecond);
    }
    return solution;
}

}  // namespace trapezoid
