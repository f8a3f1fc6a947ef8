// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: solving one trapezoid in a console, with no window and
// no display. Callable from any main() before a Qt application exists.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "trapezoid/conditions/given.hpp"
#include "trapezoid/elements.hpp"
#include "trapezoid/solver.hpp"

enum class CommandLineAction { Solve, Help, Version, Error };

// What the arguments ask for.
struct CommandLine {
    CommandLineAction action = CommandLineAction::Error;
    std::string error;   // Error: one Bulgarian line, without the program's name
    int error_code = 2;  // Error: 2 for a bad argument, 1 for a given no trapezoid can have

    // Solve, when three of a, b, c, h, P and S form a kind: the kind, its
    // given-marks and the texts as the boxes would hold them.
    int kind = -1;
    std::array<bool, trapezoid::kQuantityCount> given{};
    std::array<std::string, trapezoid::kQuantityCount> texts;
    // Solve, any other two or three elements (kind is -1): their values.
    std::vector<trapezoid::ElementGiven> elements;
    // Solve, givens as a textbook states them (a condition, an exact value,
    // one angle alone, four or five givens): these, and elements is empty.
    std::vector<trapezoid::conditions::Given> conditions;
    std::string pdf_path;  // Solve: also write the pages to this PDF file; empty for none
};

// True when the arguments (without the program's name) are for the command
// line rather than the window: one of its options is there, or an option
// starting with "--" that is not the toolkit's own ("--platform", "--style").
bool WantsCommandLine(const std::vector<std::string_view>& arguments);

// Reads the arguments (without the program's name). Lengths are read as a
// box reads them under `settings`, but the whole value must be a number above
// 0; angles in degrees within their range.
CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments,
                             const trapezoid::NumberSettings& settings);

// Runs the command line: prints the worked solution, the help or the
// version on standard output, or one line on standard error; with --pdf it
// also writes the solution's pages. Returns the exit status: 0 solved, 1 no
// trapezoid or a fault, 2 a bad argument or a PDF that could not be written.
int RunCommandLine(int argc, char** argv);
