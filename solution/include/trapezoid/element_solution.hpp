// SPDX-License-Identifier: GPL-3.0-or-later
// A right trapezoid from any two or three of its elements, worked out as a
// pupil would: derive step by step until three quantities form one of the
// fifteen kinds, whose branch then computes the rest; where no derivation
// reaches a kind, solve an equation. Every worked solution comes from here:
// a kind's three quantities are the case with no derivation.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "trapezoid/elements.hpp"
#include "trapezoid/worked_solution.hpp"

namespace trapezoid {

// One trapezoid that fits the givens.
struct ElementTrapezoid {
    std::string heading;  // "" when it is the only one, else "Първа възможност", ...
    std::vector<std::string> steps;                   // its own steps, after the shared ones
    std::array<double, kQuantityCount> quantities{};  // a, b, c, h, P, S
    double angle_b = 0.0;                             // ∠ABC in degrees, for "Още"
    int kind = -1;                                    // the kind whose branch computed it
    // How each element follows its symbol in the answer, by ElementIndex:
    // "= 4√2 ≈ 5,6568542", "= 40", "≈ 29,6568542", "= 45°".
    std::array<std::string, kElementCount> endings;
    // The exact written forms of a, b, c and h ("4√2"); empty where none.
    std::array<std::string, 4> exact_lengths;
    // How many of `steps` come before the branch's own: they are shared
    // when kind "P,b,c" leaves one trapezoid.
    std::size_t shared_steps = 0;
    // What "Още" adds after the angles: "r = h/2 = 4".
    std::vector<std::string> more{};
};

struct ElementSolution {
    enum class Status {
        Solved,         // one or more trapezoids
        TwoGivens,      // what two givens determine, and what needs one more
        Dependent,      // the givens agree through one relation: one more is needed
        Contradiction,  // the givens break one relation
        Impossible,     // no trapezoid: `message` tells which condition fails
        Rejected,       // fewer than two or more than three givens, or one given twice
    };
    enum class Method {
        Derivation,  // steps lead to a kind
        Exact,       // a linear or quadratic equation
        Numeric,     // an equation solved numerically
    };

    Status status = Status::Rejected;
    Method method = Method::Derivation;
    std::vector<ElementGiven> givens;
    std::vector<std::string> steps;  // shared by every trapezoid
    std::vector<ElementTrapezoid> trapezoids;
    std::string message;      // Dependent, Contradiction, Impossible, Rejected; one sentence
    std::string failed_step;  // Impossible: the kind's step where it stopped, if any
    // TwoGivens: what the two givens determine (their steps are in `steps`)
    // and what needs one more given.
    std::vector<ElementGiven> determined;
    std::vector<std::string> determined_endings;  // "= 84", one per determined element
    std::vector<Element> undetermined;
    // Givens as a textbook states them ("∠ACB = 90°"): "Дадено" writes these
    // when there are any, and `givens` holds only the plain values among them.
    std::vector<std::string> stated{};
};

// Solves the givens (two or three distinct elements, values already read).
// The texts are written with `settings`, and `options` decimals after "≈".
ElementSolution SolveElements(const std::vector<ElementGiven>& givens,
                              const NumberSettings& settings, SolutionOptions options = {});

// The solution as a pupil writes it: Дадено, Търси се, Решение, Отговор, Още.
std::string WriteElementSolution(const ElementSolution& solution, const NumberSettings& settings);

// The solution as the solution window and its PDF pages take it: the text,
// one figure per trapezoid, and why there is none. `solved` is true when
// the givens were worked out (two givens included).
WorkedSolution ElementWorkedSolution(const ElementSolution& solution,
                                     const NumberSettings& settings);

// The worked solution of the solve that Solve(kind, given, texts, settings)
// does: the kind's three givens are solved as elements, with no derivation.
WorkedSolution BuildWorkedSolution(int kind, const std::array<bool, kQuantityCount>& given,
                                   const std::array<std::string, kQuantityCount>& texts,
                                   const NumberSettings& settings,
                                   const SolutionOptions& options = {});

// How a triple of distinct elements is solved, whatever its values.
enum class TripleWay { Kind, Equation, Dependent };
TripleWay ClassifyTriple(const std::array<Element, 3>& triple);

}  // namespace trapezoid
