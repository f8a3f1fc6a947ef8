// SPDX-License-Identifier: GPL-3.0-or-later
// The eleven elements of a right trapezoid that an exercise may give: the six
// quantities, the difference of the bases, the diagonals, the midline and the
// angle at B. Their names, and the reading of a typed value.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "exact/surd.hpp"
#include "trapezoid/solver.hpp"

namespace trapezoid {

// The first six are the quantities, in QuantityIndex order.
enum class Element : int {
    A,      // long base AB
    B,      // slanted leg BC
    C,      // short base DC
    H,      // height AD = CH
    P,      // perimeter
    S,      // area
    M,      // difference of the bases HB = a - c
    AC,     // diagonal from the right angle at A
    BD,     // diagonal to the right angle at D
    MN,     // midline (a + c) / 2
    Angle,  // the angle at B, kept as ∠ABC in degrees (∠BCD = 180° - ∠ABC)
};

inline constexpr int kElementCount = 11;

constexpr int ElementIndex(Element element) {
    return static_cast<int>(element);
}

constexpr Element ElementAt(int index) {
    return static_cast<Element>(index);
}

// One given: its element and value. An angle is kept as ∠ABC in degrees;
// `obtuse` tells that it was typed as ∠BCD.
struct ElementGiven {
    Element element = Element::A;
    double value = 0.0;
    bool obtuse = false;
    // The decimal typed ("6.25", "1e300"), which gives the exact value and is
    // shown as given; empty: the value's own seven decimals.
    std::string decimal{};
    // The exact value when it is no decimal ("5√3/2"), found from conditions.
    std::optional<exact::Surd> exact{};
    // Found from conditions, not typed: put into the formulas by its exact
    // value, or else by its rounded decimals, never by all its digits.
    bool found = false;
};

// A name as the command line writes it: "a", "AC", "B" or "∠B" for ∠ABC,
// "C" or "∠C" for ∠BCD. Names are case-sensitive.
struct ElementName {
    Element element;
    bool obtuse = false;
};
std::optional<ElementName> FindElementName(std::string_view name);

// The symbol in texts: "a", "m", "AC", "MN", "∠B", "∠C".
std::string_view ElementSymbol(Element element, bool obtuse = false);

// The element in words, for labels and messages: "диагоналът AC".
std::string_view ElementWords(Element element, bool obtuse = false);

// What reading a typed value gave: the given, or one line in Bulgarian that
// tells why the text is no value of that element.
struct ElementReading {
    std::optional<ElementGiven> given;
    std::string error;
};

// Reads a length as a box reads it, but strictly: the whole text must be a
// number above 0. Reads an angle in degrees: "45", "45°", "33°33′26″" (also
// with ' and "), "33,5" or "33.5", within 0° < ∠B ≤ 90° or 90° ≤ ∠C < 180°.
ElementReading ReadElement(ElementName name, std::string_view text, const NumberSettings& settings);

// Whether the boxes read the whole text as a number, of any sign: a value
// that the elements' reading explains when it refuses it ("0", "1e999"),
// where "√3" or "7/2" go to the givens of a textbook's form.
bool IsPlainNumber(std::string_view text, const NumberSettings& settings);

// Reads "name=value" as the command line gives it.
ElementReading ReadElementArgument(std::string_view argument, const NumberSettings& settings);

}  // namespace trapezoid
