// SPDX-License-Identifier: GPL-3.0-or-later
#include "trapezoid_drawing.hpp"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>

#include <iterator>

namespace {

constexpr int kBorderWidth = 2;

struct Letter {
    QPoint centre;
    QChar glyph;
};

constexpr QPoint kD{18, 24};
constexpr QPoint kC{129, 24};
constexpr QPoint kA{18, 185};
constexpr QPoint kB{157, 185};
constexpr QPoint kH{129, 185};

const Letter kLetters[] = {
    {{19, 9}, u'D'},    {{75, 9}, u'c'},    {{131, 9}, u'C'},   {{7, 97}, u'h'},
    {{119, 101}, u'h'}, {{157, 101}, u'b'}, {{141, 174}, u'm'}, {{19, 196}, u'A'},
    {{77, 195}, u'a'},  {{129, 197}, u'H'}, {{158, 196}, u'B'},
};

// Pixel size at which the serif capitals are about 11 px tall. It is the pixel
// size of the window's 12 pt texts at 96 dpi, so the letters share their glyphs.
constexpr int kLetterPixelSize = 16;

QFont LetterFont() {
    QFont font(SerifFamilyName());
    font.setPixelSize(kLetterPixelSize);
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

// True when one logical pixel covers more than one device pixel, so that the
// drawing can be rendered as smooth vectors instead of aligned single pixels.
bool IsHighResolution(const QPainter& painter) {
    const QTransform transform = painter.deviceTransform();
    const qreal scale = qMax(qAbs(transform.m11()), qAbs(transform.m22()));
    return scale > 1.01;
}

void PaintLines(QPainter& painter) {
    if (IsHighResolution(painter)) {
        // 1 px wide strokes through the pixel centres cover exactly the pixels that
        // the aligned rendering lights, but stay smooth when scaled. The outline is
        // one closed polygon so that its corners are mitred, not capped.
        const QPointF centre(0.5, 0.5);
        const QPointF outline[] = {QPointF(kD) + centre, QPointF(kC) + centre, QPointF(kB) + centre,
                                   QPointF(kA) + centre};
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPolygon(outline, int(std::size(outline)));
        painter.drawLine(QPointF(kC) + centre, QPointF(kH) + centre);
    } else {
        // Aliased 1 px lines light the pixels whose top-left corners lie on the
        // coordinates, so a line from (18,24) to (129,24) is row 24, columns 18..129.
        const QLine lines[] = {{kD, kC}, {kA, kD}, {kA, kB}, {kC, kB}, {kC, kH}};
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 1.0));
        painter.drawLines(lines, int(std::size(lines)));
    }
}

void PaintLetters(QPainter& painter) {
    const QFont font = LetterFont();
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const Letter& letter : kLetters) {
        // Centre the letter's ink on the centre of the pixel at its point; the
        // whole-pixel baseline keeps the hinted glyph sharp at 1x.
        const QRectF ink = metrics.boundingRect(letter.glyph);
        const QPointF target = QPointF(letter.centre) + QPointF(0.5, 0.5);
        const QPointF origin = target - ink.center();
        painter.drawText(QPointF(qRound(origin.x()), qRound(origin.y())), QString(letter.glyph));
    }
}

}  // namespace

void PaintTrapezoidDrawing(QPainter& painter) {
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), kTrapezoidDrawingSize), Qt::white);
    PaintLines(painter);
    PaintLetters(painter);
    painter.restore();
}

TrapezoidPicture::TrapezoidPicture(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(QStringLiteral("Чертеж на правоъгълния трапец ABCD"));
    setAccessibleDescription(QStringLiteral(
        "Правоъгълен трапец ABCD с долна основа AB = a, горна основа DC = c, "
        "бедро AD, перпендикулярно на двете основи и равно на височината h, и наклонено "
        "бедро BC = b. От върха C е спусната височината CH = h към основата AB, а "
        "отсечката HB е означена с m."));
}

QSize TrapezoidPicture::sizeHint() const {
    return kTrapezoidDrawingSize + QSize(2 * kBorderWidth, 2 * kBorderWidth);
}

QSize TrapezoidPicture::minimumSizeHint() const {
    return sizeHint();
}

void TrapezoidPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (hasFocus()) {
        // Focus shows in the inner line of the border, so the drawing stays as it is.
        // The stroke runs through the pixel centres of that line to stay sharp.
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.0, Qt::SolidLine, Qt::SquareCap,
                            Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    PaintTrapezoidDrawing(painter);
}
