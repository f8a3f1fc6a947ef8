// SPDX-License-Identifier: GPL-3.0-or-later
// What a box tells beyond its value: results of earlier givens are greyed and
// say so, a refused given gets the focus and a hint, and a given read only in
// part says how it was read.
#include <QLabel>
#include <QSignalSpy>

#include "window_fixture.hpp"

using namespace window_test;
using trapezoid::Kind;

namespace {

const QString kEarlier =
    QStringLiteral("Стойност от предишното изчисление (%1). Натиснете „Изчисли“.");

// Types `texts` afresh into the boxes of the givens of `kind`.
void Retype(Velmora& window, Kind kind, const QStringList& texts) {
    const auto& givens =
        trapezoid::kKinds[static_cast<std::size_t>(trapezoid::KindIndex(kind))].givens;
    for (std::size_t i = 0; i < givens.size(); ++i) {
        QLineEdit* box = window.Text2[static_cast<std::size_t>(givens[i])];
        box->selectAll();
        QTest::keyClicks(box, texts[static_cast<qsizetype>(i)]);
    }
}

}  // namespace

class BoxMarksTest : public QObject {
    Q_OBJECT
  private slots:
    void aBoxSaysWhatItsTextIs_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("first");  // typed, then "Изчисли"
        QTest::addColumn<QStringList>("then");   // typed afresh after it (none: empty)
        QTest::addColumn<bool>("press");         // "Изчисли" once more
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("greyed");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("description");
        const QString abc = kEarlier.arg("a = 2; b = 5; c = 1");
        QTest::newRow("results of givens that make no trapezoid")
            << false << Kind::ABC << QStringList{"2", "5", "1"} << QStringList{"10", "1", "1"}
            << true << 3 << true << abc << abc;
        const QString abh = kEarlier.arg("a = 1234567; b = 5; h = 4");
        QTest::newRow("a wide result after an edit: its whole text first")
            << false << Kind::ABH << QStringList{"1234567", "5", "4"} << QStringList{"1", "5", "4"}
            << false << 2 << true << "1234564.0000000\n" + abh << abh;
        const QString minus = QStringLiteral("Въведете число, по-голямо от 0 (прочетено: −5)");
        QTest::newRow("a negative given") << false << Kind::ABC << QStringList{"2", "-5", "1"}
                                          << QStringList{} << false << 1 << false << minus << minus;
        const QString empty = QStringLiteral("Въведете число, по-голямо от 0 (полето е празно)");
        QTest::newRow("an empty given") << false << Kind::ABC << QStringList{"2", "5", ""}
                                        << QStringList{} << false << 2 << false << empty << empty;
        const QString comma = QStringLiteral(
            "Прочетено като 3; „,5“ не се чете. Десетичният знак тук е точка: въведете 3.5");
        QTest::newRow("a comma where the period is the separator")
            << false << Kind::ABC << QStringList{"3,5", "5", "1"} << QStringList{} << false << 0
            << false << comma << comma;
        const QString unit =
            QStringLiteral("Прочетено като 2; „,5cm“ не се чете. Въведете 2,5 без мерна единица");
        QTest::newRow("a unit after the number")
            << true << Kind::ABC << QStringList{"2,5cm", "5", "1"} << QStringList{} << false << 0
            << false << unit << unit;
        const QString whole = QStringLiteral("3,5000000\nдадено");
        QTest::newRow("a period where the comma is the separator is read whole")
            << true << Kind::ABC << QStringList{"3.5", "5", "1"} << QStringList{} << false << 0
            << false << whole << whole;
    }
    void aBoxSaysWhatItsTextIs() {
        QFETCH(bool, comma);
        QFETCH(Kind, kind);
        QFETCH(QStringList, first);
        QFETCH(QStringList, then);
        QFETCH(bool, press);
        QFETCH(int, box);
        QFETCH(bool, greyed);
        QFETCH(QString, tooltip);
        QFETCH(QString, description);
        auto window = OpenWindow(comma ? CommaSettings : PeriodSettings);
        QSignalSpy staleness(window.get(), &Velmora::staleResultsChanged);
        TypeGivens(*window, kind, first);
        QTest::mouseClick(window->Command1[0], Qt::LeftButton);
        QLineEdit* marked = window->Text2[static_cast<std::size_t>(box)];
        const QString written = marked->text();
        if (!then.isEmpty()) {
            Retype(*window, kind, then);
        }
        if (press) {
            QTest::mouseClick(window->Command1[0], Qt::LeftButton);
            QVERIFY(OpenMessage(*window));
            OpenMessage(*window)->close();
        }
        QCOMPARE(marked->toolTip(), tooltip);
        QCOMPARE(marked->accessibleDescription(), description);
        const auto* refusal = window->findChild<QLabel*>("refusalHint");
        const bool refused = tooltip.startsWith("Въведете");
        QCOMPARE(refusal->isVisible(), refused);
        QCOMPARE(marked->hasFocus(), refused);
        QCOMPARE(window->StaleResultsNote(), greyed ? description : QString());
        QCOMPARE(staleness.count(), greyed ? 1 : 0);
        // Greyed at most #767676 on white, at least #969696 on #2d2d2d.
        const QColor text = marked->palette().color(QPalette::Text);
        QCOMPARE(text != QApplication::palette().color(QPalette::Text), greyed);
        if (greyed) {
            QCOMPARE(marked->text(), written);
            QVERIFY(text.lightness() > 0 && text.lightness() <= 0x76);
            const QPalette light = QApplication::palette();
            QPalette dark = light;
            dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
            dark.setColor(QPalette::Text, Qt::white);
            QApplication::setPalette(dark);
            QTRY_VERIFY(marked->palette().color(QPalette::Text).lightness() >= 0x96);
            QVERIFY(marked->palette().color(QPalette::Text).lightness() < 0xff);
            QApplication::setPalette(light);
        }
    }
};

WINDOW_TEST_MAIN(BoxMarksTest)
#include "box_marks_test.moc"
