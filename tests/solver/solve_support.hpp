// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for running the solve command the way the window does: the
// kind's three givens ticked and filled, the other boxes empty.
#pragma once

#include <array>
#include <string>

#include "test_settings.hpp"
#include "trapezoid/solver.hpp"

namespace trapezoid::test {

// The three given quantities of each kind, ascending.
inline constexpr std::array<std::array<int, 3>, kKindCount> kGivensOfKind = {{
    {0, 1, 2},
    {0, 1, 3},
    {0, 2, 3},
    {1, 2, 3},
    {0, 1, 4},
    {0, 2, 4},
    {0, 3, 4},
    {1, 2, 4},
    {1, 3, 4},
    {2, 3, 4},
    {0, 2, 5},
    {0, 3, 5},
    {1, 3, 5},
    {2, 3, 5},
    {3, 4, 5},
}};

using Texts = std::array<std::string, kQuantityCount>;
using Marks = std::array<bool, kQuantityCount>;

inline const std::array<int, 3>& GivensOf(Kind kind) {
    return kGivensOfKind[static_cast<std::size_t>(KindIndex(kind))];
}

inline Marks MarksOfKind(Kind kind) {
    Marks marks{};
    for (int index : GivensOf(kind)) {
        marks[index] = true;
    }
    return marks;
}

// The boxes with the kind's givens filled in ascending index order.
inline Texts BoxesOfKind(Kind kind, const std::array<std::string, 3>& givens) {
    Texts texts;
    for (int i = 0; i < 3; ++i) {
        texts[GivensOf(kind)[i]] = givens[i];
    }
    return texts;
}

inline SolveOutcome SolveKind(Kind kind, const std::array<std::string, 3>& givens,
                              const NumberSettings& settings = PlainSettings()) {
    return Solve(KindIndex(kind), MarksOfKind(kind), BoxesOfKind(kind, givens), settings);
}

inline std::string_view ListText(Kind kind) {
    return kKinds[static_cast<std::size_t>(KindIndex(kind))].list_text;
}

// "a,b,h from 6, 5, 4", for test traces.
inline std::string Describe(Kind kind, const std::array<std::string, 3>& givens) {
    return std::string(ListText(kind)) + " from " + givens[0] + ", " + givens[1] + ", " + givens[2];
}

// Every kind by name, in list order.
inline std::array<Kind, kKindCount> AllKinds() {
    std::array<Kind, kKindCount> kinds{};
    for (int i = 0; i < kKindCount; ++i) {
        kinds[static_cast<std::size_t>(i)] = KindAt(i);
    }
    return kinds;
}

}  // namespace trapezoid::test
