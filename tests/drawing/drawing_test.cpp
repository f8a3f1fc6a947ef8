// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

#include "burger_icon.hpp"
#include "trapezoid_drawing.hpp"

namespace {

QImage RenderDrawing(qreal ratio) {
    QImage image(kTrapezoidDrawingSize * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::red);  // anything the drawing leaves unpainted stays red
    QPainter painter(&image);
    PaintTrapezoidDrawing(painter);
    return image;
}

bool IsDark(QRgb pixel) {
    return qGray(pixel) < 128;
}
bool IsWhite(QRgb pixel) {
    return pixel == qRgb(255, 255, 255);
}

// Bounding box, in logical pixels, of the dark device pixels in a logical square.
QRectF InkBox(const QImage& image, QPoint centre, int radius) {
    const qreal ratio = image.devicePixelRatio();
    QRect box;
    const QRect area = QRect(centre * ratio, centre * ratio)
                           .adjusted(-radius * ratio, -radius * ratio, (radius + 1) * ratio - 1,
                                     (radius + 1) * ratio - 1);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (IsDark(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return QRectF(box.topLeft() / ratio, QSizeF(box.size()) / ratio);
}

}  // namespace

class DrawingTest : public QObject {
    Q_OBJECT
  private slots:
    void pixelsAtOneX_data();
    void pixelsAtOneX();
    void letters_data();
    void letters();
    void linesStayThinAtTwoX_data();
    void linesStayThinAtTwoX();
    void icon_data();
    void icon();
    void iconIsPaintedAtDeviceResolution();
    void pictureGeometry();
    void pictureTakesFocusWithoutMovingTheDrawing();
};

void DrawingTest::pixelsAtOneX_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("dark");
    // On the lines, end points included.
    QTest::newRow("D") << QPoint(18, 24) << true;
    QTest::newRow("C") << QPoint(129, 24) << true;
    QTest::newRow("A") << QPoint(18, 185) << true;
    QTest::newRow("B") << QPoint(157, 185) << true;
    QTest::newRow("H") << QPoint(129, 185) << true;
    QTest::newRow("DC middle") << QPoint(70, 24) << true;
    QTest::newRow("AD middle") << QPoint(18, 100) << true;
    QTest::newRow("AB middle") << QPoint(80, 185) << true;
    QTest::newRow("CH middle") << QPoint(129, 100) << true;
    QTest::newRow("CB upper") << QPoint(133, 47) << true;
    QTest::newRow("CB lower") << QPoint(153, 162) << true;
    // Just off the lines.
    QTest::newRow("above DC") << QPoint(70, 23) << false;
    QTest::newRow("below DC") << QPoint(70, 25) << false;
    QTest::newRow("left of AD") << QPoint(17, 100) << false;
    QTest::newRow("right of AD") << QPoint(19, 100) << false;
    QTest::newRow("above AB") << QPoint(80, 184) << false;
    QTest::newRow("below AB") << QPoint(80, 186) << false;
    QTest::newRow("left of CH") << QPoint(128, 100) << false;
    QTest::newRow("right of CH") << QPoint(130, 100) << false;
    QTest::newRow("left of CB") << QPoint(151, 162) << false;
    QTest::newRow("right of CB") << QPoint(155, 162) << false;
    QTest::newRow("past D") << QPoint(17, 24) << false;
    QTest::newRow("past B") << QPoint(158, 185) << false;
    QTest::newRow("past H") << QPoint(129, 186) << false;
    // Clear of every shape, corners of the picture included.
    QTest::newRow("inside AHCD") << QPoint(75, 100) << false;
    QTest::newRow("inside CHB") << QPoint(137, 140) << false;
    QTest::newRow("right of the figure") << QPoint(160, 50) << false;
    QTest::newRow("top-left corner") << QPoint(0, 0) << false;
    QTest::newRow("bottom-right corner") << QPoint(167, 207) << false;
}

void DrawingTest::pixelsAtOneX() {
    QFETCH(QPoint, point);
    QFETCH(bool, dark);
    const QRgb pixel = RenderDrawing(1).pixel(point);
    if (dark) {
        QVERIFY2(IsDark(pixel), qPrintable(QColor(pixel).name()));
    } else {
        QVERIFY2(IsWhite(pixel), qPrintable(QColor(pixel).name()));
    }
}

void DrawingTest::letters_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<int>("minHeight");
    QTest::addColumn<int>("maxHeight");
    struct Row {
        const char* name;
        QPoint centre;
        int minHeight;
        int maxHeight;
    };
    // Capitals are about 11 px tall; "c", "a", "m" have the x-height, "h", "b" ascenders.
    const Row rows[] = {
        {"D", {19, 9}, 10, 12},      {"c", {75, 9}, 6, 9},      {"C", {131, 9}, 10, 12},
        {"h left", {7, 97}, 11, 13}, {"h", {119, 101}, 11, 13}, {"b", {157, 101}, 11, 13},
        {"m", {141, 174}, 6, 9},     {"A", {19, 196}, 10, 12},  {"a", {77, 195}, 6, 9},
        {"H", {129, 197}, 10, 12},   {"B", {158, 196}, 10, 12},
    };
    for (qreal ratio : {1.0, 2.0}) {
        for (const Row& row : rows) {
            QTest::addRow("%s at %gx", row.name, ratio)
                << ratio << row.centre << row.minHeight << row.maxHeight;
        }
    }
}

