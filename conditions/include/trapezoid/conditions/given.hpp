// SPDX-License-Identifier: GPL-3.0-or-later
// The givens of a right trapezoid problem as a textbook states them: values
// of any segment or angle of the figure, exact values such as 3√2/2, angle
// functions, relations between elements, ratios, sums, an inscribed circle
// and perpendicular lines. Reading one typed given into an equation.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exact/surd.hpp"

namespace trapezoid::conditions {

// A number as the user typed it: "7/2", "3√2/2", "2sqrt(3)", "4,5".
struct TypedValue {
    double value = 0.0;
    std::optional<exact::Surd> exact;  // none only for values beyond exact reading
    std::string text;                  // as typed, with √ for sqrt
};

// What a name denotes. The figure: A(0, 0), B(a, 0), C(c, h), D(0, h); H is
// the foot of the height from C and O the crossing of the diagonals.
struct Quantity {
    enum class Kind {
        Segment,    // between points[0] and points[1]
        Perimeter,  // P
        Area,       // S
        Midline,    // MN = (a + c)/2
        Radius,     // r = h/2, the inscribed circle's radius
        Angle,      // at points[1], in degrees
        Tangent,    // of the angle at points[1]
        Sine,
        Cosine,
        Cotangent,
    };
    Kind kind = Kind::Segment;
    std::string points;  // "AB" for a segment, "ABC" for an angle or its function
    std::string symbol;  // as steps write it: "a", "AO", "∠ABC", "tg ∠ABC"
};

// What a quantity measures; only like measures are compared.
enum class Measure { Length, Area, Angle, Number };
Measure MeasureOf(const Quantity& quantity);

// coefficient·quantity.
struct Term {
    exact::Surd coefficient;
    double coefficient_value = 1.0;
    Quantity quantity;
    std::string coefficient_text;  // |k| as typed ("3/2"); empty when not typed
};

// One given: the equation Σ terms = value (0 when no value is written).
struct Given {
    enum class Effect {
        Equation,     // an equation between the unknowns
        Nothing,      // always true (DA ⊥ AB): adds nothing
        NoTrapezoid,  // never true in a right trapezoid (AB ⊥ BC)
    };
    Effect effect = Effect::Equation;
    std::string text;  // as typed, blanks removed
    std::vector<Term> terms;
    std::optional<TypedValue> value;
    // The circle is inscribed: a + c = b + h, or a value of r (which then
    // gives a second equation, a + c = b + h).
    bool inscribed = false;
    // A ratio "p : q" as typed, for the steps: {"7", "3"}.
    std::optional<std::pair<std::string, std::string>> ratio;
};

// The reading of a typed given: the given, or one Bulgarian sentence naming
// it. `unreadable` tells an unreadable given or unknown name (exit 2) from
// an impossible one (exit 1).
struct GivenReading {
    std::optional<Given> given;
    std::string message;
    bool unreadable = false;
};

// Reads one given: "a=7/2", "h=2sqrt3", "tg∠CAB=3/4", "a=3/2c", "a:c=5:2",
// "h+b=18", "c−h=2", "a+c=b+h", "r=4", "AC⊥BD", "∠ACB=90".
GivenReading ReadGiven(std::string_view text);

// Several givens separated by ";", as the panel's line takes them. Stops at
// the first that cannot be read: its reading is the last one returned.
std::vector<GivenReading> ReadGivens(std::string_view text);

// Reads a value alone: "7", "7,5", "7/2", "√3", "2√3", "3√2/2", "2sqrt3",
// "2sqrt(3)", with an optional leading minus.
std::optional<TypedValue> ReadValue(std::string_view text);

}  // namespace trapezoid::conditions
