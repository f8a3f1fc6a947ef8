// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

// Paints a hamburger seen from the side, scaled to fill rect (a square looks
// best); everything around the burger is left untouched.
void PaintBurger(QPainter& painter, const QRectF& rect);

// The window's icon: the burger painted afresh at every requested size.
QIcon BurgerIcon();
