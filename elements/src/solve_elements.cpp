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
    return Refused(std::move(solution), Status::Impossible, std::move(why.message));
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
    if (dependence.agree) {
        return Refused(std::move(solution), Status::Dependent,
                       prefix + "Дадените " + names + " са зависими: " + dependence.relation +
                           " (" + dependence.check + "). Нужен е още един независим елемент.");
    }
    return Refused(std::move(solution), Status::Contradiction,
                   prefix + "Дадените " + names + " си противоречат: " + dependence.relation +
                       ", а по нея " + dependence.check + ", не " + dependence.given + ".");
}

// What two givens determine, step by step, and what needs one more.
ElementSolution DescribeTwo(ElementSolution solution, ElementSet known, Values<double> values,
                            const NumberSettings& settings) {
    const elements::Plan plan = elements::PlanEverything(known);
    if (auto impossible = elements::Derive(plan, values, solution.steps, settings)) {
        return Refused(std::move(solution), Status::Impossible, std::move(*impossible));
    }
    for (const int relation : plan.relations) {
        const Element target =
            elements::kRelations<double>[static_cast<std::size_t>(relation)].target;
        solution.determined.push_back({target, Of(values, target), false});
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
void FindFrom(ElementSolution& solution, ElementSet known, const Values<double>& values,
              std::vector<std::string> steps, elements::NoTrapezoid& reason,
              const NumberSettings& settings, int equations = 0) {
    if (elements::PlanTowardsKind(known).kind) {
        if (auto why = elements::FindTrapezoids(known, values, std::move(steps), solution.givens,
                                                settings, solution.trapezoids)) {
            reason = std::move(*why);
        }
        return;
    }
    auto equation = elements::SolveExactEquation(known, values, settings);
    if (!equation && equations == 0) {
        equation = elements::SolveNumerically(known, values, settings);
    }
    if (!equation) {
        reason = {std::move(steps), "Няма такъв трапец."};
        return;
    }
    if (solution.method != Method::Numeric) {
        solution.method = equation->numeric ? Method::Numeric : Method::Exact;
    }
    steps.push_back(equation->step);
    if (equation->roots.empty()) {
        reason = {steps, "Уравнението няма корен, при който c > 0 и h > 0: няма такъв трапец."};
    }
    for (const double root : equation->roots) {
        Values<double> trial = values;
        Of(trial, equation->unknown) = root;
        std::vector<std::string> own = steps;
        if (equation->roots.size() > 1) {
            own.push_back("при " + std::string(ElementSymbol(equation->unknown)) + " " +
                          elements::ValueEnding(root, settings) + ":");
        }
        FindFrom(solution, equation->start, trial, std::move(own), reason, settings, equations + 1);
    }
}

}  // namespace

ElementSolution SolveElements(const std::vector<ElementGiven>& givens,
                              const NumberSettings& settings) {
    ElementSolution solution;
    solution.givens = givens;
    if (givens.size() < 2 || givens.size() > 3) {
        return Refused(
            std::move(solution), Status::Rejected,
            "Дайте два или три елемента; дадени са " + std::to_string(givens.size()) + ".");
    }
    ElementSet known;
    Values<double> values{};
    for (const ElementGiven& given : givens) {
        if (known.Has(given.element)) {
            return Refused(std::move(solution), Status::Rejected,
                           std::string(ElementSymbol(given.element)) + " е даден два пъти.");
        }
        known.Add(given.element);
        Of(values, given.element) = given.value;
    }
    if (auto tie = elements::FindDependence(known, values, settings)) {
        return Tied(std::move(solution), *tie, "");
    }
    // A right angle at B makes a rectangle: m = 0 stands for the angle.
    if (known.Has(Element::Angle) && Of(values, Element::Angle) == 90.0) {
        const std::string prefix = "При ∠B = 90° трапецът е правоъгълник и m = HB = 0. ";
        if (known.Has(Element::M)) {
            return Refused(
                std::move(solution), Status::Contradiction,
                prefix + "Даденото m = " + elements::NumberText(Of(values, Element::M), settings) +
                    " му противоречи.");
        }
        known.Remove(Element::Angle);
        known.Add(Element::M);
        Of(values, Element::M) = 0.0;
        if (auto tie = elements::FindDependence(known, values, settings)) {
            return Tied(std::move(solution), *tie, prefix);
        }
        solution.steps.push_back("∠B = 90°: трапецът е правоъгълник и m = HB = 0");
    }
    if (givens.size() == 2) {
        return DescribeTwo(std::move(solution), known, values, settings);
    }
    elements::NoTrapezoid reason;
    FindFrom(solution, known, values, solution.steps, reason, settings);
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
