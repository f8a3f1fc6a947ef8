// SPDX-License-Identifier: GPL-3.0-or-later
// After a solve every box explains its value: a result by the steps that lead
// to it, a given as given; an edit, "Изчисти" or another kind drops it all.
#include <QWhatsThis>

#include "window_fixture.hpp"

using namespace window_test;
using trapezoid::Kind;

namespace {

std::unique_ptr<Velmora> SolvedWindow(Kind kind, const QStringList& givens) {
    auto window = OpenWindow();
    TypeGivens(*window, kind, givens);
    QTest::mouseClick(window->Command1[0], Qt::LeftButton);
    return window;
}

}  // namespace

class ExplanationTest : public QObject {
    Q_OBJECT
  private slots:
    void eachBoxExplainsItsValue_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("givens");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("explanation");
        const int abc = trapezoid::KindIndex(Kind::ABC), pbc = trapezoid::KindIndex(Kind::PBC);
        QTest::newRow("a result") << abc << QStringList{"6", "5", "3"} << 3
                                  << "4.0000000\nm = a − c = 6 − 3 = 3\n"
                                     "h = √(b² − m²) = √(5² − 3²) = 4";
        QTest::newRow("a given") << abc << QStringList{"6", "5", "3"} << 0 << "6.0000000\nдадено";
        QTest::newRow("the first of two P,b,c trapezoids")
            << pbc << QStringList{"5", "3", "18"} << 3
            << "4.0000000\nПърва възможност:\nx = P − b − 2·c = 18 − 5 − 2·3 = 7\n"
               "r = √(x² − 2·(x² − b²)) = √(7² − 2·(7² − 5²)) = 1\nm = (x − r) / 2 = (7 − 1) / 2 = "
               "3\n"
               "a = c + m = 3 + 3 = 6\nh = P − a − b − c = 18 − 6 − 5 − 3 = 4";
        QTest::newRow("the only P,b,c trapezoid")
            << pbc << QStringList{"5", "3", "15"} << 0
            << "2.0845241\nИма една възможност:\nx = P − b − 2·c = 15 − 5 − 2·3 = 4\n"
               "r = √(x² − 2·(x² − b²)) = √(4² − 2·(4² − 5²)) = √34 ≈ 5.8309519\n"
               "m = (x − r) / 2 = (4 − √34) / 2 = (4 − √34)/2 ≈ −0.9154759\n"
               "a = c + m = 3 + (4 − √34)/2 = (10 − √34)/2 ≈ 2.0845241";
    }
    void eachBoxExplainsItsValue() {
        QFETCH(int, kind);
        QFETCH(QStringList, givens);
        QFETCH(int, box);
        QFETCH(QString, explanation);
        auto window = SolvedWindow(trapezoid::KindAt(kind), givens);
        QLineEdit* explained = window->Text2[static_cast<std::size_t>(box)];
        QCOMPARE(explained->toolTip(), explanation);
        QCOMPARE(explained->accessibleDescription(), explanation);
        explained->setFocus();
        QTest::keyClick(explained, Qt::Key_F1, Qt::ShiftModifier);  // What's This
        QVERIFY(QApplication::activePopupWidget());
        QWhatsThis::hideText();
    }

    void theExplanationsGoWhenTheyNoLongerHold_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("a box is edited") << "edit";
        QTest::newRow("the boxes are cleared") << "clear";
        QTest::newRow("the kind changes") << "kind";
    }
    void theExplanationsGoWhenTheyNoLongerHold() {
        QFETCH(QString, action);
        auto window = SolvedWindow(Kind::ABH, {"1234567", "5", "4"});
        QLineEdit* b = window->Text2[1];
        if (action == "edit") {
            b->end(false);
            QTest::keyClick(b, Qt::Key_Backspace);
        } else if (action == "clear") {
            QTest::mouseClick(window->Command1[1], Qt::LeftButton);
        } else {
            SelectKind(*window, Kind::ABC);
        }
        for (std::size_t i = 0; i < window->Text2.size(); ++i) {
            // Only the whole text of a text wider than its box is left, and
            // after an edit the results say they belong to the earlier givens.
            QLineEdit* box = window->Text2[i];
            const QString earlier =
                action == "edit" &&
                        !trapezoid::IsGiven(trapezoid::KindIndex(Kind::ABH), static_cast<int>(i))
                    ? "Стойност от предишното изчисление (a = 1234567; b = 5; h = 4). "
                      "Натиснете „Изчисли“."
                    : QString();
            const QString whole = box->text().size() > 10 ? box->text() : QString();
            const QString tooltip =
                whole.isEmpty() || earlier.isEmpty() ? whole + earlier : whole + '\n' + earlier;
            QCOMPARE(box->toolTip(), tooltip);
            QCOMPARE(box->accessibleDescription(), earlier);
            QCOMPARE(box->whatsThis(), earlier);
        }
    }
};

WINDOW_TEST_MAIN(ExplanationTest)
#include "explanation_test.moc"
