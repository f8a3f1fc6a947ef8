// SPDX-License-Identifier: GPL-3.0-or-later
// Solving from the window: typed givens, the button clicked with the mouse,
// the report of kind "P,b,c", faults, and the regional settings.
#include "number_settings.hpp"
#include "window_fixture.hpp"
#include "window_texts.hpp"

using namespace window_test;
using trapezoid::Kind;
using trapezoid::KindIndex;

namespace {

// Selects `kind`, empties the boxes, types its givens (in ascending index order) and clicks
// "Изчисли".
void TypeAndCalculate(Velmora& window, Kind kind, const QStringList& givens) {
    SelectKind(window, kind);
    QTest::mouseClick(window.Command1[1], Qt::LeftButton);  // "Изчисти" for a repeated kind
    TypeGivens(window, kind, givens);
    QTest::mouseClick(window.Command1[0], Qt::LeftButton);
}

// The help text's trapezoid a = 6, b = 5, c = 3, h = 4, P = 18, S = 18 as written.
const QStringList kHelpTrapezoidTexts = {"6.0000000", "5.0000000",  "3.0000000",
                                         "4.0000000", "18.0000000", "18.0000000"};

const QString kFirstReport = QStringLiteral(
    "Има две възможности: \nОснова AB = 6\nВисочина AD = 4\nЛице S = 18\n"
    "Основа AB = 7\nВисочина AD = 3\nЛице S = 15\n");

}  // namespace

class SolveTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        if (window_) {
            QVERIFY2(!OpenMessage(*window_), "an unexpected dialog is open");
        }
        window_.reset();
    }

    void calculateWritesAllSixQuantities_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("givens");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("a,b,h from three lengths")
            << Kind::ABH << QStringList{"6", "5", "4"} << kHelpTrapezoidTexts;
        QTest::newRow("P,a,b with the perimeter")
            << Kind::PAB << QStringList{"10", "6", "30"}
            << QStringList{"10.0000000", "6.0000000",  "8.2583426",
                           "5.7416574",  "30.0000000", "52.4165739"};
        QTest::newRow("P,b,c with two solutions")
            << Kind::PBC << QStringList{"5", "3", "18"} << kHelpTrapezoidTexts;
        QTest::newRow("S,b,h with the area")
            << Kind::SBH << QStringList{"5", "4", "18"} << kHelpTrapezoidTexts;
        QTest::newRow("a given with trailing letters")
            << Kind::ABH << QStringList{"6cm", "5", "4"} << kHelpTrapezoidTexts;
    }
    void calculateWritesAllSixQuantities() {
        QFETCH(Kind, kind);
        QFETCH(QStringList, givens);
        QFETCH(QStringList, written);
        window_ = OpenWindow();
        TypeAndCalculate(*window_, kind, givens);
        QCOMPARE(BoxTexts(*window_), written);
    }

    void otherKindsLeaveTheHelpTextAlone() {
        window_ = OpenWindow();
        TypeAndCalculate(*window_, Kind::ABH, {"6", "5", "4"});
        QCOMPARE(window_->Text1[0]->toPlainText(),
                 window_texts::HelpText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    void eachReportOfKindPbcReplacesTheAssignmentBox() {
        window_ = OpenWindow();
        TypeAndCalculate(*window_, Kind::PBC, {"5", "3", "18"});
        QCOMPARE(window_->Text1[0]->toPlainText(), kFirstReport);
        TypeAndCalculate(*window_, Kind::PBC, {"5", "1", "14"});
        QCOMPARE(window_->Text1[0]->toPlainText(),
                 QStringLiteral("Има две възможности: \nОснова AB = 4\nВисочина AD = 4\nЛице S = "
                                "10\nОснова AB = 5\nВисочина AD = 3\nЛице S = 9\n"));
        TypeAndCalculate(*window_, Kind::ABC, {"6", "5", "3"});
        QVERIFY(window_->Text1[0]->toPlainText().startsWith(QStringLiteral("Има две")));
    }

    void aFaultWarnsAndChangesNothing_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("givens");
        QTest::newRow("square root of a negative number")
            << Kind::ABC << QStringList{"6", "2", "3"};
        QTest::newRow("division by zero") << Kind::PAC << QStringList{"6", "3", "9"};
        QTest::newRow("too large") << Kind::ABC << QStringList{"1e200", "1e200", "1"};
        QTest::newRow("P,b,c without a trapezoid") << Kind::PBC << QStringList{"10", "2", "30"};
        QTest::newRow("a negative result") << Kind::PAC << QStringList{"5", "3", "4"};
        QTest::newRow("P,b,c with a negative base") << Kind::PBC << QStringList{"5", "3", "10"};
    }
    void aFaultWarnsAndChangesNothing() {
        QFETCH(Kind, kind);
        QFETCH(QStringList, givens);
        window_ = OpenWindow();
        const QString assignment = window_->Text1[0]->toPlainText();
        TypeAndCalculate(*window_, kind, givens);
        const QStringList typed = BoxTexts(*window_);
        QMessageBox* message = OpenMessage(*window_);
        QVERIFY(message);
        QCOMPARE(message->windowTitle(), window_->windowTitle());
        QCOMPARE(message->icon(), QMessageBox::Warning);
        QVERIFY(message->text().contains(QStringLiteral("не са променени")));
        QCOMPARE(window_->Text1[0]->toPlainText(), assignment);
        message->close();
        QCOMPARE(BoxTexts(*window_), typed);
        QVERIFY(!typed.join(QString()).contains(u'.'));
    }

    void anInvalidGivenChangesNothingSilently_data() {
        QTest::addColumn<QString>("given");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-3";
        QTest::newRow("letters") << "abc";
    }
    void anInvalidGivenChangesNothingSilently() {
        QFETCH(QString, given);
        window_ = OpenWindow();
        TypeAndCalculate(*window_, Kind::ABH, {"6", given, "4"});
        QVERIFY(!OpenMessage(*window_));
        QCOMPARE(BoxTexts(*window_), (QStringList{"6", given, "", "4", "", ""}));
    }

    void aDecimalCommaIsWrittenAndReadBack() {
        window_ = OpenWindow(CommaSettings);
        TypeAndCalculate(*window_, Kind::ACH, {"5", "3", "4"});
        const QStringList first = BoxTexts(*window_);
        QCOMPARE(first, (QStringList{"5,0000000", "4,4721360", "3,0000000", "4,0000000",
                                     "16,4721360", "16,0000000"}));
        QTest::mouseClick(window_->Command1[0], Qt::LeftButton);
        QCOMPARE(BoxTexts(*window_), first);
    }

    void localeSettingsFollowTheLocalesSeparatorsAndGrouping_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("English") << "en_US"
                                 << "."
                                 << "," << QList<int>{3};
        QTest::newRow("German") << "de_DE"
                                << ","
                                << "." << QList<int>{3};
        QTest::newRow("Bulgarian") << "bg_BG"
                                   << "," << QString(QChar(0xA0)) << QList<int>{3};
        QTest::newRow("Hindi (India)") << "hi_IN"
                                       << "."
                                       << "," << QList<int>{3, 2};
    }
    void localeSettingsFollowTheLocalesSeparatorsAndGrouping() {
        QFETCH(QString, locale);
        QFETCH(QString, decimal);
        QFETCH(QString, group);
        QFETCH(QList<int>, sizes);
        const trapezoid::NumberSettings settings = NumberSettingsFromLocale(QLocale(locale));
        QCOMPARE(QString::fromStdString(settings.decimal_separator), decimal);
        QCOMPARE(QString::fromStdString(settings.group_separator), group);
        QCOMPARE(QList<int>(settings.group_sizes.begin(), settings.group_sizes.end()), sizes);
        QVERIFY(settings.leading_zero);
    }

  private:
    std::unique_ptr<Velmora> window_;
};

WINDOW_TEST_MAIN(SolveTest)
#include "solve_test.moc"
