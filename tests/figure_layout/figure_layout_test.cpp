// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing's geometry decides as the window's toolkit does where edges
// touch, and the layout keeps its labels apart and off the lines with any
// text measure.
#include <gtest/gtest.h>

#include <cmath>

#include "figure_layout.hpp"

namespace figure {
namespace {

TEST(PlaneGeometry, EdgesCountForContainingAndTouchingButNotForOverlapping) {
    const Rect unit{0, 0, 10, 10};
    const struct {
        const char* what;
        bool actual, expected;
    } rows[] = {
        {"a corner point is inside", unit.Contains(Point{10, 10}), true},
        {"a point past the edge is not", unit.Contains(Point{10.001, 5}), false},
        {"a rectangle without area holds nothing", Rect{0, 0, 0, 10}.Contains(Point{0, 5}), false},
        {"the rectangle itself is contained", unit.Contains(unit), true},
        {"rectangles sharing an edge do not intersect", unit.Intersects({10, 0, 5, 5}), false},
        {"overlapping rectangles intersect", unit.Intersects({9.5, 9.5, 5, 5}), true},
        {"a segment ending on the edge meets it", SegmentMeetsRect({{-5, 5}, {0, 5}}, unit), true},
        {"a segment passing by does not", SegmentMeetsRect({{-5, -1}, {20, -1}}, unit), false},
        {"a segment across meets it", SegmentMeetsRect({{-5, 5}, {15, 5}}, unit), true},
        {"parallel segments never meet", SegmentsMeet({{0, 0}, {5, 0}}, {{0, 0}, {5, 0}}), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.actual, row.expected) << row.what;
    }
}

// Every character as wide as 0.55 of a 16 px font.
class FixedMeasure : public TextMeasure {
  public:
    double Width(const std::string& text) const override {
        double characters = 0;
        for (const char byte : text) {
            characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
        }
        return 8.8 * characters;
    }
    double LineHeight() const override { return 16; }
};

DrawnTrapezoid Drawn(double a, double b, double c, double h, const std::string& heading = "") {
    return {a, b, c, h, {"a ≈ 1,00", "b ≈ 1,00", "c ≈ 1,00", "h ≈ 1,00"}, heading};
}

TEST(FigureLayout, KeepsTheLabelsInsideApartAndOffTheLines) {
    const struct {
        const char* what;
        std::vector<DrawnTrapezoid> trapezoids;
        Rect area;
    } rows[] = {
        {"10, 6, 5", {Drawn(10, 6, 5, 3.32)}, {0, 0, 360, 240}},
        {"thin", {Drawn(50, 1.41, 49, 1)}, {0, 0, 360, 240}},
        {"m < 0", {Drawn(3, 5, 6, 4)}, {0, 0, 360, 240}},
        {"two",
         {Drawn(3.13, 5, 2, 4.92, "Първа"), Drawn(6.87, 5, 2, 1.15, "Втора")},
         {0, 0, 760, 300}},
    };
    for (const auto& row : rows) {
        const FigureLayout layout = LayOutFigure(row.trapezoids, row.area, FixedMeasure());
        std::vector<Segment> lines;
        for (const TrapezoidShape& shape : layout.shapes) {
            const std::vector<Segment> shape_lines = ShapeLines(shape);
            lines.insert(lines.end(), shape_lines.begin(), shape_lines.end());
        }
        for (std::size_t i = 0; i < layout.labels.size(); ++i) {
            const PlacedLabel& label = layout.labels[i];
            EXPECT_TRUE(row.area.Contains(label.rect)) << row.what << ": " << label.text;
            for (const Segment& line : lines) {
                EXPECT_FALSE(SegmentMeetsRect(line, label.rect)) << row.what << ": " << label.text;
            }
            for (std::size_t j = i + 1; j < layout.labels.size(); ++j) {
                EXPECT_FALSE(label.rect.Intersects(layout.labels[j].rect))
                    << row.what << ": " << label.text << " / " << layout.labels[j].text;
            }
        }
    }
}

}  // namespace
}  // namespace figure
