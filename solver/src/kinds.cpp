// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "trapezoid/solver.hpp"

namespace trapezoid {

using namespace QuantityIndex;

const std::array<KindInfo, kKindCount> kKinds = {{
    {"a,b,c", {A, B, C}},
    {"a,b,h", {A, B, H}},
    {"a,c,h", {A, C, H}},
    {"b,c,h", {B, C, H}},
    {"P,a,b", {A, B, P}},
    {"P,a,c", {A, C, P}},
    {"P,a,h", {A, H, P}},
    {"P,b,c", {B, C, P}},
    {"P,b,h", {B, H, P}},
    {"P,c,h", {C, H, P}},
    {"S,a,c", {A, C, S}},
    {"S,a,h", {A, H, S}},
    {"S,b,h", {B, H, S}},
    {"S,c,h", {C, H, S}},
    {"S,P,h", {H, P, S}},
}};

bool IsGiven(int kind, int index) {
    if (!IsKind(kind)) {
        return false;
    }
    const auto& givens = kKinds[static_cast<std::size_t>(kind)].givens;
    return std::find(givens.begin(), givens.end(), index) != givens.end();
}

}  // namespace trapezoid
