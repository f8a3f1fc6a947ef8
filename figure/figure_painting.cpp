// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure_painting.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <array>

#include "figure_layout.hpp"
#include "font_measure.hpp"
#include "side_labels.hpp"

namespace figure {
namespace {

QPointF ToQt(Point point) {
    return {point.x, point.y};
}

QLineF ToQt(const Segment& segment) {
    return {ToQt(segment.from), ToQt(segment.to)};
}

QRectF ToQt(const Rect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

// The small square in the corner between the two sides leaving `corner`.
void PaintRightAngle(QPainter& painter, Point corner, Point towards_first, Point towards_second,
                     double size) {
    const std::array<Point, 3> mark = RightAngleMark(corner, towards_first, towards_second, size);
    const QPointF points[] = {ToQt(mark[0]), ToQt(mark[1]), ToQt(mark[2])};
    painter.drawPolyline(points, 3);
}

void PaintShape(QPainter& painter, const TrapezoidShape& shape, double width,
                const FigureInk& ink) {
    QPen solid(ink.lines, width);
    solid.setJoinStyle(Qt::MiterJoin);
    painter.setPen(solid);
    const QPointF outline[] = {ToQt(shape.A), ToQt(shape.B), ToQt(shape.C), ToQt(shape.D)};
    painter.drawPolygon(outline, 4);
    if (!shape.foot_at_b) {
        painter.drawLine(ToQt(shape.C), ToQt(shape.H));
    }
    QPen thin(ink.lines, width * 0.75);
    painter.setPen(thin);
    PaintRightAngle(painter, shape.A, shape.B, shape.D, shape.right_angle_mark);
    PaintRightAngle(painter, shape.D, shape.C, shape.A, shape.right_angle_mark);
    if (shape.foot_beyond_b) {
        QPen dashed(ink.faint, width, Qt::DashLine);
        painter.setPen(dashed);
        painter.drawLine(ToQt(shape.B), ToQt(shape.H));
    }
}

}  // namespace

void PaintSolutionFigure(QPainter& painter, const QRectF& area,
                         const trapezoid::WorkedSolution& solution,
                         const QString& decimal_separator, const QFont& font,
                         const FigureInk& ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    if (solution.figures.empty()) {
        painter.setPen(ink.lines);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                         QString::fromStdString(solution.no_figure_reason));
        painter.restore();
        return;
    }
    const FigureLayout layout =
        LayOutFigure(TrapezoidsToDraw(solution, decimal_separator.toStdString()),
                     Rect{area.x(), area.y(), area.width(), area.height()}, FontMeasure(font));
    const double width = std::max(1.0, QFontMetricsF(font).height() / 12);
    for (const TrapezoidShape& shape : layout.shapes) {
        PaintShape(painter, shape, width, ink);
    }
    for (const PlacedLabel& label : layout.labels) {
        if (label.has_leader) {
            painter.setPen(QPen(ink.faint, width * 0.6));
            painter.drawLine(ToQt(label.leader));
        }
        painter.setPen(ink.lines);
        painter.drawText(ToQt(label.rect), Qt::AlignCenter, QString::fromStdString(label.text));
    }
    painter.restore();
}

}  // namespace figure
