// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's givens of a textbook's form: conditions, exact values,
// names beyond the eleven elements, one angle alone, four or five givens.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.hpp"

inline constexpr std::size_t kMostConditionArguments = 5;

// Whether the givens' own reading takes an argument that the elements'
// reading refused: a condition, an exact value, a name beyond the eleven.
// A plain number of an element keeps the elements' reason ("a=0", "B=100").
bool IsConditionArgument(std::string_view argument, const trapezoid::NumberSettings& settings);

// The givens' own sentence for a relation they refuse ("a=3B": a length is
// compared with lengths only); nothing for any other argument, which keeps
// the elements' reason.
std::optional<std::string> RelationRefusal(std::string_view argument);

// Every argument read as a given of a textbook's form; an error with exit 2
// for an unreadable given or unknown name, 1 for a given no trapezoid has.
CommandLine ReadConditionArguments(const std::vector<std::string_view>& arguments);
