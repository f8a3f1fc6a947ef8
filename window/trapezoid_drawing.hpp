// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QSize>
#include <QString>

#include "serif_family.hpp"

class QPainter;

// Size of the trapezoid drawing in logical pixels.
inline constexpr QSize kTrapezoidDrawingSize{168, 208};

// Paints the right trapezoid ABCD with its height CH and letters on a white
// background filling 0,0..168,208. The painter's origin is the drawing's top-left
// corner and one unit is one logical pixel.
void PaintTrapezoidDrawing(QPainter& painter);

// Sunken picture box showing the drawing; the drawing fills its inside exactly.
class TrapezoidPicture : public QFrame {
    Q_OBJECT
  public:
    explicit TrapezoidPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
