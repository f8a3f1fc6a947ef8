// SPDX-License-Identifier: GPL-3.0-or-later
#include "solution_drawing.hpp"

#include <QAccessibleWidget>
#include <QPainter>

#include "figure_content.hpp"
#include "figure_painting.hpp"

namespace {

constexpr QSize kPreferredSize{760, 300};
constexpr QSize kSmallestSize{320, 200};
constexpr int kPadding = 6;

// A picture to screen readers, described in words.
QAccessibleInterface* DrawingFactory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("SolutionDrawing") && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

SolutionDrawing::SolutionDrawing(QWidget* parent) : QWidget(parent) {
    static const bool factory_installed = [] {
        QAccessible::installFactory(DrawingFactory);
        return true;
    }();
    Q_UNUSED(factory_installed);
    setAccessibleName(QStringLiteral("Чертеж"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SolutionDrawing::SetSolution(const trapezoid::WorkedSolution& solution,
                                  const QString& decimal_separator) {
    solution_ = solution;
    decimal_separator_ = decimal_separator;
    has_solution_ = true;
    setAccessibleDescription(figure::DescribeFigure(solution_));
    update();
}

void SolutionDrawing::Clear() {
    has_solution_ = false;
    setAccessibleDescription(QString());
    update();
}

QSize SolutionDrawing::sizeHint() const {
    return kPreferredSize;
}

QSize SolutionDrawing::minimumSizeHint() const {
    return kSmallestSize;
}

void SolutionDrawing::paintEvent(QPaintEvent*) {
    if (!has_solution_) {
        return;
    }
    QPainter painter(this);
    const QRectF area = QRectF(rect()).adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const QPalette& colours = palette();
    figure::PaintSolutionFigure(
        painter, area, solution_, decimal_separator_, font(),
        {colours.color(QPalette::Text), colours.color(QPalette::PlaceholderText)});
}
