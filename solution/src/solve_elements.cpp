// SPDX-License-Identifier: GPL-3.0-or-later
// Solving any two or three elements: derive towards a kind, else solve the
// one equation the triple needs; then the kind's branch computes the rest.
#include "dependence.hpp"
#include "equation_solve.hpp"
#include "possibilities.hpp"
#include "relation_text.hpp"
#include "writing.hpp"

namespace trapezoid {
namespace {

using elements::Dual;
using elements::ElementSet;
using elements::Of;
using elements::Values;
using Status = ElementSolution::Status;
using Method = ElementSolution::Method;

ElementSolution Refused(ElementSolution solution, Status status, std::string message) {
    solution.status = status;
    solution.message = std::move(message);
    return solution;
}

ElementSolution Impossible(ElementSolution solution, elements::NoTrapezoid why) {
    solution.steps = std::move(why.steps);
    solution.failed_step = std::move(why.failed_step);
    return Refused(std::move(solution), Status::Impossible, std::move(why.message));
}

ElementSet Typed(const std::vector<ElementGiven>& givens) {
    ElementSet typed;
    for (const ElementGiven& given : givens) {
        if (!given.exact && !given.found) {  // a value found is put in as found
            typed.Add(given.element);
        }
    }
    return typed;
}

std::string NamesOf(const std::vector<ElementGiven>& givens) {
    std::string names;
    for (std::size_t i = 0; i < givens.size(); ++i) {
        names += (i == 0 ? "" : (i + 1 == givens.size() ? " и " : ", ")) +
                 std::string(ElementSymbol(givens[i].element, givens[i].obtuse));
    }
    return names;
}

ElementSolution Tied(ElementSolution solution, const elements::Dependence& dependence,
                     const std::string& prefix) {
    const std::string names = NamesOf(solution.givens);
    if (dependence.too_large) {
        return Refused(std::move(solution), Status::Impossible, std::string(elements::kTooLarge));
    }
    if (dependence.agree) {
        return Refused(std::move(solution), Status::Dependent,
                       prefix + "Дадените " + names + " са зависими: " + dependence.check +
                           ". Нужен е още един независим елемент.");
    }
    return Refused(std::move(solution), Status::Contradiction,
                   prefix + "Дадените " + names + " си противоречат: " + dependence.check +
                       ", не " + dependence.given + ".");
}

// What two givens determine, step by step, and what needs one more.
ElementSolution DescribeTwo(ElementSolution solution, ElementSet known, Values<Dual> values,
                            const detail::ValueWriter& writer) {
    const elements::Plan plan = elements::PlanEverything(known);
    if (auto impossible = elements::Derive(plan, values, solution.steps, writer)) {
        return Refused(std::move(solution), Status::Impossible, std::move(*impossible));
    }
    for (const int relation : plan.relations) {
        const Element target =
            elements::kRelations<Dual>[static_cast<std::size_t>(relation)].target;
        solution.determined.push_back({target, Of(values, target).value(), false});
        solution.determined_endings.push_back(
            elements::ValueEnding(target, Of(values, target), writer));
    }
    for (int e = 0; e < kElementCount; ++e) {
        if (!plan.known.Has(ElementAt(e))) {
            solution.undetermined.push_back(ElementAt(e));
        }
    }
    solution.status = Status::TwoGivens;
    return solution;
}

// Adds the trapezoids that follow from `known`: by derivation to a kind, or
// by an equation first when no derivation reaches one. `reason` receives why
// a way gave no trapezoid.
void FindFrom(ElementSolution& solution, ElementSet known, const Values<Dual>& values,
              std::vector<std::string> steps, elements::NoTrapezoid& reason,
              const detail::ValueWriter& writer, int equations = 0) {
    if (elements::PlanTowardsKind(known).kind) {
        if (auto why =
                elements::FindTrapezoids(known, values, std::move(steps), solution.givens,
                                         Typed(solution.givens), writer, solution.trapezoids)) {
            reason = std::move(*why);
        }
        return;
    }
    const NumberSettings& settings = writer.settings();
    auto equation = elements::SolveExactEquation(known, values, writer);
    if (!equation && equations == 0) {
        equation = elements::SolveNumerically(known, elements::Doubles(values), settings);
    }
    if (!equation) {
        reason = {std::move(steps), "Няма такъв трапец."};
        return;
    }
    if (equation->too_large) {
        reason = {std::move(steps), std::string(elements::kTooLarge)};
        return;
    }
    if (solution.method != Method::Numeric) {
        solution.method = equation->numeric ? Method::Numeric : Method::Exact;
    }
    steps.push_back(equation->step);
    if (equation->roots.empty()) {
        reason = {steps, "Уравнението няма корен, при който c > 0 и h > 0: няма такъв трапец."};
    }
    for (const Dual& root : equation->roots) {
        Values<Dual> trial = values;
        Of(trial, equation->unknown) = root;
        std::vector<std::string> own = steps;
        if (equation->roots.size() > 1) {
            own.push_back("при " + std::string(ElementSymbol(equation->unknown)) + " " +
                          elements::ValueEnding(equation->unknown, root, writer) + ":");
        }
        FindFrom(solution, equation->start, trial, std::move(own), reason, writer, equations + 1);
    }
}

}  // namespace

ElementSolution SolveElements(const std::vector<ElementGiven>& givens,
                              const NumberSettings& settings, SolutionOptions options) {
    const detail::ValueWriter writer(settings, options.approximate_decimals);
    ElementSolution solution;
    solution.givens = givens;
    if (givens.size() < 2 || givens.size() > 3) {
        return Refused(
            std::move(solution), Status::Rejected,
            "Дайте два или три елемента; дадени са " + std::to_string(givens.size()) + ".");
    }
    ElementSet known;
    Values<Dual> values{};
    for (const ElementGiven& given : givens) {
        if (known.Has(given.element)) {
            return Refused(std::move(solution), Status::Rejected,
                           std::string(ElementSymbol(given.element)) + " е даден два пъти.");
        }
        known.Add(given.element);
        Of(values, given.element) = elements::GivenValue(given);
    }
    if (auto tie = elements::FindDependence(known, values, writer)) {
        return Tied(std::move(solution), *tie, "");
    }
    for (const ElementGiven& given : givens) {
        if (given.element == Element::Angle && given.obtuse) {
            const std::string angle_c = elements::AngleText(180.0 - given.value);
            solution.steps.push_back("∠B = 180° − ∠C = 180° − " + angle_c + " = " +
                                     elements::AngleText(given.value));
        }
    }
    // A right angle at B makes a rectangle: m = 0 stands for the angle.
    if (known.Has(Element::Angle) && Of(values, Element::Angle).value() == 90.0) {
        const std::string prefix = "При ∠B = 90° трапецът е правоъгълник и m = HB = 0. ";
        if (known.Has(Element::M)) {
            return Refused(std::move(solution), Status::Contradiction,
                           prefix + "Даденото m = " +
                               elements::NumberText(Of(values, Element::M).value(), settings) +
                               " му противоречи.");
        }
        known.Remove(Element::Angle);
        known.Add(Element::M);
        Of(values, Element::M) = elements::GivenValue(0.0);
        if (auto tie = elements::FindDependence(known, values, writer)) {
            return Tied(std::move(solution), *tie, prefix);
        }
        solution.steps.push_back("∠B = 90°: трапецът е правоъгълник и m = HB = 0");
    } else if (known.Has(Element::M) && Of(values, Element::M).value() == 0.0) {
        solution.steps.push_back("m = HB = 0: трапецът е правоъгълник и ∠B = 90°");
    }
    if (givens.size() == 2) {
        return DescribeTwo(std::move(solution), known, values, writer);
    }
    elements::NoTrapezoid reason;
    FindFrom(solution, known, values, solution.steps, reason, writer);
    if (solution.trapezoids.empty()) {
        return Impossible(std::move(solution), std::move(reason));
    }
    solution.steps.clear();  // they begin every trapezoid's steps
    elements::ShareSteps(solution.trapezoids, solution.steps);
    solution.status = Status::Solved;
    return solution;
}

TripleWay ClassifyTriple(const std::array<Element, 3>& triple) {
    const ElementSet elements = {triple[0], triple[1], triple[2]};
    if (elements::IsDependent(elements)) {
        return TripleWay::Dependent;
    }
    return elements::PlanTowardsKind(elements).kind ? TripleWay::Kind : TripleWay::Equation;
}

}  // namespace trapezoid
