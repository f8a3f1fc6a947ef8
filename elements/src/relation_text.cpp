// SPDX-License-Identifier: GPL-3.0-or-later
#include "relation_text.hpp"

#include "writing.hpp"

namespace trapezoid::elements {
namespace {

const Relation<double>& RelationAt(int index) {
    return kRelations<double>[static_cast<std::size_t>(index)];
}

}  // namespace

std::string RelationFormula(int index, const Values<double>& values,
                            const NumberSettings& settings) {
    const Relation<double>& relation = RelationAt(index);
    const double value = Of(values, relation.target);
    const std::string numbers = FillIn(relation.numbers, values, settings);
    if (relation.target == Element::Angle) {
        return std::string(relation.letters) + " = " + numbers + " ⇒ ∠B " + AngleEnding(value);
    }
    return std::string(ElementSymbol(relation.target)) + " = " + std::string(relation.letters) +
           " = " + numbers + " " + ValueEnding(value, settings);
}

std::string RelationStep(int index, const Values<double>& values, const NumberSettings& settings) {
    const Relation<double>& relation = RelationAt(index);
    const std::string formula = RelationFormula(index, values, settings);
    // "от S = MN·h" before "S = MN·h = ..." says nothing more.
    const std::string restated = "от " + std::string(ElementSymbol(relation.target)) + " = ";
    if (relation.reason.starts_with(restated)) {
        return formula;
    }
    return std::string(relation.reason) + ": " + formula;
}

std::string RelationImpossible(int index, const Values<double>& values,
                               const NumberSettings& settings) {
    const Relation<double>& relation = RelationAt(index);
    if (!relation.impossible.empty()) {
        return FillIn(relation.impossible, values, settings, false);
    }
    return std::string(ElementSymbol(relation.target)) + " = " + std::string(relation.letters) +
           " = " + FillIn(relation.numbers, values, settings) + " не е положително";
}

}  // namespace trapezoid::elements
