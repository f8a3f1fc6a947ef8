// SPDX-License-Identifier: GPL-3.0-or-later
// A solve from the window under the user's real locale, which CTest sets
// through LC_ALL: the written texts follow that locale's separators and
// grouping, and a second "Изчисли" gives the same texts.
#include "window_fixture.hpp"

using namespace window_test;

namespace {

// What the area 2469140 of kind "a,c,h" with a = 1234567, c = 3, h = 4 looks
// like in each locale the tests run under.
QString ExpectedArea(const QString& locale) {
    if (locale == u"en_US") {
        return QStringLiteral("2,469,140.0000000");
    }
    if (locale == u"de_DE") {
        return QStringLiteral("2.469.140,0000000");
    }
    if (locale == u"bg_BG") {
        return QStringLiteral("2\u00A0469\u00A0140,0000000");
    }
    if (locale == u"hi_IN") {
        return QStringLiteral("24,69,140.0000000");
    }
    if (locale == u"fr_FR") {
        return QStringLiteral("2\u202F469\u202F140,0000000");
    }
    return QString();
}

}  // namespace

class LocaleTest : public QObject {
    Q_OBJECT
  private slots:
    void aSolveWritesInTheUsersLocaleAndReadsItBack() {
        const QString locale = QLocale::system().name();
        const QString expected = ExpectedArea(locale);
        QVERIFY2(!expected.isEmpty(), qPrintable("no expectation for locale " + locale));

        auto window = OpenWindow(Velmora::SettingsSource{});  // the system's settings
        SelectKind(*window, trapezoid::Kind::ACH);
        QTest::keyClicks(window->Text2[0], QStringLiteral("1234567"));
        QTest::keyClicks(window->Text2[2], QStringLiteral("3"));
        QTest::keyClicks(window->Text2[3], QStringLiteral("4"));
        QTest::mouseClick(window->Command1[0], Qt::LeftButton);
        QCOMPARE(window->Text2[trapezoid::QuantityIndex::S]->text(), expected);

        const QStringList first = BoxTexts(*window);
        QTest::mouseClick(window->Command1[0], Qt::LeftButton);
        QCOMPARE(BoxTexts(*window), first);
    }
};

WINDOW_TEST_MAIN(LocaleTest)
#include "locale_test.moc"
