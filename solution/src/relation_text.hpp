// SPDX-License-Identifier: GPL-3.0-or-later
// A relation of the table written as a step, with the values put in.
#pragma once

#include <string>

#include "relations.hpp"
#include "trapezoid/shared/value_writing.hpp"

namespace trapezoid::elements {

// "h = b·sin ∠B = 10·sin 30° = 5", or for the angle
// "tg ∠B = h/m = 4/4 ⇒ ∠B = 45°". The target's value must be set.
std::string RelationFormula(int index, const Values<Dual>& values,
                            const detail::ValueWriter& writer);

// The formula with its reason in front: "от правоъгълния триъгълник HBC: ...".
std::string RelationStep(int index, const Values<Dual>& values, const detail::ValueWriter& writer);

// Why the relation's value means no trapezoid, with the values put in.
std::string RelationImpossible(int index, const Values<Dual>& values,
                               const detail::ValueWriter& writer);

}  // namespace trapezoid::elements
