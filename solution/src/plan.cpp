// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan.hpp"

namespace trapezoid::elements {
namespace {

const auto& Table() {
    return kRelations<double>;
}

ElementSet GivensOfKind(int kind) {
    ElementSet givens;
    for (const int quantity : kKinds[static_cast<std::size_t>(kind)].givens) {
        givens.Add(ElementAt(quantity));
    }
    return givens;
}

// The first relation, in table order, that finds an element not yet known.
std::optional<int> NextRelation(ElementSet known, bool describing) {
    for (std::size_t i = 0; i < Table().size(); ++i) {
        const auto& relation = Table()[i];
        if ((describing || !relation.describes_only) && !known.Has(relation.target) &&
            known.Contains(relation.inputs)) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

// Drops the relations whose results the kind's three givens do not need.
std::vector<int> OnlyNeeded(const std::vector<int>& relations, ElementSet needed) {
    std::vector<int> kept;
    for (auto it = relations.rbegin(); it != relations.rend(); ++it) {
        const auto& relation = Table()[static_cast<std::size_t>(*it)];
        if (needed.Has(relation.target)) {
            kept.insert(kept.begin(), *it);
            for (int e = 0; e < kElementCount; ++e) {
                if (relation.inputs.Has(ElementAt(e))) {
                    needed.Add(ElementAt(e));
                }
            }
        }
    }
    return kept;
}

Plan PlanFrom(ElementSet known, bool describing) {
    Plan plan;
    plan.known = known;
    plan.kind = describing ? std::nullopt : LowestKind(known);
    while (!plan.kind) {
        const std::optional<int> next = NextRelation(plan.known, describing);
        if (!next) {
            break;
        }
        plan.relations.push_back(*next);
        plan.known.Add(Table()[static_cast<std::size_t>(*next)].target);
        if (!describing) {
            plan.kind = LowestKind(plan.known);
        }
    }
    if (plan.kind) {
        plan.relations = OnlyNeeded(plan.relations, GivensOfKind(*plan.kind));
        plan.known = known;
        for (const int relation : plan.relations) {
            plan.known.Add(Table()[static_cast<std::size_t>(relation)].target);
        }
    }
    return plan;
}

}  // namespace

std::optional<int> LowestKind(ElementSet known) {
    for (int kind = 0; kind < kKindCount; ++kind) {
        if (known.Contains(GivensOfKind(kind))) {
            return kind;
        }
    }
    return std::nullopt;
}

Plan PlanTowardsKind(ElementSet known) {
    return PlanFrom(known, false);
}

Plan PlanEverything(ElementSet known) {
    return PlanFrom(known, true);
}

}  // namespace trapezoid::elements
