// SPDX-License-Identifier: GPL-3.0-or-later
// Solving the givens of a right trapezoid problem: every trapezoid with
// a > c > 0 and h > 0 that meets them, with exact values where they exist,
// and the lines of the worked solution that lead to a, c and h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "trapezoid/conditions/given.hpp"
#include "trapezoid/solver.hpp"

namespace trapezoid::conditions {

// A length found: its double, and its exact value and written form where it
// has a short one ("5√3/2", "10 − 2√5"); the written form honours the
// decimal separator and the leading zero of the settings.
struct FoundLength {
    double value = 0.0;
    std::optional<exact::Surd> exact;
    std::string exact_text;  // empty without an exact value
};

struct FoundTrapezoid {
    FoundLength a, c, h;
    // Its own step: "a = 10, c = 7,5, h = 5√3/2 ≈ 4,330127".
    std::string step;
    // The exact values were checked against every given in exact arithmetic;
    // otherwise (where that needs a second root) to 35 digits.
    bool checked_exactly = false;
};

struct GivenSolution {
    enum class Status {
        Fixed,          // one or more trapezoids
        TwoGivens,      // two givens: `fixed` says what they fix, one more is needed
        ShapeOnly,      // angles and ratios only: the angles, and one length is needed
        SingleAngle,    // one angle: the other one
        TooFew,         // no given, or a single one that is no angle
        Dependent,      // a given follows from the others
        Contradicting,  // a given breaks what the others fix
        NoTrapezoid,    // no right trapezoid meets the givens
    };
    Status status = Status::NoTrapezoid;
    // One sentence for every status but Fixed, naming the given it is about.
    std::string message;
    // The reasons of the conditions, as a textbook gives them, shared by all
    // trapezoids; each trapezoid then adds its own step.
    std::vector<std::string> steps;
    std::vector<FoundTrapezoid> trapezoids;
    bool inscribed = false;  // a circle is inscribed: r = h/2 belongs to the answer
    bool numeric = false;    // some value has no exact form
    // ShapeOnly and SingleAngle: ∠ABC in degrees, one per shape found.
    std::vector<double> angles_b;
    // TwoGivens: what the two givens fix, as "m = 6"; may be empty.
    std::vector<std::string> fixed;
};

// Solves the givens, writing numbers with `settings`.
GivenSolution SolveGivens(const std::vector<Given>& givens, const NumberSettings& settings);

// The command line's exit code: 0 for what it answers (a trapezoid, what two
// givens fix, the shape, the other angle), 1 for no answer.
int ExitCode(GivenSolution::Status status);

}  // namespace trapezoid::conditions
