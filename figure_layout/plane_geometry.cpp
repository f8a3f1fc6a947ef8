// SPDX-License-Identifier: GPL-3.0-or-later
#include "plane_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

namespace figure {

namespace {

// The edges along one axis, smaller first, of a side that may run backwards.
struct Span {
    double low, high;
    bool IsEmpty() const { return low == high; }
};

Span SpanOf(double start, double length) {
    return length < 0 ? Span{start + length, start} : Span{start, start + length};
}

// Both rectangles' edges along each axis; none when either has no area.
struct SpansOfTwo {
    Span across, other_across, down, other_down;
};

std::optional<SpansOfTwo> SpansOf(const Rect& one, const Rect& other) {
    const SpansOfTwo spans{SpanOf(one.x, one.width), SpanOf(other.x, other.width),
                           SpanOf(one.y, one.height), SpanOf(other.y, other.height)};
    if (spans.across.IsEmpty() || spans.other_across.IsEmpty() || spans.down.IsEmpty() ||
        spans.other_down.IsEmpty()) {
        return std::nullopt;
    }
    return spans;
}

}  // namespace

std::array<Point, 4> Rect::Corners() const {
    return {Point{x, y}, Point{x + width, y}, Point{x + width, y + height}, Point{x, y + height}};
}

bool Rect::Contains(Point p) const {
    const Span across = SpanOf(x, width);
    const Span down = SpanOf(y, height);
    if (across.IsEmpty() || down.IsEmpty()) {
        return false;
    }
    return p.x >= across.low && p.x <= across.high && p.y >= down.low && p.y <= down.high;
}

bool Rect::Contains(const Rect& other) const {
    const std::optional<SpansOfTwo> s = SpansOf(*this, other);
    return s && s->other_across.low >= s->across.low && s->other_across.high <= s->across.high &&
           s->other_down.low >= s->down.low && s->other_down.high <= s->down.high;
}

bool Rect::Intersects(const Rect& other) const {
    const std::optional<SpansOfTwo> s = SpansOf(*this, other);
    return s && s->across.low < s->other_across.high && s->other_across.low < s->across.high &&
           s->down.low < s->other_down.high && s->other_down.low < s->down.high;
}

Point Unit(Point vector) {
    const double length = std::hypot(vector.x, vector.y);
    return length > 0 ? vector / length : Point();
}

bool SegmentsMeet(const Segment& first, const Segment& second) {
    const Point a = first.to - first.from;
    const Point b = second.from - second.to;
    const Point c = first.from - second.from;
    const double denominator = a.y * b.x - a.x * b.y;
    if (denominator == 0 || !std::isfinite(denominator)) {
        return false;  // parallel
    }
    const double reciprocal = 1 / denominator;
    const double along_first = (b.y * c.x - b.x * c.y) * reciprocal;
    if (along_first < 0 || along_first > 1) {
        return false;
    }
    const double along_second = (a.x * c.y - a.y * c.x) * reciprocal;
    return along_second >= 0 && along_second <= 1;
}

bool SegmentMeetsRect(const Segment& segment, const Rect& rect) {
    if (rect.Contains(segment.from) || rect.Contains(segment.to)) {
        return true;
    }
    const std::array<Point, 4> corners = rect.Corners();
    for (std::size_t i = 0; i < corners.size(); ++i) {
        if (SegmentsMeet(segment, {corners[i], corners[(i + 1) % corners.size()]})) {
            return true;
        }
    }
    return false;
}

std::array<Point, 3> RightAngleMark(Point corner, Point towards_first, Point towards_second,
                                    double size) {
    const Point first = Unit(towards_first - corner) * size;
    const Point second = Unit(towards_second - corner) * size;
    return {corner + first, corner + first + second, corner + second};
}

}  // namespace figure
