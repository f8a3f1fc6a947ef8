// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure_layout.hpp"

#include <algorithm>
#include <cmath>

namespace figure {
namespace {

constexpr double kGapPerLine = 0.3;      // space between a label and what it labels
constexpr double kStepPerLine = 0.5;     // how far a label moves out per try
constexpr int kTries = 14;               // moves out before giving up
constexpr int kFirstTryWithLeader = 2;   // from here on, a leader line shows what is meant
constexpr double kSlotSpacingLines = 1;  // between two trapezoids side by side
const double kAlong[] = {0.5, 0.35, 0.65, 0.2, 0.8};  // places along a side, best first

double Finite(double value) {
    return std::isfinite(value) ? value : 0.0;
}

// Where a label goes when it is `distance` away from `anchor` in `direction`:
// the label's nearest edge or corner faces the anchor.
Rect RectBeside(Point anchor, Point direction, double distance, Size size) {
    const Point centre = anchor + direction * distance +
                         Point{direction.x * size.width, direction.y * size.height} / 2;
    return Rect::At(centre - Point{size.width, size.height} / 2, size);
}

Point NearestPoint(const Rect& rect, Point point) {
    return {std::clamp(point.x, rect.Left(), rect.Right()),
            std::clamp(point.y, rect.Top(), rect.Bottom())};
}

class LabelPlacer {
  public:
    LabelPlacer(const Rect& bounds, const TextMeasure& measure, FigureLayout& layout)
        : bounds_(bounds), measure_(measure), layout_(layout) {
        gap_ = measure_.LineHeight() * kGapPerLine;
        step_ = measure_.LineHeight() * kStepPerLine;
    }

    double LineHeight() const { return measure_.LineHeight(); }
    double Gap() const { return gap_; }
    double Width(const std::string& text) const { return measure_.Width(text); }
    Size SizeOf(const std::string& text) const { return {Width(text) + 2, LineHeight()}; }

    void AddObstacles(const std::vector<Segment>& lines) {
        lines_.insert(lines_.end(), lines.begin(), lines.end());
    }

    void PlaceFixed(const std::string& text, const Rect& rect) {
        layout_.labels.push_back({text, rect, false, {}});
    }

    // Tries every anchor and direction close by, then further out; the first
    // place that is free wins.
    void Place(const std::string& text, const std::vector<Point>& anchors,
               const std::vector<Point>& directions) {
        const Size size = SizeOf(text);
        for (int attempt = 0; attempt < kTries; ++attempt) {
            const double distance = gap_ + attempt * step_;
            for (const Point& anchor : anchors) {
                for (const Point& direction : directions) {
                    PlacedLabel label{
                        text, RectBeside(anchor, direction, distance, size), false, {}};
                    if (attempt >= kFirstTryWithLeader) {
                        label.has_leader = true;
                        label.leader = Segment{anchor, NearestPoint(label.rect, anchor)};
                    }
                    if (IsFree(label)) {
                        layout_.labels.push_back(label);
                        return;
                    }
                }
            }
        }
        // Nowhere free: the closest place, which may overlap.
        layout_.labels.push_back(
            {text, RectBeside(anchors.front(), directions.front(), gap_, size), false, {}});
    }

  private:
    bool IsFree(const PlacedLabel& label) const {
        if (!bounds_.Contains(label.rect)) {
            return false;
        }
        const Rect padded = label.rect.Adjusted(-gap_ / 2, -gap_ / 2, gap_ / 2, gap_ / 2);
        for (const Segment& line : lines_) {
            if (SegmentMeetsRect(line, padded)) {
                return false;
            }
        }
        for (const PlacedLabel& other : layout_.labels) {
            if (other.rect.Intersects(padded) ||
                (other.has_leader && SegmentMeetsRect(other.leader, padded)) ||
                (label.has_leader && SegmentMeetsRect(label.leader, other.rect))) {
                return false;
            }
        }
        return true;
    }

