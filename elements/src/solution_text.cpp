// SPDX-License-Identifier: GPL-3.0-or-later
// The solution in the form a pupil writes it in the notebook.
#include "trapezoid/element_solution.hpp"
#include "writing.hpp"

namespace trapezoid {
namespace {

using elements::ElementWithValue;

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : std::string(separator)) + parts[i];
    }
    return text;
}

bool IsGiven(const ElementSolution& solution, Element element, bool obtuse = false) {
    for (const ElementGiven& given : solution.givens) {
        if (given.element == element && (element != Element::Angle || given.obtuse == obtuse)) {
            return true;
        }
    }
    return false;
}

// "a = 12; ∠B = 45°", as typed.
std::string ValuesAsGiven(const std::vector<ElementGiven>& givens, std::string_view separator,
                          const NumberSettings& settings) {
    std::vector<std::string> parts;
    for (const ElementGiven& given : givens) {
        const std::string symbol(ElementSymbol(given.element, given.obtuse));
        parts.push_back(
            given.element == Element::Angle
                ? symbol + " = " +
                      elements::AngleText(given.obtuse ? 180.0 - given.value : given.value)
                : symbol + " = " + elements::NumberText(given.value, settings));
    }
    return Joined(parts, separator);
}

std::vector<std::string> Sought(const ElementSolution& solution) {
    std::vector<std::string> names;
    for (int q = 0; q < kQuantityCount; ++q) {
        if (!IsGiven(solution, ElementAt(q))) {
            names.push_back(std::string(kQuantitySymbols[static_cast<std::size_t>(q)]));
        }
    }
    return names;
}

std::string AnswerLine(const ElementSolution& solution, const ElementTrapezoid& trapezoid,
                       const NumberSettings& settings) {
    std::vector<std::string> parts;
    for (int q = 0; q < kQuantityCount; ++q) {
        if (!IsGiven(solution, ElementAt(q))) {
            parts.push_back(ElementWithValue(
                ElementAt(q), trapezoid.quantities[static_cast<std::size_t>(q)], settings));
        }
    }
    return "Отговор: " + Joined(parts, "; ");
}

std::string MoreLine(const ElementSolution& solution, const ElementTrapezoid& trapezoid,
                     const NumberSettings& settings) {
    std::vector<std::string> parts;
    const auto add = [&](Element element, std::string_view words, double value, bool obtuse) {
        if (!IsGiven(solution, element, obtuse)) {
            parts.push_back(std::string(words) + " " +
                            (element == Element::Angle ? elements::AngleEnding(value)
                                                       : elements::ValueEnding(value, settings)));
        }
    };
    add(Element::AC, "диагонал AC", trapezoid.diagonal_ac, false);
    add(Element::BD, "диагонал BD", trapezoid.diagonal_bd, false);
    add(Element::MN, "средна основа", trapezoid.midline, false);
    add(Element::Angle, "∠ABC", trapezoid.angle_b, false);
    add(Element::Angle, "∠BCD", 180.0 - trapezoid.angle_b, true);
    return "Още: " + Joined(parts, "; ");
}

std::vector<std::string> Symbols(const std::vector<Element>& elements) {
    std::vector<std::string> symbols;
    for (const Element element : elements) {
        symbols.push_back(std::string(ElementSymbol(element)));
    }
    return symbols;
}

}  // namespace

std::string WriteElementSolution(const ElementSolution& solution, const NumberSettings& settings) {
    std::vector<std::string> lines = {"Дадено: " + ValuesAsGiven(solution.givens, "; ", settings)};
    using Status = ElementSolution::Status;
    if (solution.status == Status::TwoGivens) {
        lines.push_back("Решение:");
        lines.insert(lines.end(), solution.steps.begin(), solution.steps.end());
        if (!solution.determined.empty()) {
            std::vector<std::string> found;
            for (const ElementGiven& element : solution.determined) {
                found.push_back(
                    ElementWithValue(element.element, element.value, settings, element.obtuse));
            }
            lines.push_back(ValuesAsGiven(solution.givens, " и ", settings) + " дават " +
                            Joined(found, ", ") + ".");
        }
        lines.push_back("За " + Joined(Symbols(solution.undetermined), ", ") +
                        " е нужен още един елемент.");
        return Joined(lines, "\n") + "\n";
    }
    lines.push_back("Търси се: " + Joined(Sought(solution), ", "));
    if (solution.status != Status::Solved) {
        lines.insert(lines.end(), solution.steps.begin(), solution.steps.end());
        lines.push_back(solution.message);
        return Joined(lines, "\n") + "\n";
    }
    lines.push_back("Решение:");
    lines.insert(lines.end(), solution.steps.begin(), solution.steps.end());
    for (const ElementTrapezoid& trapezoid : solution.trapezoids) {
        if (!trapezoid.heading.empty()) {
            lines.push_back(trapezoid.heading);
        }
        lines.insert(lines.end(), trapezoid.steps.begin(), trapezoid.steps.end());
        lines.push_back(AnswerLine(solution, trapezoid, settings));
        lines.push_back(MoreLine(solution, trapezoid, settings));
    }
    return Joined(lines, "\n") + "\n";
}

}  // namespace trapezoid
