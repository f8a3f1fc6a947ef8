// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces the reading of a given is made of.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "trapezoid/conditions/given.hpp"

namespace trapezoid::conditions {

// The text without blanks, the minus sign "−" as "-".
std::string WithoutBlanks(std::string_view text);

// Takes a value from the front of `text`, as ReadValue reads it.
std::optional<TypedValue> TakeValue(std::string_view& text);

// Takes a name from the front of `text`: a b c h m r P S MN, B or C, two
// points of A B C D H O, an angle of three (∠ optional), or an angle
// function of one (tg, sin, cos, cotg). Nothing when no name leads; an empty
// symbol with the unknown text in `points` when the letters name nothing.
std::optional<Quantity> TakeQuantity(std::string_view& text);

// The two lines of a perpendicularity, or nothing when either is no side or
// diagonal.
std::optional<Given> ReadPerpendicular(std::string_view text, std::string_view typed);

}  // namespace trapezoid::conditions
