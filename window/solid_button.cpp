// SPDX-License-Identifier: GPL-3.0-or-later
#include "solid_button.hpp"

#include <QPainter>

namespace {

const QColor kBorderColour(0x40, 0x40, 0x40);
const QColor kSunkenShadow(0x20, 0x20, 0x20);
const QColor kSunkenLight(0xA0, 0xA0, 0xA0);

// A border `width` pixels wide along the inside of `area`, drawn as filled
// rectangles so that it stays sharp at every scale.
void PaintBorder(QPainter& painter, const QRect& area, int width, const QColor& topLeft,
                 const QColor& bottomRight) {
    painter.fillRect(QRect(area.left(), area.bottom() - width + 1, area.width(), width),
                     bottomRight);
    painter.fillRect(QRect(area.right() - width + 1, area.top(), width, area.height()),
                     bottomRight);
    painter.fillRect(QRect(area.left(), area.top(), area.width(), width), topLeft);
    painter.fillRect(QRect(area.left(), area.top(), width, area.height()), topLeft);
}

}  // namespace

SolidButton::SolidButton(const QString& text, const QColor& fill, QWidget* parent)
    : QPushButton(text, parent), fill_(fill) {}

// Painted directly rather than through a style sheet, which would put a style
// sheet style in front of the application's style for these buttons and cost
// start-up time for the same look.
void SolidButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, fill_);
    if (isDown()) {
        PaintBorder(painter, area, 2, kSunkenShadow, kSunkenLight);
    } else if (hasFocus()) {
        PaintBorder(painter, area, 2, Qt::black, Qt::black);
    } else {
        PaintBorder(painter, area, 1, kBorderColour, kBorderColour);
    }
    painter.setPen(Qt::black);
    painter.drawText(isDown() ? area.translated(1, 1) : area, Qt::AlignCenter, text());
}
