// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of solved right trapezoids to scale: where the corners, the
// lines and every label go inside a given rectangle. Needs only Qt Gui, so
// the window, the printed page and the command line share it.
#pragma once

#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <vector>

namespace figure {

// One trapezoid to draw: its lengths, its side labels and its heading.
struct DrawnTrapezoid {
    double a = 0;
    double b = 0;
    double c = 0;
    double h = 0;
    std::array<QString, 4> side_labels;  // for a, b, c, h: "a = 10", "h = √11"
    QString heading;                     // empty for the only trapezoid
};

// Corners in the area's coordinates (y grows downwards).
struct TrapezoidShape {
    QPointF A, B, C, D, H;
    bool foot_at_b = false;       // m = 0: H coincides with B
    bool foot_beyond_b = false;   // m < 0: AB is extended to H with a dashed line
    double right_angle_mark = 0;  // side of the marks at A and D
};

struct PlacedLabel {
    QString text;
    QRectF rect;
    bool has_leader = false;
    QLineF leader;  // from the labelled point to the label's edge
};

struct FigureLayout {
    std::vector<TrapezoidShape> shapes;
    std::vector<PlacedLabel> labels;  // headings, corner letters, side labels
};

// Lays out the trapezoids side by side on one scale inside `area`, each in its
// true proportions, with labels in `font` clear of each other and of the lines.
FigureLayout LayOutFigure(const std::vector<DrawnTrapezoid>& trapezoids, const QRectF& area,
                          const QFont& font);

// The straight lines of a shape, the dashed extension included: what a label
// must keep clear of.
std::vector<QLineF> ShapeLines(const TrapezoidShape& shape);

// True when the segment crosses or touches the rectangle.
bool SegmentMeetsRect(const QLineF& segment, const QRectF& rect);

}  // namespace figure
