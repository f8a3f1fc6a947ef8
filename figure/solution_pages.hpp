// SPDX-License-Identifier: GPL-3.0-or-later
// The printed solution, one layout for the printer, the PDF of the window
// and the PDF of the command line: A4 pages with a heading, the drawing and
// the whole text, continued on further pages when it does not fit.
#pragma once

#include <QString>

#include "trapezoid/worked_solution.hpp"

class QPagedPaintDevice;

namespace figure {

// Sets `device` to A4 and paints the pages on it.
void PaintSolutionPages(QPagedPaintDevice& device, const trapezoid::WorkedSolution& solution,
                        const QString& decimal_separator);

// Writes the pages to the PDF file `path`. The file appears whole or not at
// all: it is written beside the target and renamed. Returns an empty string,
// or a one-line Bulgarian explanation of why it could not be written.
QString WriteSolutionPdf(const QString& path, const trapezoid::WorkedSolution& solution,
                         const QString& decimal_separator);

}  // namespace figure
