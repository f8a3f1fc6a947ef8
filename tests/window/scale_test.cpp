// SPDX-License-Identifier: GPL-3.0-or-later
// The window at twice the scale (QT_SCALE_FACTOR=2, set by CTest): the same
// layout in logical pixels, twice the device pixels, and a crisp drawing.
#include "burger_icon.hpp"
#include "window_fixture.hpp"

using namespace window_test;

class ScaleTest : public QObject {
    Q_OBJECT
  private slots:
    void theWindowIsTwiceAsLargeWithControlsInPlace() {
        auto window = OpenWindow();
        QCOMPARE(window->devicePixelRatio(), 2.0);
        const QImage image = window->ClientArea()->grab().toImage();
        QCOMPARE(image.size(), QSize(962, 848));
        QCOMPARE(window->Picture1->geometry(), QRect(280, 32, 172, 212));
        QCOMPARE(window->Text2[5]->geometry(), QRect(56, 144, 89, 27));
        QCOMPARE(image.pixelColor(2 * 20, 2 * 220).rgb(), QColor(0x00, 0xFF, 0x00).rgb());
    }

    void theDrawingLinesStayThinAtTwiceTheScale() {
        auto window = OpenWindow();
        const QImage drawing = window->Picture1->grab().toImage();
        QCOMPARE(drawing.size(), QSize(344, 424));
        // The left leg A-D at x = 18 inside the 2 px border, halfway down.
        const int row = 2 * (2 + 120);
        int dark = 0;
        for (int x = 2 * (2 + 14); x < 2 * (2 + 22); ++x) {
            dark += qGray(drawing.pixel(x, row)) < 128 ? 1 : 0;
        }
        QVERIFY2(dark >= 1 && dark <= 3, qPrintable(QString::number(dark)));
        QCOMPARE(qGray(drawing.pixel(2 * (2 + 70), 2 * (2 + 120))), 255);
    }

    void theIconIsPaintedAtTheDeviceSize() {
        const QPixmap icon = BurgerIcon().pixmap(QSize(32, 32), 2.0);
        QCOMPARE(icon.size(), QSize(64, 64));
        const QImage image = icon.toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(32, 32)), 255);
    }
};

WINDOW_TEST_MAIN(ScaleTest)
#include "scale_test.moc"
