// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of solved right trapezoids to scale: where the corners, the
// lines and every label go inside a given rectangle. Plain C++ with the text
// measured by the painter, so the window, the printed page, the command line
// and the web page share it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "plane_geometry.hpp"
#include "text_measure.hpp"

namespace figure {

// One trapezoid to draw: its lengths, its side labels and its heading.
struct DrawnTrapezoid {
    double a = 0;
    double b = 0;
    double c = 0;
    double h = 0;
    std::array<std::string, 4> side_labels;  // for a, b, c, h: "a = 10", "h = √11"
    std::string heading;                     // empty for the only trapezoid
};

// Corners in the area's coordinates (y grows downwards).
struct TrapezoidShape {
    Point A, B, C, D, H;
    bool foot_at_b = false;       // m = 0: H coincides with B
    bool foot_beyond_b = false;   // m < 0: AB is extended to H with a dashed line
    double right_angle_mark = 0;  // side of the marks at A and D
};

struct PlacedLabel {
    std::string text;
    Rect rect;
    bool has_leader = false;
    Segment leader;  // from the labelled point to the label's edge
};

struct FigureLayout {
    std::vector<TrapezoidShape> shapes;
    std::vector<PlacedLabel> labels;  // headings, corner letters, side labels
};

// Lays out the trapezoids side by side on one scale inside `area`, each in its
// true proportions, with labels measured by `measure` clear of each other and
// of the lines.
FigureLayout LayOutFigure(const std::vector<DrawnTrapezoid>& trapezoids, const Rect& area,
                          const TextMeasure& measure);

// The straight lines of a shape, the dashed extension included: what a label
// must keep clear of.
std::vector<Segment> ShapeLines(const TrapezoidShape& shape);

}  // namespace figure
