// SPDX-License-Identifier: GPL-3.0-or-later
// The worked solution's pages as a PDF file, written from the command line
// with no display.
#pragma once

#include <string>

#include "trapezoid/solver.hpp"
#include "trapezoid/worked_solution.hpp"

// Writes the pages the window's "Запази като PDF…" writes, on Qt's offscreen
// platform; call it where no Qt application exists yet. Returns an empty
// string, or one Bulgarian line on why the file was not written (no such
// folder, no permission); then no file is left behind.
std::string WritePdfWithoutDisplay(const std::string& path,
                                   const trapezoid::WorkedSolution& solution,
                                   const trapezoid::NumberSettings& settings);
