// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the drawing of a worked solution, on screen and on paper alike.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include "trapezoid/worked_solution.hpp"

class QPainter;

namespace figure {

struct FigureInk {
    QColor lines;  // the trapezoid and its labels
    QColor faint;  // leader lines and the dashed extension
};

// Lays out and paints the solution's trapezoids inside `area`, or, when the
// solve wrote nothing, the one line that says why.
void PaintSolutionFigure(QPainter& painter, const QRectF& area,
                         const trapezoid::WorkedSolution& solution,
                         const QString& decimal_separator, const QFont& font, const FigureInk& ink);

}  // namespace figure
