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

inline Marks MarksOfKind(int kind) {
    Marks marks{};
    for (int index : kGivensOfKind[kind]) {
        marks[index] = true;
    }
    return marks;
}

// The boxes with the kind's givens filled in ascending index order.
inline Texts BoxesOfKind(int kind, const std::array<std::string, 3>& givens) {
    Texts texts;
    for (int i = 0; i < 3; ++i) {
        texts[kGivensOfKind[kind][i]] = givens[i];
    }
    return texts;
}

inline SolveOutcome SolveKind(int kind, const std::array<std::string, 3>& givens,
                              const NumberSettings& settings = PlainSettings()) {
    return Solve(kind, MarksOfKind(kind), BoxesOfKind(kind, givens), settings);
}

// "kind 1 from 6, 5, 4", for test traces.
inline std::string Describe(int kind, const std::array<std::string, 3>& givens) {
    return "kind " + IntText(kind) + " from " + givens[0] + ", " + givens[1] + ", " + givens[2];
}

}  // namespace trapezoid::test
