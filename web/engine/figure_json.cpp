// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure_json.hpp"

#include "figure_layout.hpp"
#include "side_labels.hpp"

namespace web {
namespace {

// The drawing's size in CSS pixels: a slot per trapezoid.
constexpr double kSlotWidth = 380;
constexpr double kHeight = 300;

nlohmann::json Line(const figure::Segment& segment, const char* kind, bool dashed = false) {
    return {{"x1", segment.from.x}, {"y1", segment.from.y}, {"x2", segment.to.x},
            {"y2", segment.to.y},   {"dashed", dashed},     {"kind", kind}};
}

// The outline, the height CH, the right-angle marks at A and D and the
// dashed extension of AB.
void AddShapeLines(const figure::TrapezoidShape& shape, nlohmann::json& lines) {
    const figure::Point outline[] = {shape.A, shape.B, shape.C, shape.D, shape.A};
    for (std::size_t i = 0; i + 1 < std::size(outline); ++i) {
        lines.push_back(Line({outline[i], outline[i + 1]}, "outline"));
    }
    if (!shape.foot_at_b) {
        lines.push_back(Line({shape.C, shape.H}, "height"));
    }
    for (const auto& mark :
         {figure::RightAngleMark(shape.A, shape.B, shape.D, shape.right_angle_mark),
          figure::RightAngleMark(shape.D, shape.C, shape.A, shape.right_angle_mark)}) {
        lines.push_back(Line({mark[0], mark[1]}, "mark"));
        lines.push_back(Line({mark[1], mark[2]}, "mark"));
    }
    if (shape.foot_beyond_b) {
        lines.push_back(Line({shape.B, shape.H}, "extension", true));
    }
}

}  // namespace

nlohmann::json FiguresJson(const trapezoid::WorkedSolution& solution,
                           const std::string& decimal_separator, const PageMeasure& measure) {
    nlohmann::json figures = nlohmann::json::array();
    if (solution.figures.empty()) {
        return figures;
    }
    const double width = kSlotWidth * static_cast<double>(solution.figures.size());
    const figure::FigureLayout layout = figure::LayOutFigure(
        figure::TrapezoidsToDraw(solution, decimal_separator), {0, 0, width, kHeight}, measure);
    nlohmann::json lines = nlohmann::json::array();
    for (const figure::TrapezoidShape& shape : layout.shapes) {
        AddShapeLines(shape, lines);
    }
    nlohmann::json texts = nlohmann::json::array();
    for (const figure::PlacedLabel& label : layout.labels) {
        if (label.has_leader) {
            lines.push_back(Line(label.leader, "leader"));
        }
        // Centred in its box as the window draws it; the page writes from the baseline.
        const double left = label.rect.Centre().x - measure.Width(label.text) / 2;
        const double baseline =
            label.rect.Top() + (label.rect.height - measure.LineHeight()) / 2 + measure.Ascent();
        texts.push_back({{"text", label.text}, {"x", left}, {"y", baseline}, {"italic", false}});
    }
    figures.push_back({{"heading", ""},
                       {"width", width},
                       {"height", kHeight},
                       {"lines", lines},
                       {"texts", texts},
                       {"marks", nlohmann::json::array()}});
    return figures;
}

}  // namespace web
