// SPDX-License-Identifier: GPL-3.0-or-later
#include "relation_text.hpp"

#include "writing.hpp"

namespace trapezoid::elements {
namespace {

const Relation<Dual>& RelationAt(int index) {
    return kRelations<Dual>[static_cast<std::size_t>(index)];
}

}  // namespace

std::string RelationFormula(int index, const Values<Dual>& values,
                            const detail::ValueWriter& writer) {
    const Relation<Dual>& relation = RelationAt(index);
    const Dual& value = Of(values, relation.target);
    const std::string numbers = FillIn(relation.numbers, values, writer);
    if (relation.target == Element::Angle) {
        return std::string(relation.letters) + " = " + numbers + " ⇒ ∠B " +
               ValueEnding(Element::Angle, value, writer);
    }
    return std::string(ElementSymbol(relation.target)) + " = " + std::string(relation.letters) +
           " = " + numbers + " " + writer.EndingAfter(numbers, value, writer.Exact(value));
}

std::string RelationStep(int index, const Values<Dual>& values, const detail::ValueWriter& writer) {
    const Relation<Dual>& relation = RelationAt(index);
    const std::string formula = RelationFormula(index, values, writer);
    // "от S = MN·h" before "S = MN·h = ..." says nothing more.
    const std::string restated = "от " + std::string(ElementSymbol(relation.target)) + " = ";
    if (relation.reason.starts_with(restated)) {
        return formula;
    }
    return std::string(relation.reason) + ": " + formula;
}

std::string RelationImpossible(int index, const Values<Dual>& values,
                               const detail::ValueWriter& writer) {
    const Relation<Dual>& relation = RelationAt(index);
    if (!relation.impossible.empty()) {
        return FillIn(relation.impossible, values, writer, false);
    }
    return std::string(ElementSymbol(relation.target)) + " = " + std::string(relation.letters) +
           " = " + FillIn(relation.numbers, values, writer) + " не е положително";
}

}  // namespace trapezoid::elements
