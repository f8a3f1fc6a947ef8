// SPDX-License-Identifier: GPL-3.0-or-later
#include "possibilities.hpp"

#include <cmath>

#include "equation_solve.hpp"
#include "kind_run.hpp"
#include "relation_text.hpp"
#include "writing.hpp"

namespace trapezoid::elements {
namespace {

constexpr std::array<std::string_view, 6> kHeadings = {"Първа възможност", "Втора възможност",
                                                       "Трета възможност", "Четвърта възможност",
                                                       "Пета възможност",  "Шеста възможност"};
constexpr std::string_view kOnlyOne = "Има една възможност";

bool HasGivens(const Quantities& six, const std::vector<ElementGiven>& givens) {
    for (const ElementGiven& given : givens) {
        const double found = ElementOfQuantities(given.element, six);
        if (!(std::abs(found - given.value) <= 1e-6 * std::abs(given.value))) {
            return false;
        }
    }
    return true;
}

// The same trapezoid twice (the two roots of "P,b,c" when they are equal).
bool AlreadyFound(const Quantities& six, const std::vector<ElementTrapezoid>& found) {
    for (const ElementTrapezoid& trapezoid : found) {
        bool same = true;
        for (std::size_t q = 0; q < six.size(); ++q) {
            same = same && std::abs(six[q] - trapezoid.quantities[q]) <= 1e-9 * std::abs(six[q]);
        }
        if (same) {
            return true;
        }
    }
    return false;
}

// The endings of all eleven elements, from the six quantities with their
// exact forms by the relations of the figure. False when one of them is
// beyond the range of a double.
bool WriteEndings(const ExactQuantities& six, const detail::ValueWriter& writer,
                  ElementTrapezoid& trapezoid) {
    Values<Dual> values{};
    ElementSet quantities;
    for (int q = 0; q < kQuantityCount; ++q) {
        Of(values, ElementAt(q)) = six[static_cast<std::size_t>(q)];
        quantities.Add(ElementAt(q));
    }
    for (const int relation : PlanEverything(quantities).relations) {
        ApplyRelation(relation, values);  // a value not allowed is still the value
    }
    for (int e = 0; e < kElementCount; ++e) {
        if (!std::isfinite(Of(values, ElementAt(e)).value())) {
            return false;
        }
        trapezoid.endings[static_cast<std::size_t>(e)] =
            ValueEnding(ElementAt(e), Of(values, ElementAt(e)), writer);
    }
    for (std::size_t i = 0; i < trapezoid.exact_lengths.size(); ++i) {
        if (const auto form = writer.Exact(six[i])) {
            trapezoid.exact_lengths[i] = form->text;
        }
    }
    return true;
}

std::optional<ElementTrapezoid> TrapezoidOf(const Quantities& six, const ExactQuantities& exact,
                                            int kind, std::vector<std::string> steps,
                                            const detail::ValueWriter& writer) {
    ElementTrapezoid trapezoid;
    if (!WriteEndings(exact, writer, trapezoid)) {
        return std::nullopt;
    }
    trapezoid.steps = std::move(steps);
    trapezoid.quantities = six;
    trapezoid.angle_b = ElementOfQuantities(Element::Angle, six);
    trapezoid.kind = kind;
    return trapezoid;
}

}  // namespace

std::optional<std::string> Derive(const Plan& plan, Values<Dual>& values,
                                  std::vector<std::string>& steps,
                                  const detail::ValueWriter& writer) {
    for (const int relation : plan.relations) {
        if (!ApplyRelation(relation, values)) {
            const double result =
                Of(values, kRelations<Dual>[static_cast<std::size_t>(relation)].target).value();
            if (std::isinf(result)) {
                return std::string(kTooLarge);
            }
            return "Няма такъв трапец: " + RelationImpossible(relation, values, writer) + ".";
        }
        steps.push_back(RelationStep(relation, values, writer));
    }
    return std::nullopt;
}

std::optional<NoTrapezoid> FindTrapezoids(ElementSet known, Values<Dual> values,
                                          std::vector<std::string> steps,
                                          const std::vector<ElementGiven>& givens, ElementSet typed,
                                          const detail::ValueWriter& writer,
                                          std::vector<ElementTrapezoid>& found) {
    const Plan plan = PlanTowardsKind(known);
    if (auto impossible = Derive(plan, values, steps, writer)) {
        return NoTrapezoid{std::move(steps), std::move(*impossible)};
    }
    if (!plan.kind) {
        return NoTrapezoid{std::move(steps), "Няма такъв трапец."};
    }
    const KindRun run = RunKind(*plan.kind, values, writer);
    if (run.trapezoids.empty()) {
        // After a derivation the relations usually name the broken condition
        // in the figure's words; three quantities of a kind fail as the kind says.
        Values<Dual> trial = values;
        std::vector<std::string> unused;
        if (!plan.relations.empty()) {
            if (auto broken = Derive(PlanEverything(plan.known), trial, unused, writer)) {
                return NoTrapezoid{std::move(steps), std::move(*broken)};
            }
        }
        return NoTrapezoid{std::move(steps), run.explanation, run.failed_step};
    }
    std::vector<std::string> shared = steps;  // up to the branch's own first trapezoid
    const KindDescription description = DescribeKind(*plan.kind, values, typed, writer);
    for (const KindStep& step : description.steps) {
        const std::optional<ElementName> name = FindElementName(step.name);
        if (!name || !plan.known.Has(name->element)) {
            steps.push_back(step.text);
            if (step.name == "x" || step.name == "r") {
                shared.push_back(step.text);
            }
        }
    }
    const std::size_t before = found.size();
    for (std::size_t i = 0; i < run.trapezoids.size(); ++i) {
        if (!HasGivens(run.trapezoids[i], givens) || AlreadyFound(run.trapezoids[i], found)) {
            continue;
        }
        // The described run computes the same doubles; its exact forms are
        // used only where it found the same trapezoids.
        ExactQuantities exact;
        for (std::size_t q = 0; q < exact.size(); ++q) {
            exact[q] = i < description.trapezoids.size() ? description.trapezoids[i][q]
                                                         : Dual(run.trapezoids[i][q], std::nullopt);
        }
        std::vector<std::string> own = steps;
        if (i > 0) {
            own = shared;
            for (const KindStep& step : description.second_steps) {
                own.push_back(step.text);
            }
        }
        auto trapezoid = TrapezoidOf(run.trapezoids[i], exact, *plan.kind, std::move(own), writer);
        if (!trapezoid) {
            return NoTrapezoid{std::move(steps), std::string(kTooLarge)};
        }
        trapezoid->shared_steps = shared.size();
        found.push_back(std::move(*trapezoid));
    }
    if (found.size() == before) {
        return NoTrapezoid{std::move(steps), "Няма трапец, който да има всички дадени стойности."};
    }
    return std::nullopt;
}

std::string PossibilityHeading(std::size_t index) {
    return index < kHeadings.size() ? std::string(kHeadings[index]) : std::to_string(index + 1);
}

void ShareSteps(std::vector<ElementTrapezoid>& trapezoids, std::vector<std::string>& shared) {
    if (trapezoids.empty()) {
        return;
    }
    std::size_t common = trapezoids.front().steps.size();
    for (const ElementTrapezoid& trapezoid : trapezoids) {
        std::size_t same = 0;
        while (same < common && same < trapezoid.steps.size() &&
               trapezoid.steps[same] == trapezoids.front().steps[same]) {
            ++same;
        }
        common = same;
    }
    if (trapezoids.size() == 1) {
        // Kind "P,b,c" says that its second root gives no trapezoid.
        const bool pbc = trapezoids.front().kind == KindIndex(Kind::PBC);
        common = pbc ? trapezoids.front().shared_steps : trapezoids.front().steps.size();
        if (pbc) {
            trapezoids.front().heading = std::string(kOnlyOne);
        }
    }
    shared.insert(shared.end(), trapezoids.front().steps.begin(),
                  trapezoids.front().steps.begin() + static_cast<std::ptrdiff_t>(common));
    for (std::size_t i = 0; i < trapezoids.size(); ++i) {
        auto& steps = trapezoids[i].steps;
        steps.erase(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(common));
        if (trapezoids.size() > 1 && i < kHeadings.size()) {
            trapezoids[i].heading = PossibilityHeading(i);
        }
    }
}

}  // namespace trapezoid::elements
