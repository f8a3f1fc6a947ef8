// SPDX-License-Identifier: GPL-3.0-or-later
// Which relations a derivation goes through, decided from which elements are
// known, before any value is computed: the same plan serves the solve in
// doubles, its description, and every trial value of an equation's unknown.
#pragma once

#include <optional>
#include <vector>

#include "element_values.hpp"
#include "relations.hpp"

namespace trapezoid::elements {

struct Plan {
    std::vector<int> relations;  // indices into kRelations, in order
    std::optional<int> kind;     // the kind that three of a, b, c, h, P, S form
    ElementSet known;            // the elements known at the end
};

// The relations that lead from `known` to the first kind. If several kinds
// form at one step, the lowest index; steps the kind does not need are left
// out. No kind: every relation that applies, and kind empty.
Plan PlanTowardsKind(ElementSet known);

// Every element that `known` determines, by all relations.
Plan PlanEverything(ElementSet known);

// The lowest kind whose three givens are all known.
std::optional<int> LowestKind(ElementSet known);

// Applies one relation to `values`: false when the result is no allowed value.
template <class V>
bool ApplyRelation(int index, Values<V>& values) {
    const Relation<V>& relation = kRelations<V>[static_cast<std::size_t>(index)];
    const V result = relation.formula(values);
    Of(values, relation.target) = result;
    return AllowedValue(relation.target, ValueOf(result));
}

// Applies a plan's relations in order: the index of the first that gives no
// allowed value, or nothing.
template <class V>
std::optional<std::size_t> ApplyPlan(const Plan& plan, Values<V>& values) {
    for (std::size_t i = 0; i < plan.relations.size(); ++i) {
        if (!ApplyRelation(plan.relations[i], values)) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace trapezoid::elements
