// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// The one dispatch from a kind to its branch.
#pragma once

#include "trapezoid/shared/branch_pbc.hpp"
#include "trapezoid/shared/branches_area.hpp"
#include "trapezoid/shared/branches_lengths.hpp"
#include "trapezoid/shared/branches_perimeter.hpp"

namespace trapezoid::detail {

template <class V>
struct BranchEntry {
    Kind kind;
    Branch<V> branch;
};

template <class V>
inline constexpr std::array<BranchEntry<V>, kKindCount> kBranches = {{
    {Kind::ABC, &BranchABC<V>},
    {Kind::ABH, &BranchABH<V>},
    {Kind::ACH, &BranchACH<V>},
    {Kind::BCH, &BranchBCH<V>},
    {Kind::PAB, &BranchPAB<V>},
    {Kind::PAC, &BranchPAC<V>},
    {Kind::PAH, &BranchPAH<V>},
    {Kind::PBC, &BranchPBC<V>},
    {Kind::PBH, &BranchPBH<V>},
    {Kind::PCH, &BranchPCH<V>},
    {Kind::SAC, &BranchSAC<V>},
    {Kind::SAH, &BranchSAH<V>},
    {Kind::SBH, &BranchSBH<V>},
    {Kind::SCH, &BranchSCH<V>},
    {Kind::SPH, &BranchSPH<V>},
}};

// Every kind has its entry, at the index of its own value: a kind left out
// (the last entry is then empty, with the kind of value 0) or two entries
// exchanged fail to compile.
template <class V>
constexpr bool EveryKindHasItsBranch() {
    for (int i = 0; i < kKindCount; ++i) {
        if (kBranches<V>[static_cast<std::size_t>(i)].kind != KindAt(i)) {
            return false;
        }
    }
    return true;
}

// The branch of a ProblemKind for which IsKind holds.
template <class V>
Branch<V> BranchOf(int kind) {
    static_assert(EveryKindHasItsBranch<V>());
    return kBranches<V>[static_cast<std::size_t>(kind)].branch;
}

}  // namespace trapezoid::detail
