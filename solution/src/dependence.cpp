// SPDX-License-Identifier: GPL-3.0-or-later
#include "dependence.hpp"

#include <cmath>

#include "relation_text.hpp"
#include "writing.hpp"

namespace trapezoid::elements {
namespace {

struct Tie {
    ElementSet elements;
    std::string_view relation;
    Element computed;  // the one the check finds from the other two
};

using E = Element;
const std::array<Tie, 11> kTies = {{
    {{E::A, E::C, E::M}, "m = a − c", E::M},
    {{E::A, E::C, E::MN}, "MN = (a + c)/2", E::MN},
    {{E::A, E::M, E::MN}, "MN = (a + c)/2 = a − m/2", E::MN},
    {{E::C, E::M, E::MN}, "MN = (a + c)/2 = c + m/2", E::MN},
    {{E::B, E::H, E::M}, "b² = h² + m²", E::B},
    {{E::H, E::M, E::Angle}, "tg ∠B = h/m", E::Angle},
    {{E::B, E::H, E::Angle}, "sin ∠B = h/b", E::Angle},
    {{E::B, E::M, E::Angle}, "cos ∠B = m/b", E::Angle},
    {{E::AC, E::C, E::H}, "AC² = c² + h²", E::AC},
    {{E::BD, E::A, E::H}, "BD² = a² + h²", E::BD},
    {{E::MN, E::H, E::S}, "S = MN·h", E::S},
}};

const Tie* TieOf(ElementSet elements) {
    for (const Tie& tie : kTies) {
        if (tie.elements == elements) {
            return &tie;
        }
    }
    return nullptr;
}

}  // namespace

bool IsDependent(ElementSet elements) {
    return TieOf(elements) != nullptr;
}

std::optional<Dependence> FindDependence(ElementSet known, const Values<Dual>& values,
                                         const detail::ValueWriter& writer) {
    const Tie* tie = TieOf(known);
    if (tie == nullptr) {
        return std::nullopt;
    }
    // The relation of the table that finds one of the three from the other two.
    const auto& relations = kRelations<Dual>;
    for (std::size_t i = 0; i < relations.size(); ++i) {
        const auto& relation = relations[i];
        ElementSet others = known;
        others.Remove(relation.target);
        if (relation.target != tie->computed || !(relation.inputs == others)) {
            continue;
        }
        Values<Dual> computed = values;
        const double found = (Of(computed, relation.target) = relation.formula(values)).value();
        if (!std::isfinite(found)) {
            return Dependence{{}, {}, false, true};
        }
        const double given = Of(values, relation.target).value();
        const bool agree =
            std::abs(found - given) <= 1e-9 * std::max(std::abs(found), std::abs(given));
        const std::string formula = RelationFormula(static_cast<int>(i), computed, writer);
        const std::string named(tie->relation);
        return Dependence{formula.starts_with(named) ? formula : named + ", т.е. " + formula,
                          PutIn(relation.target, given, writer.settings()), agree};
    }
    return std::nullopt;
}

}  // namespace trapezoid::elements