void DrawingTest::letters() {
    QFETCH(qreal, ratio);
    QFETCH(QPoint, centre);
    QFETCH(int, minHeight);
    QFETCH(int, maxHeight);
    const QImage image = RenderDrawing(ratio);
    QVERIFY(!InkBox(image, centre, 3).isEmpty());
    // Every letter stands clear of the lines, so the whole letter lies in this square.
    const QRectF ink = InkBox(image, centre, 7);
    const QPointF offset = ink.center() - (QPointF(centre) + QPointF(0.5, 0.5));
    QVERIFY2(qAbs(offset.x()) <= 1.5 && qAbs(offset.y()) <= 1.5,
             qPrintable(QStringLiteral("ink centred %1,%2 off").arg(offset.x()).arg(offset.y())));
    QVERIFY2(ink.height() >= minHeight && ink.height() <= maxHeight,
             qPrintable(QStringLiteral("ink %1 px tall").arg(ink.height())));
}

void DrawingTest::linesStayThinAtTwoX_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("acrossRows");  // true: count down a column, else along a row
    QTest::newRow("DC") << QPoint(70, 24) << true;
    QTest::newRow("AB") << QPoint(80, 185) << true;
    QTest::newRow("AD") << QPoint(18, 100) << false;
    QTest::newRow("CH") << QPoint(129, 100) << false;
    QTest::newRow("CB") << QPoint(153, 162) << false;
}

void DrawingTest::linesStayThinAtTwoX() {
    QFETCH(QPoint, point);
    QFETCH(bool, acrossRows);
    const QImage image = RenderDrawing(2);
    const QPoint device = point * 2 + QPoint(1, 1);
    QVERIFY(IsDark(image.pixel(device)));
    int darkCount = 0;
    for (int step = -6; step <= 6; ++step) {
        const QPoint probe = device + (acrossRows ? QPoint(0, step) : QPoint(step, 0));
        darkCount += IsDark(image.pixel(probe)) ? 1 : 0;
    }
    QVERIFY2(darkCount >= 1 && darkCount <= 3, qPrintable(QString::number(darkCount)));
}

void DrawingTest::icon_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("16") << 16;
    QTest::newRow("32") << 32;
    QTest::newRow("64") << 64;
}

void DrawingTest::icon() {
    QFETCH(int, size);
    const QImage image = BurgerIcon().pixmap(QSize(size, size), 1.0).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    const int last = size - 1;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    }
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    // The patty, about two thirds down, is the darkest layer.
    const QRgb patty = image.pixel(size / 2, size * 22 / 32);
    QVERIFY2(qGray(patty) < 90, qPrintable(QColor(patty).name()));
}

void DrawingTest::iconIsPaintedAtDeviceResolution() {
    const QPixmap pixmap = BurgerIcon().pixmap(QSize(32, 32), 2.0);
    QCOMPARE(pixmap.size(), QSize(64, 64));
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    // Drawn at 64 px, not a 32 px picture enlarged.
    QImage image = pixmap.toImage();
    image.setDevicePixelRatio(1.0);
    QCOMPARE(image,
             BurgerIcon().pixmap(QSize(64, 64), 1.0).toImage().convertToFormat(image.format()));
}

void DrawingTest::pictureGeometry() {
    TrapezoidPicture picture;
    QCOMPARE(picture.sizeHint(), QSize(172, 212));
    picture.resize(picture.sizeHint());
    QCOMPARE(picture.frameWidth(), 2);
    QCOMPARE(picture.contentsRect(), QRect(2, 2, 168, 208));
    QCOMPARE(picture.focusPolicy(), Qt::StrongFocus);
    QVERIFY(!picture.accessibleName().isEmpty());
    QVERIFY(!picture.accessibleDescription().isEmpty());
}

void DrawingTest::pictureTakesFocusWithoutMovingTheDrawing() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLineEdit(&window);
    auto* picture = new TrapezoidPicture(&window);
    layout->addWidget(before);
    layout->addWidget(picture);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    const QImage unfocused = picture->grab().toImage();

    QTest::keyClick(before, Qt::Key_Tab);
    QVERIFY(picture->hasFocus());
    const QImage focused = picture->grab().toImage();

    // Grabs are in device pixels when the tests run with a scale factor.
    const qreal ratio = focused.devicePixelRatio();
    QCOMPARE(focused.size(), QSize(172, 212) * ratio);
    // Focus shows in the border: not one pixel of the drawing changes.
    const QRect drawing = picture->contentsRect();
    const QRect deviceDrawing(drawing.topLeft() * ratio, drawing.size() * ratio);
    QCOMPARE(focused.copy(deviceDrawing), unfocused.copy(deviceDrawing));
    QVERIFY(focused != unfocused);
    const QPoint origin = picture->contentsRect().topLeft();
    QVERIFY(IsDark(focused.pixel((origin + QPoint(70, 24)) * ratio)));
    QVERIFY(IsWhite(focused.pixel((origin + QPoint(75, 100)) * ratio)));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    DrawingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "drawing_test.moc"
