// SPDX-License-Identifier: GPL-3.0-or-later
// Three independent equations: every trapezoid that meets them, with its
// exact values, and the check of any further given.
#include <algorithm>
#include <cmath>

#include "solving.hpp"
#include "writing.hpp"

namespace trapezoid::conditions {
namespace {

using Status = GivenSolution::Status;

std::string Quoted(std::string_view text) {
    return "„" + std::string(text) + "“";
}

// The roots that the givens' exact values contain: √3 in h = 2√3.
std::vector<long long> RadicandsOf(const std::vector<Given>& givens) {
    std::vector<long long> radicands;
    const auto add = [&](const exact::Surd& surd) {
        if (!surd.IsRational() && surd.Radicand() < 100000) {
            radicands.push_back(static_cast<long long>(surd.Radicand()));
        }
    };
    for (const Given& given : givens) {
        if (given.value && given.value->exact) {
            add(*given.value->exact);
        }
        for (const Term& term : given.terms) {
            add(term.coefficient);
        }
    }
    return radicands;
}

// True when the fifty-digit trapezoid meets the equations to forty digits.
bool Converged(const std::array<const Equation*, 3>& three, const std::array<Wide, 3>& wide,
               const Trapezoid& t) {
    return std::all_of(three.begin(), three.end(), [&](const Equation* e) {
        const Wide residual = abs(Residual<Wide>(*e, wide[0], wide[1], wide[2]));
        return residual <= Wide("1e-40") * Magnitude(*e, t.a, t.c, t.h);
    });
}

void WriteStep(FoundTrapezoid& found, const NumberSettings& settings) {
    found.step = "a " + LengthEnding(found.a, settings) + ", c " + LengthEnding(found.c, settings) +
                 ", h " + LengthEnding(found.h, settings);
}

// Checks exact a, c and h against every equation in exact arithmetic:
// false when one fails, true when all are decided and hold.
std::optional<bool> CheckedExactly(const std::vector<const Equation*>& equations,
                                   const FoundTrapezoid& found) {
    if (!found.a.exact || !found.c.exact || !found.h.exact) {
        return std::nullopt;
    }
    bool decided = true;
    for (const Equation* equation : equations) {
        const auto holds = HoldsExactly(*equation, *found.a.exact, *found.c.exact, *found.h.exact);
        if (holds && !*holds) {
            return false;
        }
        decided = decided && holds.has_value();
    }
    return decided ? std::optional(true) : std::nullopt;
}

FoundTrapezoid Found(const std::array<const Equation*, 3>& three, const Trapezoid& t,
                     const std::vector<long long>& radicands, const NumberSettings& settings) {
    FoundTrapezoid found;
    found.a.value = t.a, found.c.value = t.c, found.h.value = t.h;
    const std::array<Wide, 3> wide = Widen(three, t);
    if (Converged(three, wide, t)) {
        std::array<FoundLength*, 3> lengths = {&found.a, &found.c, &found.h};
        for (std::size_t i = 0; i < 3; ++i) {
            lengths[i]->exact = Recognise(wide[i], radicands);
            if (lengths[i]->exact) {
                lengths[i]->value = lengths[i]->exact->ToDouble();
                lengths[i]->exact_text = ExactText(*lengths[i]->exact, settings);
            }
        }
    }
    WriteStep(found, settings);
    return found;
}

// True when the trapezoid is not isolated: the equations' gradients there,
// each scaled by the unknown it is taken in, are dependent, so that the
// givens meet along a whole family.
bool OnAFamily(const std::array<const Equation*, 3>& three, const Trapezoid& t) {
    Matrix3 scaled = RelativeJacobian(three, t);
    for (Vector3& row : scaled) {
        row = {row[0] * t.a, row[1] * t.c, row[2] * t.h};
    }
    const auto norm = [](const Vector3& v) {
        return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    };
    const double det = Determinant(scaled);
    return std::abs(det) <= 1e-6 * norm(scaled[0]) * norm(scaled[1]) * norm(scaled[2]);
}

}  // namespace

GivenSolution SolveFixed(const std::vector<Given>& givens,
                         const std::vector<const Equation*>& equations,
                         const std::vector<std::size_t>& independent,
                         const NumberSettings& settings) {
    const std::array<const Equation*, 3> three = {
        equations[independent[0]], equations[independent[1]], equations[independent[2]]};
    const std::vector<Trapezoid> candidates = SolveThree(three);
    GivenSolution solution;
    if (candidates.empty()) {
        solution.status = Status::NoTrapezoid;
        solution.message = "Няма правоъгълен трапец с тези дадени.";
        return solution;
    }
    if (std::any_of(candidates.begin(), candidates.end(),
                    [&](const Trapezoid& t) { return OnAFamily(three, t); })) {
        const std::string& text = givens[static_cast<std::size_t>(three[2]->given)].text;
        solution.status = Status::Dependent;
        solution.message = "Дадените зависят една от друга: " + Quoted(text) +
                           " следва от останалите; нужна е друга дадена.";
        return solution;
    }
    if (equations.size() > 3) {
        // The first equation beyond the three either agrees or contradicts.
        std::size_t extra = 0;
        while (std::find(independent.begin(), independent.end(), extra) != independent.end()) {
            ++extra;
        }
        const std::string& text = givens[static_cast<std::size_t>(equations[extra]->given)].text;
        const bool agrees =
            std::any_of(candidates.begin(), candidates.end(), [&](const Trapezoid& t) {
                return std::all_of(equations.begin(), equations.end(),
                                   [&](const Equation* e) { return Holds(*e, t.a, t.c, t.h); });
            });
        solution.status = agrees ? Status::Dependent : Status::Contradicting;
        solution.message = agrees ? "Дадените зависят една от друга: " + Quoted(text) +
                                        " следва от останалите; нужна е друга дадена."
                                  : "Дадените си противоречат: " + Quoted(text) +
                                        " не е вярно за трапеца на останалите.";
        return solution;
    }
    solution.status = Status::Fixed;
    solution.steps = ReasonSteps(givens, settings);
    const std::vector<long long> radicands = RadicandsOf(givens);
    for (const Trapezoid& t : candidates) {
        FoundTrapezoid found = Found(three, t, radicands, settings);
        const auto m = found.a.exact && found.c.exact
                           ? exact::Subtract(*found.a.exact, *found.c.exact)
                           : std::nullopt;
        if ((m && m->Sign() <= 0) || (found.c.exact && found.c.exact->Sign() <= 0)) {
            continue;  // exactly a rectangle or a triangle: no right trapezoid
        }
        const auto checked = CheckedExactly(equations, found);
        if (checked && !*checked) {
            // A near form that is not the value: write the decimals.
            found.a = {t.a, std::nullopt, ""};
            found.c = {t.c, std::nullopt, ""};
            found.h = {t.h, std::nullopt, ""};
            WriteStep(found, settings);
        }
        found.checked_exactly = checked.value_or(false);
        solution.trapezoids.push_back(std::move(found));
        const FoundTrapezoid& last = solution.trapezoids.back();
        solution.numeric = solution.numeric || !last.a.exact || !last.c.exact || !last.h.exact;
    }
    if (solution.trapezoids.empty()) {
        solution = {};
        solution.status = Status::NoTrapezoid;
        solution.message = "Няма правоъгълен трапец с тези дадени.";
    }
    return solution;
}

}  // namespace trapezoid::conditions
