// SPDX-License-Identifier: GPL-3.0-or-later
#include "burger_icon.hpp"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// The burger is laid out on a 32 x 32 grid; the scalable icon file uses the
// same shapes and colours.
constexpr qreal kGrid = 32.0;

const QColor kBunColour(0xC8, 0x7A, 0x2E);
const QColor kBunOutline(0x7A, 0x42, 0x16);
const QColor kSeedColour(0xFF, 0xF4, 0xD0);
const QColor kLettuceColour(0x4C, 0xAF, 0x32);
const QColor kLettuceOutline(0x2E, 0x7D, 0x1E);
const QColor kCheeseColour(0xFF, 0xD2, 0x1F);
const QColor kCheeseOutline(0xCC, 0xA8, 0x18);
const QColor kTomatoColour(0xE0, 0x30, 0x1E);
const QColor kTomatoOutline(0xAC, 0x25, 0x17);
const QColor kPattyColour(0x5B, 0x31, 0x16);
const QColor kPattyOutline(0x3A, 0x1C, 0x0A);

QPainterPath TopBun() {
    QPainterPath path(QPointF(3, 14.5));
    path.cubicTo(3, 8, 9, 4.5, 16, 4.5);
    path.cubicTo(23, 4.5, 29, 8, 29, 14.5);
    path.closeSubpath();
    return path;
}

QPainterPath BottomBun() {
    QPainterPath path(QPointF(3.5, 24.5));
    path.lineTo(28.5, 24.5);
    path.lineTo(28.5, 26);
    path.cubicTo(28.5, 27.7, 27.2, 28.5, 25.5, 28.5);
    path.lineTo(6.5, 28.5);
    path.cubicTo(4.8, 28.5, 3.5, 27.7, 3.5, 26);
    path.closeSubpath();
    return path;
}

// A leaf with a straight top edge and seven waves hanging below.
QPainterPath Lettuce() {
    QPainterPath path(QPointF(2, 14));
    path.lineTo(30, 14);
    path.lineTo(30, 16);
    for (qreal x = 30; x > 2; x -= 4) {
        path.quadTo(x - 2, 18.5, x - 4, 16);
    }
    path.closeSubpath();
    return path;
}

// A slice with one corner drooping over the tomato and the patty; its top edge
// hides under the lettuce so that no gap shows between the waves.
QPainterPath Cheese() {
    QPainterPath path(QPointF(3, 15.5));
    path.lineTo(29, 15.5);
    path.lineTo(29, 18.5);
    path.lineTo(27.5, 18.5);
    path.lineTo(26, 21.5);
    path.lineTo(24.5, 18.5);
    path.lineTo(3, 18.5);
    path.closeSubpath();
    return path;
}

struct Seed {
    QPointF centre;
    qreal angle;
};

const Seed kSeeds[] = {
    {{9.5, 9.5}, -35},  {{13, 7}, -15},     {{17.5, 6.5}, 10}, {{22, 8.5}, 30},
    {{12.5, 11.5}, -5}, {{16.5, 9.8}, -10}, {{21, 12}, 20},    {{25.5, 12}, 40},
};

void PaintSeeds(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSeedColour);
    for (const Seed& seed : kSeeds) {
        painter.save();
        painter.translate(seed.centre);
        painter.rotate(seed.angle);
        painter.drawEllipse(QPointF(0, 0), 1.0, 0.55);
        painter.restore();
    }
}

void PaintShape(QPainter& painter, const QPainterPath& path, const QColor& fill,
                const QColor& outline, qreal outlineWidth) {
    painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath RoundedBand(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

class BurgerIconEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        PaintBurger(*painter, QRectF(rect));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        PaintBurger(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    // The window system receives every size listed here as pixels when the window
    // opens, so the list stops at what title bars and task bars show; larger views
    // take the installed scalable icon.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }

    QIconEngine* clone() const override { return new BurgerIconEngine; }

    QString key() const override { return QStringLiteral("BurgerIconEngine"); }
};

}  // namespace

void PaintBurger(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / kGrid, rect.height() / kGrid);

    PaintShape(painter, BottomBun(), kBunColour, kBunOutline, 0.7);
    PaintShape(painter, RoundedBand(QRectF(3, 20.5, 26, 4), 1.8), kPattyColour, kPattyOutline, 0.5);
    PaintShape(painter, RoundedBand(QRectF(4, 18.5, 24, 2), 1.0), kTomatoColour, kTomatoOutline,
               0.4);
    PaintShape(painter, Cheese(), kCheeseColour, kCheeseOutline, 0.4);
    PaintShape(painter, Lettuce(), kLettuceColour, kLettuceOutline, 0.5);
    PaintShape(painter, TopBun(), kBunColour, kBunOutline, 0.7);
    PaintSeeds(painter);

    painter.restore();
}

QIcon BurgerIcon() {
    return QIcon(new BurgerIconEngine);
}
