// SPDX-License-Identifier: GPL-3.0-or-later
// The solution in the form a pupil writes it in the notebook.
#include <cmath>
#include "trapezoid/element_solution.hpp"

#include "given_line.hpp"
#include "writing.hpp"

namespace trapezoid {
namespace {

// The kinds take a < c as they take a > c.
constexpr std::string_view kShorterBaseAB = "Тук AB е по-малката основа, затова ∠ABC е тъп.";

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

// A decimal with an exponent as typed, "1e300", in the regional form.
std::string WithExponent(std::string_view decimal, const NumberSettings& settings) {
    std::string text;
    for (const char ch : decimal) {
        text += ch == '.' ? settings.decimal_separator : ch == '-' ? "−" : std::string(1, ch);
    }
    return text;
}

// A given as typed: "12", "4,5", "1e300", "45°"; beyond the range of a
// double, its text.
std::string GivenText(const ElementGiven& given, const NumberSettings& settings) {
    if (given.element == Element::Angle) {
        return elements::AngleText(given.obtuse ? 180.0 - given.value : given.value);
    }
    if (given.decimal.empty()) {
        return elements::NumberText(given.value, settings);
    }
    if (!std::isfinite(given.value)) {
        return given.decimal;
    }
    constexpr double kPlainLimit = 1e15;  // from here on the writer takes an exponent
    if (given.decimal.find_first_of("eE") != std::string::npos ||
        std::abs(given.value) >= kPlainLimit) {
        return WithExponent(given.decimal, settings);
    }
    return detail::ValueWriter(settings, 7).Given(elements::GivenValue(given));
}

// "a = 12; ∠B = 45°", as typed.
std::string ValuesAsGiven(const std::vector<ElementGiven>& givens, std::string_view separator,
                          const NumberSettings& settings) {
    std::vector<std::string> parts;
    for (const ElementGiven& given : givens) {
        parts.push_back(std::string(ElementSymbol(given.element, given.obtuse)) + " = " +
                        GivenText(given, settings));
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

const std::string& EndingOf(const ElementTrapezoid& trapezoid, Element element) {
    return trapezoid.endings[static_cast<std::size_t>(ElementIndex(element))];
}

std::string AnswerLine(const ElementSolution& solution, const ElementTrapezoid& trapezoid) {
    std::vector<std::string> parts;
    for (int q = 0; q < kQuantityCount; ++q) {
        if (!IsGiven(solution, ElementAt(q))) {
            parts.push_back(std::string(ElementSymbol(ElementAt(q))) + " " +
                            EndingOf(trapezoid, ElementAt(q)));
        }
    }
    return "Отговор: " + Joined(parts, "; ");
}

std::string MoreLine(const ElementSolution& solution, const ElementTrapezoid& trapezoid) {
    std::vector<std::string> parts;
    const auto add = [&](Element element, std::string_view words, const std::string& ending,
                         bool obtuse) {
        if (!IsGiven(solution, element, obtuse)) {
            parts.push_back(std::string(words) + " " + ending);
        }
    };
    add(Element::AC, "диагонал AC", EndingOf(trapezoid, Element::AC), false);
    add(Element::BD, "диагонал BD", EndingOf(trapezoid, Element::BD), false);
    add(Element::MN, "средна основа", EndingOf(trapezoid, Element::MN), false);
    add(Element::Angle, "∠ABC", EndingOf(trapezoid, Element::Angle), false);
    add(Element::Angle, "∠BCD", elements::AngleEnding(180.0 - trapezoid.angle_b), true);
    parts.insert(parts.end(), trapezoid.more.begin(), trapezoid.more.end());
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

std::string GivenLine(std::string_view givens) {
    return "Дадено: " + std::string(givens);
}

std::string WriteElementSolution(const ElementSolution& solution, const NumberSettings& settings) {
    std::vector<std::string> lines = {GivenLine(solution.stated.empty()
                                                    ? ValuesAsGiven(solution.givens, "; ", settings)
                                                    : Joined(solution.stated, "; "))};
    using Status = ElementSolution::Status;
    if (solution.status == Status::TwoGivens) {
        lines.push_back("Решение:");
        lines.insert(lines.end(), solution.steps.begin(), solution.steps.end());
        if (!solution.determined.empty()) {
            std::vector<std::string> found;
            for (std::size_t i = 0; i < solution.determined.size(); ++i) {
                found.push_back(std::string(ElementSymbol(solution.determined[i].element)) + " " +
                                solution.determined_endings[i]);
            }
            lines.push_back(ValuesAsGiven(solution.givens, " и ", settings) + " дават " +
                            Joined(found, ", ") + ".");
        }
        lines.push_back("За " + Joined(Symbols(solution.undetermined), ", ") +
                        " е нужен още един елемент.");
        return Joined(lines, "\n");
    }
    lines.push_back("Търси се: " + Joined(Sought(solution), ", "));
    if (solution.status != Status::Solved) {
        if (!solution.steps.empty()) {
            lines.push_back("Решение:");
        }
        lines.insert(lines.end(), solution.steps.begin(), solution.steps.end());
        lines.push_back(solution.message);
        if (!solution.failed_step.empty()) {
            lines.push_back(solution.failed_step);
        }
        return Joined(lines, "\n");
    }
    lines.push_back("Решение:");
    lines.insert(lines.end(), solution.steps.begin(), solution.steps.end());
    for (const ElementTrapezoid& trapezoid : solution.trapezoids) {
        if (!trapezoid.heading.empty()) {
            lines.push_back(trapezoid.heading + ":");
        }
        lines.insert(lines.end(), trapezoid.steps.begin(), trapezoid.steps.end());
        if (trapezoid.quantities[0] < trapezoid.quantities[2]) {
            lines.emplace_back(kShorterBaseAB);
        }
        lines.push_back(AnswerLine(solution, trapezoid));
        lines.push_back(MoreLine(solution, trapezoid));
    }
    return Joined(lines, "\n");
}

}  // namespace trapezoid
