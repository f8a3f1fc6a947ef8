// SPDX-License-Identifier: GPL-3.0-or-later
// The message after a solve that writes nothing: for each kind, the given or
// result that breaks a condition, with the user's numbers in the user's form,
// and the step that went wrong.
#include <QTest>

#include "solve_message.hpp"

using trapezoid::Kind;

namespace {

trapezoid::NumberSettings Settings(bool bulgarian) {
    if (bulgarian) {
        return {",", "\xC2\xA0", {3}, true, trapezoid::NegativeFormat::LeadingMinus};
    }
    return {".", ",", {3}, true, trapezoid::NegativeFormat::LeadingMinus};
}

// Solves `kind` from its givens, as the window passes them, and returns the message.
QString MessageFor(Kind kind, const QStringList& givens, bool bulgarian) {
    const int index = trapezoid::KindIndex(kind);
    std::array<bool, trapezoid::kQuantityCount> marks{};
    std::array<std::string, trapezoid::kQuantityCount> texts;
    const auto& indices = trapezoid::kKinds[static_cast<std::size_t>(index)].givens;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const auto box = static_cast<std::size_t>(indices[i]);
        marks[box] = true;
        texts[box] = givens[static_cast<qsizetype>(i)].toStdString();
    }
    const trapezoid::NumberSettings settings = Settings(bulgarian);
    const trapezoid::SolveOutcome outcome = trapezoid::Solve(index, marks, texts, settings);
    return SolveMessageText(outcome, index, marks, texts, settings);
}

}  // namespace

