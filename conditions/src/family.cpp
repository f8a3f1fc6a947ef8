// SPDX-License-Identifier: GPL-3.0-or-later
// Members of the family of trapezoids that fewer than three independent
// equations leave open, each fixed by probes: a = 1 where no equation sets
// the scale, and h or c as a multiple of a.
#include <algorithm>
#include <cmath>
#include <set>

#include "solving.hpp"

namespace trapezoid::conditions {
namespace {

bool SetsScale(const Equation& equation) {
    return equation.degree > 0 && equation.value_double != 0.0;
}

std::vector<Equation> Probes() {
    std::vector<Equation> probes;
    for (const double k : {0.7, 0.3, 1.6, 3.1, 0.1, 8.0, 0.03, 25.0}) {
        probes.push_back(Probe("AD", k, true));
    }
    for (const double k : {0.5, 0.2, 0.8, 0.05, 0.95}) {
        probes.push_back(Probe("CD", k, true));
    }
    return probes;
}

}  // namespace

std::vector<Trapezoid> FamilyMembers(const std::vector<const Equation*>& equations,
                                     std::size_t wanted) {
    static const std::vector<Equation> kProbes = Probes();
    static const Equation kUnitBase = Probe("AB", 1.0, false);
    std::vector<const Equation*> fixed = equations;
    if (std::none_of(equations.begin(), equations.end(),
                     [](const Equation* e) { return SetsScale(*e); })) {
        fixed.push_back(&kUnitBase);
    }
    std::vector<Trapezoid> members;
    // The probes each member was fixed by: where the givens skip the first
    // probes, several starts would otherwise fix the same member again.
    std::set<std::vector<const Equation*>> tried;
    // Each probe in turn goes first, the next ones fill up to three.
    for (std::size_t start = 0; start < kProbes.size() && members.size() < wanted; ++start) {
        std::vector<const Equation*> trial = fixed;
        for (std::size_t k = 0; k < kProbes.size() && trial.size() < 3; ++k) {
            trial.push_back(&kProbes[(start + k) % kProbes.size()]);
            if (Independent(trial).size() < trial.size()) {
                trial.pop_back();
            }
        }
        if (trial.size() != 3 || Independent(trial).size() != 3 || !tried.insert(trial).second) {
            continue;
        }
        for (const Trapezoid& t : SolveThree({trial[0], trial[1], trial[2]})) {
            members.push_back(t);
        }
    }
    return members;
}

}  // namespace trapezoid::conditions
