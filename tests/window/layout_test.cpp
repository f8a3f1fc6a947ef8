// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fixed layout, colours, texts and drawing.
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>

#include "trapezoid_drawing.hpp"
#include "window_fixture.hpp"
#include "window_texts.hpp"

using namespace window_test;

class LayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { window_ = OpenWindow(); }
    void cleanupTestCase() { window_.reset(); }

    void everyControlHasItsPlaceAndSize_data() {
        QTest::addColumn<QWidget*>("control");
        QTest::addColumn<QRect>("geometry");
        Velmora& w = *window_;
        QTest::newRow("title label") << static_cast<QWidget*>(w.Label1[0]) << QRect(16, 0, 449, 25);
        QTest::newRow("frame") << static_cast<QWidget*>(w.Frame1) << QRect(112, 32, 153, 177);
        QTest::newRow("picture") << static_cast<QWidget*>(w.Picture1) << QRect(280, 32, 172, 212);
        QTest::newRow("given label") << static_cast<QWidget*>(w.Label1[1]) << QRect(16, 40, 81, 25);
        QTest::newRow("kind list") << static_cast<QWidget*>(w.List1[0]) << QRect(16, 64, 81, 137);
        QTest::newRow("calculate")
            << static_cast<QWidget*>(w.Command1[0]) << QRect(16, 216, 89, 25);
        QTest::newRow("clear") << static_cast<QWidget*>(w.Command1[1]) << QRect(144, 216, 89, 25);
        QTest::newRow("assignment box")
            << static_cast<QWidget*>(w.Text1[0]) << QRect(8, 248, 457, 169);
        for (int i = 0; i < 6; ++i) {
            const QByteArray symbol(trapezoid::kQuantitySymbols[i].data());
            QTest::newRow("mark " + symbol)
                << static_cast<QWidget*>(w.Check1[i]) << QRect(8, 24 + 24 * i, 41, 27);
            QTest::newRow("box " + symbol)
                << static_cast<QWidget*>(w.Text2[i]) << QRect(56, 24 + 24 * i, 89, 27);
        }
    }
    void everyControlHasItsPlaceAndSize() {
        QFETCH(QWidget*, control);
        QFETCH(QRect, geometry);
        QCOMPARE(control->geometry(), geometry);
    }

    void theWindowHasAFixedClientAreaAndItsCaption() {
        const QWidget* area = window_->ClientArea();
        const QMenuBar* bar = window_->findChild<QMenuBar*>();
        QVERIFY(bar != nullptr);
        QCOMPARE(area->geometry(), QRect(0, bar->height(), 481, 424));
        QCOMPARE(window_->size(), QSize(481, 424 + bar->height()));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QCOMPARE(window_->windowTitle(),
                 window_texts::PublisherAddress() +
                     QStringLiteral(" Математика - правоъгълен трапец, основи"));
        QCOMPARE(window_->font().pointSize(), 12);
        QCOMPARE(window_->font().family(), SerifFamilyName());
    }

    // The arrow, read only when the bar shows it, is the style's own.
    void theMenuBarsExtensionArrowIsTheStylesOwn() {
        const auto arrow = QStyle::SP_ToolBarHorizontalExtensionButton;
        const auto* proxy = dynamic_cast<QProxyStyle*>(QApplication::style());
        const QStyle* own = proxy != nullptr ? proxy->baseStyle() : QApplication::style();
        const QImage shown = QApplication::style()->standardIcon(arrow).pixmap(16).toImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown, own->standardIcon(arrow).pixmap(16).toImage());
    }

    void theStaticTextsAreShown() {
        QCOMPARE(window_->Label1[0]->text(),
                 QStringLiteral("Математика - правоъгълен трапец, основи, лице"));
        QCOMPARE(window_->Label1[1]->text(), QStringLiteral("Дадени:"));
        QCOMPARE(window_->Frame1->title(), QStringLiteral("Размери"));
        QCOMPARE(window_->Command1[0]->text(), QStringLiteral("Изчисли"));
        QCOMPARE(window_->Command1[1]->text(), QStringLiteral("Изчисти"));
        QStringList items;
        for (int row = 0; row < window_->List1[0]->count(); ++row) {
            items << window_->List1[0]->item(row)->text();
        }
        QCOMPARE(items, (QStringList{"a,b,c", "a,b,h", "a,c,h", "b,c,h", "P,a,b", "P,a,c", "P,a,h",
                                     "P,b,c", "P,b,h", "P,c,h", "S,a,c", "S,a,h", "S,b,h", "S,c,h",
                                     "S,P,h"}));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(window_->Check1[i]->text().toStdString(), trapezoid::kQuantitySymbols[i]);
        }
    }

    void theHelpTextHasSeventeenCrLfLinesAndShowsFromTheTop() {
        const QString help = window_texts::HelpText();
        QCOMPARE(help.size(), 1115);
        QCOMPARE(help.count(QStringLiteral("\r\n")), 17);
        QVERIFY(help.endsWith(QStringLiteral("Изход CD = 3, P=18, S=18\r\n")));
        QPlainTextEdit* box = window_->Text1[0];
        QCOMPARE(box->toPlainText(), QString(help).replace(QStringLiteral("\r\n"), "\n"));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
    }

    void theColoursFillTheirControls_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("window") << QPoint(5, 30) << QColor(0xC0, 0xC0, 0xFF);
        QTest::newRow("title label") << QPoint(20, 3) << QColor(0xFF, 0xC0, 0x80);
        QTest::newRow("given label") << QPoint(19, 43) << QColor(0xFF, 0xC0, 0x80);
        QTest::newRow("calculate") << QPoint(20, 220) << QColor(0x00, 0xFF, 0x00);
        QTest::newRow("clear") << QPoint(148, 220) << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("mark") << QPoint(112 + 45, 32 + 24 + 24 * 3 + 2) << QColor(0x80, 0x80, 0xFF);
        QTest::newRow("drawing background") << QPoint(282 + 60, 34 + 100) << QColor(Qt::white);
    }
    void theColoursFillTheirControls() {
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        const QImage image = window_->ClientArea()->grab().toImage();
        QCOMPARE(image.pixelColor(point).rgb(), colour.rgb());
    }

    void theDrawingShowsItsLinesAtTheirPixels_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("dark");
        QTest::newRow("top base D-C") << QPoint(70, 24) << true;
        QTest::newRow("left leg A-D") << QPoint(18, 120) << true;
        QTest::newRow("height C-H") << QPoint(129, 120) << true;
        QTest::newRow("bottom base A-B") << QPoint(60, 185) << true;
        QTest::newRow("inside the rectangle") << QPoint(70, 120) << false;
        QTest::newRow("below the bottom base") << QPoint(100, 188) << false;
    }
    void theDrawingShowsItsLinesAtTheirPixels() {
        QFETCH(QPoint, point);
        QFETCH(bool, dark);
        const QImage image = window_->Picture1->grab().toImage();
        const QPoint inside = point + QPoint(2, 2);  // the 2 px sunken border
        QCOMPARE(qGray(image.pixel(inside)) < 128, dark);
    }

    // The border is the only sign of focus and of a press, so it must follow both.
    void aButtonsBorderShowsFocusAndPress_data() {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QColor>("outer");  // the left edge's outer pixel
        QTest::addColumn<QColor>("inner");  // the pixel inside it
        const QColor fill(0x00, 0xFF, 0x00);
        QTest::newRow("idle") << false << false << QColor(0x40, 0x40, 0x40) << fill;
        QTest::newRow("focused") << true << false << QColor(Qt::black) << QColor(Qt::black);
        QTest::newRow("held down")
            << true << true << QColor(0x20, 0x20, 0x20) << QColor(0x20, 0x20, 0x20);
    }
    void aButtonsBorderShowsFocusAndPress() {
        QFETCH(bool, focused);
        QFETCH(bool, down);
        QFETCH(QColor, outer);
        QFETCH(QColor, inner);
        QPushButton* button = window_->Command1[0];
        if (focused) {
            button->setFocus();
        } else {
            window_->Text1[0]->setFocus();
        }
        button->setDown(down);
        const QImage image = button->grab().toImage();
        button->setDown(false);
        const int middle = image.height() / 2;
        QCOMPARE(image.pixelColor(0, middle).rgb(), outer.rgb());
        QCOMPARE(image.pixelColor(1, middle).rgb(), inner.rgb());
        QCOMPARE(image.pixelColor(image.width() / 2, 3).rgb(), QColor(0x00, 0xFF, 0x00).rgb());
    }

  private:
    std::unique_ptr<Velmora> window_;
};

WINDOW_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
