// SPDX-License-Identifier: GPL-3.0-or-later
#include "trapezoid/condition_solution.hpp"

#include "exact_element_values.hpp"
#include "given_line.hpp"
#include "possibilities.hpp"
#include "trapezoid/conditions/solve.hpp"
#include "trapezoid/element_solution.hpp"

namespace trapezoid {
namespace {

using conditions::FoundLength;
using conditions::FoundTrapezoid;
using conditions::Given;
using conditions::GivenSolution;

// "ACB=90" as "ACB = 90": the given as typed, spaced around its "=".
std::string Stated(const Given& given) {
    std::string text = given.text;
    if (const std::size_t equals = text.find('='); equals != std::string::npos) {
        text.replace(equals, 1, " = ");
    }
    return text;
}

// A given that is the plain value of one of the eleven elements ("a=10",
// "B=60"), which the answer then leaves out.
std::optional<ElementGiven> PlainElement(const Given& given) {
    if (given.effect != Given::Effect::Equation || given.inscribed || !given.value ||
        given.terms.size() != 1 || given.terms.front().coefficient_value != 1.0) {
        return std::nullopt;
    }
    const std::optional<ElementName> name = FindElementName(given.terms.front().quantity.symbol);
    if (!name) {
        return std::nullopt;
    }
    const double value = given.value->value;
    const bool obtuse = name->element == Element::Angle && name->obtuse;
    return ElementGiven{name->element, obtuse ? 180.0 - value : value, obtuse};
}

ElementGiven Known(Element element, const FoundLength& length) {
    return {element, length.value, false, {}, length.exact, true};
}

// The trapezoid found, worked out by the engine from its a, c and h: its
// own step first, r in "Още" when a circle is inscribed.
std::optional<ElementTrapezoid> WorkedOut(const FoundTrapezoid& found, bool inscribed,
                                          const NumberSettings& settings,
                                          const SolutionOptions& options) {
    const ElementSolution from_values = SolveElements(
        {Known(Element::A, found.a), Known(Element::C, found.c), Known(Element::H, found.h)},
        settings, options);
    if (from_values.status != ElementSolution::Status::Solved ||
        from_values.trapezoids.size() != 1) {
        return std::nullopt;
    }
    ElementTrapezoid trapezoid = from_values.trapezoids.front();
    std::vector<std::string> steps = {found.step};
    steps.insert(steps.end(), from_values.steps.begin(), from_values.steps.end());
    steps.insert(steps.end(), trapezoid.steps.begin(), trapezoid.steps.end());
    trapezoid.steps = std::move(steps);
    trapezoid.shared_steps = 0;
    if (inscribed) {
        const detail::ValueWriter writer(settings, options.approximate_decimals);
        const std::optional<exact::Surd> half =
            found.h.exact ? exact::Divide(*found.h.exact, exact::Surd(2)) : std::nullopt;
        trapezoid.more.push_back("r = h/2 " +
                                 writer.Ending(elements::Dual(found.h.value / 2.0, half)));
    }
    return trapezoid;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : std::string(separator)) + parts[i];
    }
    return text;
}

// Every outcome but trapezoids found: Дадено, the reasons, the sentence.
WorkedSolution Unsolved(const std::vector<std::string>& stated, const GivenSolution& solution) {
    std::vector<std::string> lines = {GivenLine(Joined(stated, "; "))};
    if (!solution.steps.empty()) {
        lines.emplace_back("Решение:");
        lines.insert(lines.end(), solution.steps.begin(), solution.steps.end());
    }
    lines.push_back(solution.message);
    WorkedSolution worked;
    worked.text = Joined(lines, "\n");
    worked.no_figure_reason = solution.message;
    worked.solved = conditions::ExitCode(solution.status) == 0;
    return worked;
}

}  // namespace

ConditionSolution SolveConditions(const std::vector<Given>& givens, const NumberSettings& settings,
                                  const SolutionOptions& options) {
    const GivenSolution solved = conditions::SolveGivens(givens, settings);
    ElementSolution written;
    for (const Given& given : givens) {
        written.stated.push_back(Stated(given));
        if (const std::optional<ElementGiven> plain = PlainElement(given)) {
            written.givens.push_back(*plain);
        }
    }
    if (solved.status != GivenSolution::Status::Fixed) {
        return {Unsolved(written.stated, solved), conditions::ExitCode(solved.status)};
    }
    for (const FoundTrapezoid& found : solved.trapezoids) {
        if (std::optional<ElementTrapezoid> trapezoid =
                WorkedOut(found, solved.inscribed, settings, options)) {
            written.trapezoids.push_back(std::move(*trapezoid));
        }
    }
    if (written.trapezoids.empty()) {
        GivenSolution none = solved;
        none.status = GivenSolution::Status::NoTrapezoid;
        none.message = "Няма такъв трапец.";
        return {Unsolved(written.stated, none), 1};
    }
    if (written.trapezoids.size() > 1) {
        for (std::size_t i = 0; i < written.trapezoids.size(); ++i) {
            written.trapezoids[i].heading = elements::PossibilityHeading(i);
        }
    }
    written.steps = solved.steps;
    written.status = ElementSolution::Status::Solved;
    return {ElementWorkedSolution(written, settings), 0};
}

ConditionTexts ReadConditionTexts(const std::vector<std::string>& texts) {
    ConditionTexts read;
    for (const std::string& text : texts) {
        conditions::GivenReading reading = conditions::ReadGiven(text);
        if (!reading.given) {
            read.message = std::move(reading.message);
            read.unreadable = reading.unreadable;
            return read;
        }
        read.givens.push_back(std::move(*reading.given));
    }
    return read;
}

}  // namespace trapezoid
