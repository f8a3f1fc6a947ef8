// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure_painting.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "figure_content.hpp"
#include "figure_layout.hpp"

namespace figure {
namespace {

QPointF Unit(const QPointF& vector) {
    const double length = std::hypot(vector.x(), vector.y());
    return length > 0 ? vector / length : QPointF();
}

// The small square in the corner between the two sides leaving `corner`.
void PaintRightAngle(QPainter& painter, const QPointF& corner, const QPointF& towards_first,
                     const QPointF& towards_second, double size) {
    const QPointF first = Unit(towards_first - corner) * size;
    const QPointF second = Unit(towards_second - corner) * size;
    const QPointF mark[] = {corner + first, corner + first + second, corner + second};
    painter.drawPolyline(mark, 3);
}

void PaintShape(QPainter& painter, const TrapezoidShape& shape, double width,
                const FigureInk& ink) {
    QPen solid(ink.lines, width);
    solid.setJoinStyle(Qt::MiterJoin);
    painter.setPen(solid);
    const QPointF outline[] = {shape.A, shape.B, shape.C, shape.D};
    painter.drawPolygon(outline, 4);
    if (!shape.foot_at_b) {
        painter.drawLine(shape.C, shape.H);
    }
    QPen thin(ink.lines, width * 0.75);
    painter.setPen(thin);
    PaintRightAngle(painter, shape.A, shape.B, shape.D, shape.right_angle_mark);
    PaintRightAngle(painter, shape.D, shape.C, shape.A, shape.right_angle_mark);
    if (shape.foot_beyond_b) {
        QPen dashed(ink.faint, width, Qt::DashLine);
        painter.setPen(dashed);
        painter.drawLine(shape.B, shape.H);
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
        LayOutFigure(TrapezoidsToDraw(solution, decimal_separator), area, font);
    const double width = std::max(1.0, QFontMetricsF(font).height() / 12);
    for (const TrapezoidShape& shape : layout.shapes) {
        PaintShape(painter, shape, width, ink);
    }
    for (const PlacedLabel& label : layout.labels) {
        if (label.has_leader) {
            painter.setPen(QPen(ink.faint, width * 0.6));
            painter.drawLine(label.leader);
        }
        painter.setPen(ink.lines);
        painter.drawText(label.rect, Qt::AlignCenter, label.text);
    }
    painter.restore();
}

}  // namespace figure
