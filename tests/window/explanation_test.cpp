// SPDX-License-Identifier: GPL-3.0-or-later
// After a solve every box explains its value: a result by the steps that lead
// to it, a given as given; an edit, "Изчисти" or another kind drops it all.
#include <QWhatsThis>

#include "window_fixture.hpp"

using namespace window_test;
using trapezoid::Kind;
namespace QuantityIndex = trapezoid::QuantityIndex;

namespace {

void Solve(Velmora& window, Kind kind, const QList<std::pair<int, QString>>& givens) {
    SelectKind(window, kind);
    for (const auto& [box, text] : givens) {
        QTest::keyClicks(window.Text2[static_cast<std::size_t>(box)], text);
    }
    QTest::mouseClick(window.Command1[0], Qt::LeftButton);
}

}  // namespace

class ExplanationTest : public QObject {
    Q_OBJECT
  private slots:
    void eachBoxExplainsItsValue() {
        auto window = OpenWindow();
        Solve(*window, Kind::ABC,
              {{QuantityIndex::A, "6"}, {QuantityIndex::B, "5"}, {QuantityIndex::C, "3"}});
        const QString height =
            QStringLiteral("4.0000000\nm = a − c = 6 − 3 = 3\nh = √(b² − m²) = √(5² − 3²) = 4");
        QLineEdit* h = window->Text2[QuantityIndex::H];
        QCOMPARE(h->toolTip(), height);
        QCOMPARE(h->accessibleDescription(), height);
        QCOMPARE(h->whatsThis(), height);
        QCOMPARE(window->Text2[QuantityIndex::A]->toolTip(), QStringLiteral("6.0000000\nдадено"));

        h->setFocus();
        QTest::keyClick(h, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode() || QApplication::activePopupWidget());
        QWhatsThis::hideText();
    }

    void theTwoTrapezoidsOfPbcSayWhichIsShown_data() {
        QTest::addColumn<QString>("perimeter");
        QTest::addColumn<QString>("heading");
        QTest::newRow("two possibilities") << "18"
                                           << "Първата от двете възможности:";
        QTest::newRow("one possibility") << "15"
                                         << "Единствената възможност:";
    }
    void theTwoTrapezoidsOfPbcSayWhichIsShown() {
        QFETCH(QString, perimeter);
        QFETCH(QString, heading);
        auto window = OpenWindow();
        Solve(*window, Kind::PBC,
              {{QuantityIndex::B, "5"}, {QuantityIndex::C, "3"}, {QuantityIndex::P, perimeter}});
        const QStringList lines = window->Text2[QuantityIndex::A]->toolTip().split('\n');
        QVERIFY(lines.size() > 2);
        QCOMPARE(lines[1], heading);
        QVERIFY(lines.back().startsWith(QStringLiteral("a = c + m = ")));
    }

    void theExplanationsGoWhenTheyNoLongerHold_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("a box is edited") << "edit";
        QTest::newRow("the boxes are cleared") << "clear";
        QTest::newRow("the kind changes") << "kind";
    }
    void theExplanationsGoWhenTheyNoLongerHold() {
        QFETCH(QString, action);
        auto window = OpenWindow();
        Solve(*window, Kind::ABH,
              {{QuantityIndex::A, "1234567"}, {QuantityIndex::B, "5"}, {QuantityIndex::H, "4"}});
        if (action == "edit") {
            QLineEdit* b = window->Text2[QuantityIndex::B];
            b->end(false);
            QTest::keyClick(b, Qt::Key_Backspace);
        } else if (action == "clear") {
            QTest::mouseClick(window->Command1[1], Qt::LeftButton);
        } else {
            SelectKind(*window, Kind::ABC);
        }
        for (QLineEdit* box : window->Text2) {
            QVERIFY(!box->toolTip().contains('\n'));
            QCOMPARE(box->accessibleDescription(), QString());
            QCOMPARE(box->whatsThis(), QString());
        }
        // A long text left in place keeps its whole-text tooltip.
        if (action == "edit") {
            QCOMPARE(window->Text2[QuantityIndex::A]->toolTip(),
                     window->Text2[QuantityIndex::A]->text());
        }
    }
};

WINDOW_TEST_MAIN(ExplanationTest)
#include "explanation_test.moc"
