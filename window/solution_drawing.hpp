// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing to scale in the solution window, in the desktop theme's colours.
#pragma once

#include <QString>
#include <QWidget>

#include "trapezoid/worked_solution.hpp"

class SolutionDrawing : public QWidget {
    Q_OBJECT
  public:
    explicit SolutionDrawing(QWidget* parent = nullptr);

    // Shows the solution's trapezoids; numbers in the labels use the separator.
    void SetSolution(const trapezoid::WorkedSolution& solution, const QString& decimal_separator);
    // Empty, before the first solve.
    void Clear();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    trapezoid::WorkedSolution solution_;
    QString decimal_separator_;
    bool has_solution_ = false;
};