class SolveMessageTest : public QObject {
    Q_OBJECT
  private slots:
    void namesTheBrokenConditionWithTheUsersNumbers_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("givens");
        QTest::addColumn<bool>("bulgarian");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("step");  // the step that went wrong, on a line of its own
        // No trapezoid: one case for every kind, and every way a result fails.
        QTest::newRow("a,b,c: b = |a - c|")
            << Kind::ABC << QStringList{"6", "3", "3"} << true
            << QStringList{"височината h излиза 0,0000000", "Бедрото b = 3 трябва да е по-дълго",
                           "|a − c| = 3"}
            << QStringLiteral("h = √(b² − m²) = √(3² − 3²) = 0");
        QTest::newRow("a,b,h: c below 0")
            << Kind::ABH << QStringList{"2", "5", "3"} << false
            << QStringList{"основата c излиза -2.0000000", "b = 5 е твърде дълго", "a = 2", "h = 3",
                           "b < √(a² + h²) = 3.60555127546399"}
            << QStringLiteral("c = a − m = 2 − 4 = −2");
        QTest::newRow("a,c,h: too small for doubles")
            << Kind::ACH << QStringList{"1e-200", "1e-200", "1e-200"} << false
            << QStringList{"бедрото b излиза 0.0000000", "твърде малки"}
            << QStringLiteral("b = √(m² + h²) = √(0² + 1E-200²) ≈ 0");
        QTest::newRow("b,c,h: too small for doubles")
            << Kind::BCH << QStringList{"1e-200", "1e-200", "1e-200"} << true
            << QStringList{"лицето S излиза 0,0000000", "твърде малки"}
            << QStringLiteral("S = (a + c)·h / 2 = (1E-200 + 1E-200)·1E-200 / 2 ≈ 0");
        QTest::newRow("P,a,b: c below 0")
            << Kind::PAB << QStringList{"2", "5", "9"} << true
            << QStringList{"основата c излиза -1,5355339", "P = 9 е твърде малък", "a = 2", "b = 5",
                           "P > a + b + √(b² − a²) = 11,5825756949558"}
            << QStringLiteral("c = a − m = 2 − 5√2/2 = (4 − 5√2)/2 ≈ −1,5355339");
        QTest::newRow("P,a,b: P not above 2a")
            << Kind::PAB << QStringList{"10", "5", "19"} << false
            << QStringList{"височината h, която периметърът оставя, излиза -1.1291713",
                           "P = 19 е твърде малък за основа a = 10", "P > 2·a = 20"}
            << QStringLiteral("h′ = d + m = (−6) + (6 + √14)/2 = (√14 − 6)/2 ≈ −1.1291713");
        QTest::newRow("P,a,c: b below 0")
            << Kind::PAC << QStringList{"5", "3", "4"} << true
            << QStringList{
                   "бедрото b излиза -2,5000000. Периметърът P = 4 е твърде малък за "
                   "основи a = 5 и c = 3",
                   "P > 2·max(a, c) = 10"}
            << QStringLiteral("b = (u + (a − c)² / u) / 2 = ((−4) + (5 − 3)² / (−4)) / 2 = −2,5");
        QTest::newRow("P,a,c: P not above 2 max(a, c)")
            << Kind::PAC << QStringList{"6", "3", "10"} << false
            << QStringList{"височината h, която периметърът оставя, излиза -4.0000000", "P = 10",
                           "a = 6 и c = 3", "P > 2·max(a, c) = 12"}
            << QStringLiteral("h′ = u − b = 1 − 5 = −4");
        QTest::newRow("P,a,h: b below 0")
            << Kind::PAH << QStringList{"6", "4", "14"} << true
            << QStringList{"бедрото b излиза -5,0000000",
                           "P = 14 е твърде малък за основа a = 6 и височина h = 4",
                           "P > a + h + √(a² + h²) = 17,211102550928"}
            << QStringLiteral("b = (d + h² / d) / 2 = ((−2) + 4² / (−2)) / 2 = −5");
        QTest::newRow("P,a,h: c longer than a")
            << Kind::PAH << QStringList{"6", "4", "22"} << false
            << QStringList{"периметърът оставя основа c = 7.6666667, по-дълга от основата a = 6",
                           "P = 22 е твърде голям", "P ≤ 2·(a + h) = 20"}
            << QStringLiteral("m′ = b − d = 13/3 − 6 = −5/3 ≈ −1.6666667");
        QTest::newRow("P,b,c: a below 0")
            << Kind::PBC << QStringList{"5", "1", "10"} << true
            << QStringList{"основата a излиза -0,7015621",
                           "P = 10 е твърде малък за бедро b = 5 и основа c = 1",
                           "P > b + c + √(b² − c²) = 10,8989794855664"}
            << QStringLiteral("a = c + m = 1 + (3 − √41)/2 = (5 − √41)/2 ≈ −0,7015621");
        QTest::newRow("P,b,c: h below 0")
            << Kind::PBC << QStringList{"5", "4.9", "8"} << false
            << QStringList{"височината h излиза -2.4304640", "основа c = 4.9", "P > 2·c = 9.8"}
            << QStringLiteral(
                   "h = P − a − b − c = 8 − (15 − √94)/10 − 5 − 4.9 = (√94 − 34)/10 ≈ −2.430464");
        QTest::newRow("P,b,h: c below 0")
            << Kind::PBH << QStringList{"5", "4", "10"} << true
            << QStringList{"основата c излиза -1,0000000", "бедро b = 5 и височина h = 4",
                           "P > b + h + √(b² − h²) = 12"}
            << QStringLiteral("c = (P − b − h − m) / 2 = (10 − 5 − 4 − 3) / 2 = −1");
        QTest::newRow("P,c,h: a zero")
            << Kind::PCH << QStringList{"3", "4", "12"} << false
            << QStringList{"основата a излиза 0.0000000", "основа c = 3 и височина h = 4",
                           "P > c + h + √(c² + h²) = 12"}
            << QStringLiteral("a = P − c − b − h = 12 − 3 − 5 − 4 = 0");
        QTest::newRow("S,a,c: too different for doubles")
            << Kind::SAC << QStringList{"1e300", "1e300", "1e-300"} << true
            << QStringList{"бедрото b излиза 0,0000000", "твърде различни по големина"}
            << QStringLiteral("b = √(m² + h²) = √(0² + 0²) ≈ 0");
        QTest::newRow("S,a,h: c below 0")
            << Kind::SAH << QStringList{"10", "1", "1"} << false
            << QStringList{"основата c излиза -8.0000000",
                           "Лицето S = 1 е твърде малко за основа a = 10 и височина h = 1",
                           "S > a·h / 2 = 5"}
            << QStringLiteral("c = 2·S / h − a = 2·1 / 1 − 10 = −8");
        QTest::newRow("S,b,h: c below 0")
            << Kind::SBH << QStringList{"5", "4", "5"} << true
            << QStringList{"основата c излиза -0,2500000", "бедро b = 5 и височина h = 4",
                           "S > h·√(b² − h²) / 2 = 6"}
            << QStringLiteral("c = (2·S / h − m) / 2 = (2·5 / 4 − 3) / 2 = −0,25");
        QTest::newRow("S,c,h: a below 0") << Kind::SCH << QStringList{"3", "4", "4"} << false
                                          << QStringList{"основата a излиза -1.0000000",
                                                         "S = 4 е твърде малко", "S > c·h / 2 = 6"}
                                          << QStringLiteral("a = 2·S / h − c = 2·4 / 4 − 3 = −1");
        QTest::newRow("S,P,h: b below 0")
            << Kind::SPH << QStringList{"1", "2", "2"} << true
            << QStringList{"бедрото b излиза -3,0000000", "P = 2 е твърде малък",
                           "P ≥ 2·h + 2·S / h = 6"}
            << QStringLiteral("b = P − h − t = 2 − 1 − 4 = −3");
        QTest::newRow("S,P,h: c below 0")
            << Kind::SPH << QStringList{"3", "13", "6"} << false
            << QStringList{"основата c излиза -0.5980762",
                           "P = 13 е твърде голям за лице S = 6 и височина h = 3",
                           "√((2·S / h)² + h²) = 12"}
            << QStringLiteral("c = (t − m) / 2 = (4 − 3√3) / 2 = (4 − 3√3)/2 ≈ −0.5980762");
        // Every square root that can meet a negative number.
        QTest::newRow("root of a,b,c")
            << Kind::ABC << QStringList{"6", "2", "3"} << true
            << QStringList{"бедрото b = 2 е по-късо от разликата на основите |a − c| = 3"}
            << QStringLiteral("h = √(b² − m²) = √(2² − 3²)");
        const QStringList shorter = {"бедрото b = 3 е по-късо от височината h = 4", "правоъгълник"};
        QTest::newRow("root of a,b,h") << Kind::ABH << QStringList{"6", "3", "4"} << false
                                       << shorter << QStringLiteral("m = √(b² − h²) = √(3² − 4²)");
        QTest::newRow("root of b,c,h") << Kind::BCH << QStringList{"3", "3", "4"} << true << shorter
                                       << QStringLiteral("m = √(b² − h²) = √(3² − 4²)");
        QTest::newRow("root of P,b,h") << Kind::PBH << QStringList{"3", "4", "18"} << false
                                       << shorter << QStringLiteral("m = √(b² − h²) = √(3² − 4²)");
        QTest::newRow("root of S,b,h") << Kind::SBH << QStringList{"3", "4", "18"} << true
                                       << shorter << QStringLiteral("m = √(b² − h²) = √(3² − 4²)");
        QTest::newRow("root of P,a,b")
            << Kind::PAB << QStringList{"2", "5", "18"} << false
            << QStringList{"основа a = 2 и бедро b = 5 периметърът P = 18 не е възможен",
                           "|P − 2·a − b| = 9 надвишава b·√2 = 7.07106781186548"}
            << QStringLiteral("m = (−d + √(d² + 4·q)) / 2 = (−9 + √(9² + 4·(−28))) / 2");
        QTest::newRow("root of P,b,c")
            << Kind::PBC << QStringList{"10", "2", "30"} << true
            << QStringList{"бедро b = 10 и основа c = 2 периметърът P = 30 не е възможен",
                           "|P − b − 2·c| = 16 надвишава b·√2 = 14,142135623731"}
            << QStringLiteral("r = √(x² − 2·(x² − b²)) = √(16² − 2·(16² − 10²))");
        QTest::newRow("root of S,P,h")
            << Kind::SPH << QStringList{"4", "18", "24"} << false
            << QStringList{"b = P − h − 2·S / h = 2", "периметъра P = 18 при лице S = 24",
                           "височината h = 4", "P ≥ 2·h + 2·S / h = 20"}
            << QStringLiteral("m = √(b² − h²) = √(2² − 4²)");
        // Every divisor that can be zero.
        QTest::newRow("divisor of P,a,c")
            << Kind::PAC << QStringList{"6", "3", "9"} << true
            << QStringList{"P = 9 е равен на сбора на основите a + c = 9", "2·max(a, c) = 12"}
            << QStringLiteral("b = (u + (a − c)² / u) / 2 = (0 + (6 − 3)² / 0) / 2");
        QTest::newRow("divisor of P,a,h")
            << Kind::PAH << QStringList{"6", "4", "16"} << false
            << QStringList{"P = 16 е равен на 2·a + h = 16", "a + h + √(a² + h²) = 17.211102550928"}
            << QStringLiteral("b = (d + h² / d) / 2 = (0 + 4² / 0) / 2");
        QTest::newRow("divisor of P,c,h")
            << Kind::PCH << QStringList{"3", "4", "10"} << true
            << QStringList{"P = 10 е равен на 2·c + h = 10", "c + h + √(c² + h²) = 12"}
            << QStringLiteral("b = (u + h² / u) / 2 = (0 + 4² / 0) / 2");
        QTest::newRow("overflow") << Kind::ABC << QStringList{"1e200", "1e200", "1"} << false
                                  << QStringList{"Числата са твърде големи"}
                                  << QStringLiteral("h = √(b² − m²) = √(1E+200² − 1E+200²)");
    }
    void namesTheBrokenConditionWithTheUsersNumbers() {
        QFETCH(Kind, kind);
        QFETCH(QStringList, givens);
        QFETCH(bool, bulgarian);
        QFETCH(QStringList, words);
        QFETCH(QString, step);
        const QString text = MessageFor(kind, givens, bulgarian);
        // The explanation, the step that went wrong, and that nothing changed.
        const QStringList lines = text.split(u'\n');
        QCOMPARE(lines.size(), 3);
        for (const QString& word : words) {
            QVERIFY2(lines[0].contains(word), qPrintable(lines[0] + "\n  lacks: " + word));
        }
        QCOMPARE(lines[1], step);
        QCOMPARE(lines[2], QStringLiteral("Стойностите в полетата не са променени."));
        // Geometry, not arithmetic.
        QVERIFY(!text.contains(QStringLiteral("отрицателно число")));
        QVERIFY(!text.contains(QStringLiteral("деление на нула")));
    }

    void saysNothingAfterASolveThatWrites() {
        QVERIFY(MessageFor(Kind::ABH, {"6", "5", "4"}, true).isEmpty());
        QVERIFY(MessageFor(Kind::ABH, {"6", "0", "4"}, true).isEmpty());  // refused silently
    }

    void showsNoStepWhereNoneWasReached() {
        QCOMPARE(MessageFor(Kind::ABH, {"1e400", "5", "4"}, true),
                 QStringLiteral("Числата са твърде големи, за да бъдат пресметнати. Стойностите в "
                                "полетата не са променени."));
    }
};

QTEST_APPLESS_MAIN(SolveMessageTest)
#include "solve_message_test.moc"