    Rect bounds_;
    const TextMeasure& measure_;
    FigureLayout& layout_;
    std::vector<Segment> lines_;
    double gap_ = 0;
    double step_ = 0;
};

// The room a trapezoid's labels need around it.
struct Margins {
    double left, top, right, bottom;
};

Margins LabelMargins(const DrawnTrapezoid& drawn, const LabelPlacer& placer) {
    const double line = placer.LineHeight();
    const double gap = placer.Gap();
    const double letter = placer.Width("D");
    const double right_text = std::max(placer.Width(drawn.side_labels[1]), placer.Width("H ≡ B"));
    return {placer.Width(drawn.side_labels[3]) + letter + 3 * gap, 3 * line,
            right_text + letter + 3 * gap, 3 * line};
}

struct Extent {
    double left, right, top, bottom;  // in lengths, y upwards
    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
};

Extent ExtentOf(const DrawnTrapezoid& drawn) {
    const double a = Finite(drawn.a);
    const double c = Finite(drawn.c);
    const double h = Finite(drawn.h);
    return {std::min({0.0, a, c}), std::max({0.0, a, c}), std::max(0.0, h), std::min(0.0, h)};
}

double Scale(double room, double length) {
    return length > 0 && room > 0 ? room / length : HUGE_VAL;
}

TrapezoidShape PlaceShape(const DrawnTrapezoid& drawn, const Rect& inner, double scale,
                          double line_height) {
    const Extent extent = ExtentOf(drawn);
    // Centre the figure in its room; y grows downwards on the page.
    const Point origin{inner.Centre().x - (extent.left + extent.Width() / 2) * scale,
                       inner.Centre().y + (extent.bottom + extent.Height() / 2) * scale};
    const auto point = [&](double x, double y) { return origin + Point{x * scale, -y * scale}; };
    const double a = Finite(drawn.a);
    const double c = Finite(drawn.c);
    const double h = Finite(drawn.h);
    TrapezoidShape shape;
    shape.A = point(0, 0);
    shape.B = point(a, 0);
    shape.C = point(c, h);
    shape.D = point(0, h);
    shape.H = point(c, 0);
    const double m = a - c;
    shape.foot_at_b = m == 0;
    shape.foot_beyond_b = m < 0;
    const double shortest = std::min({std::abs(a), std::abs(c), std::abs(h)}) * scale;
    shape.right_angle_mark = std::min(line_height / 2, shortest * 0.3);
    return shape;
}

// The side's outward normal, away from the figure's middle; `fallback` when
// the side has no length.
Point Outward(Point from, Point to, Point middle, Point fallback) {
    Point normal = Unit(Point{to.y - from.y, from.x - to.x});
    if (normal.IsNull()) {
        return fallback;
    }
    const Point towards = (from + to) / 2 - middle;
    if (normal.x * towards.x + normal.y * towards.y < 0) {
        normal = -normal;
    }
    return normal;
}

std::vector<Point> AlongSide(Point from, Point to) {
    std::vector<Point> points;
    for (const double share : kAlong) {
        points.push_back(from + (to - from) * share);
    }
    return points;
}

Point Turned(Point direction, double sign) {
    return Unit(direction + sign * Point{-direction.y, direction.x});
}

// A side's label beside the side, else turned away from it, at last past
// one of its ends.
std::vector<Point> SideDirections(Point outward) {
    const Point along{-outward.y, outward.x};
    return {outward, Turned(outward, 1), Turned(outward, -1), along, -along};
}

// The foot H first, right under the height; then the side labels, each beside
// its side if it can; then the corner letters, which find room more easily.
void PlaceLabels(const DrawnTrapezoid& drawn, const TrapezoidShape& s, LabelPlacer& placer) {
    const Point left{-1, 0}, right{1, 0}, up{0, -1}, down{0, 1};
    const Point down_left{-1, 1}, down_right{1, 1}, up_left{-1, -1}, up_right{1, -1};
    const Point middle = (s.A + s.B + s.C + s.D) / 4;
    if (!s.foot_at_b) {
        placer.Place("H", {s.H}, {down, down_left, down_right});
    }
    placer.Place(drawn.side_labels[0], AlongSide(s.A, s.B),
                 SideDirections(Outward(s.A, s.B, middle, down)));
    placer.Place(drawn.side_labels[2], AlongSide(s.D, s.C),
                 SideDirections(Outward(s.D, s.C, middle, up)));
    placer.Place(drawn.side_labels[3], AlongSide(s.A, s.D),
                 SideDirections(Outward(s.A, s.D, middle, left)));
    placer.Place(drawn.side_labels[1], AlongSide(s.B, s.C),
                 SideDirections(Outward(s.B, s.C, middle, right)));
    placer.Place("A", {s.A}, {down_left, down, left, up_left, down_right});
    placer.Place("D", {s.D}, {up_left, up, left, down_left, up_right});
    placer.Place("C", {s.C}, {up_right, up, right, down_right, up_left});
    placer.Place(s.foot_at_b ? "H ≡ B" : "B", {s.B},
                 {down_right, down, right, up_right, down_left});
}

}  // namespace

std::vector<Segment> ShapeLines(const TrapezoidShape& shape) {
    std::vector<Segment> lines = {
        {shape.A, shape.B}, {shape.B, shape.C}, {shape.C, shape.D}, {shape.D, shape.A}};
    if (!shape.foot_at_b) {
        lines.push_back({shape.C, shape.H});
    }
    if (shape.foot_beyond_b) {
        lines.push_back({shape.B, shape.H});
    }
    return lines;
}

FigureLayout LayOutFigure(const std::vector<DrawnTrapezoid>& trapezoids, const Rect& area,
                          const TextMeasure& measure) {
    FigureLayout layout;
    if (trapezoids.empty()) {
        return layout;
    }
    LabelPlacer placer(area, measure, layout);
    const double line = placer.LineHeight();
    const auto count = static_cast<double>(trapezoids.size());
    const double slot_width = (area.width - (count - 1) * kSlotSpacingLines * line) / count;

    // Each trapezoid gets a slot; the headings take its first line. One scale for all.
    std::vector<Rect> inner_rects;
    double scale = HUGE_VAL;
    for (std::size_t i = 0; i < trapezoids.size(); ++i) {
        const DrawnTrapezoid& drawn = trapezoids[i];
        Rect slot{area.Left() + static_cast<double>(i) * (slot_width + kSlotSpacingLines * line),
                  area.Top(), slot_width, area.height};
        if (!drawn.heading.empty()) {
            placer.PlaceFixed(drawn.heading, Rect{slot.Left(), slot.Top(), slot.width, line});
            slot.SetTop(slot.Top() + line);
        }
        const Margins margins = LabelMargins(drawn, placer);
        const Rect inner =
            slot.Adjusted(margins.left, margins.top, -margins.right, -margins.bottom);
        inner_rects.push_back(inner);
        const Extent extent = ExtentOf(drawn);
        scale = std::min(
            {scale, Scale(inner.width, extent.Width()), Scale(inner.height, extent.Height())});
    }
    if (!std::isfinite(scale)) {
        scale = 1;
    }
    for (std::size_t i = 0; i < trapezoids.size(); ++i) {
        layout.shapes.push_back(PlaceShape(trapezoids[i], inner_rects[i], scale, line));
        placer.AddObstacles(ShapeLines(layout.shapes.back()));
    }
    for (std::size_t i = 0; i < trapezoids.size(); ++i) {
        PlaceLabels(trapezoids[i], layout.shapes[i], placer);
    }
    return layout;
}

}  // namespace figure
