// SPDX-License-Identifier: GPL-3.0-or-later
// Points, segments and rectangles of the drawing, y downwards. Each operation
// rounds as the window's painting toolkit does, so that a layout computed here
// is the one the window, the PDF and the web page draw.
#pragma once

#include <array>

namespace figure {

struct Point {
    double x = 0;
    double y = 0;

    bool IsNull() const { return x == 0.0 && y == 0.0; }
};

inline Point operator+(Point p, Point q) {
    return {p.x + q.x, p.y + q.y};
}
inline Point operator-(Point p, Point q) {
    return {p.x - q.x, p.y - q.y};
}
inline Point operator-(Point p) {
    return {-p.x, -p.y};
}
inline Point operator*(Point p, double factor) {
    return {p.x * factor, p.y * factor};
}
inline Point operator*(double factor, Point p) {
    return {p.x * factor, p.y * factor};
}
inline Point operator/(Point p, double divisor) {
    return {p.x / divisor, p.y / divisor};
}

struct Segment {
    Point from;
    Point to;
};

struct Size {
    double width = 0;
    double height = 0;
};

// A rectangle by its top left corner and its (non-negative) size.
struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    static Rect At(Point top_left, Size size) {
        return {top_left.x, top_left.y, size.width, size.height};
    }

    double Left() const { return x; }
    double Top() const { return y; }
    double Right() const { return x + width; }
    double Bottom() const { return y + height; }
    Point Centre() const { return {x + width / 2, y + height / 2}; }
    std::array<Point, 4> Corners() const;  // top left, top right, bottom right, bottom left

    // The rectangle with its edges moved by these amounts.
    Rect Adjusted(double left, double top, double right, double bottom) const {
        return {x + left, y + top, width + right - left, height + bottom - top};
    }
    void SetTop(double top) {
        const double moved = top - y;
        y += moved;
        height -= moved;
    }

    // Edges included; a rectangle without area holds nothing.
    bool Contains(Point p) const;
    bool Contains(const Rect& other) const;
    // Overlapping with some area: rectangles that only touch do not intersect.
    bool Intersects(const Rect& other) const;
};

// The direction of `vector` with length 1, or the null point.
Point Unit(Point vector);

// True when the two segments cross or touch.
bool SegmentsMeet(const Segment& first, const Segment& second);

// True when the segment crosses or touches the rectangle.
bool SegmentMeetsRect(const Segment& segment, const Rect& rect);

// The small square marking the right angle at `corner` between the sides
// towards the two points: three points of a polyline.
std::array<Point, 3> RightAngleMark(Point corner, Point towards_first, Point towards_second,
                                    double size);

}  // namespace figure
