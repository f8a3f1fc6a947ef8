// SPDX-License-Identifier: GPL-3.0-or-later
// The window reads right: written results show their beginning, a result too
// wide for its box has the whole text as tooltip, Enter in a box calculates,
// and the toolkit's own texts are Bulgarian.
#include <QAccessible>
#include <QLibraryInfo>

#include "toolkit_translation.hpp"
#include "window_fixture.hpp"

using namespace window_test;
using trapezoid::Kind;

namespace {

// Group separators that make 1234567 wider than a box.
trapezoid::NumberSettings GroupedSettings() {
    return {".", ",", {3}, true, trapezoid::NegativeFormat::LeadingMinus};
}

}  // namespace

class ReadingTest : public QObject {
    Q_OBJECT
  private slots:
    void writtenTextsShowTheirBeginning_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("locked");
        QTest::newRow("a given, unlocked box") << int(trapezoid::QuantityIndex::A) << false;
        QTest::newRow("a result, locked box") << int(trapezoid::QuantityIndex::S) << true;
    }
    void writtenTextsShowTheirBeginning() {
        QFETCH(int, box);
        QFETCH(bool, locked);
        auto window = OpenWindow(GroupedSettings);
        SelectKind(*window, Kind::ACH);
        QTest::keyClicks(window->Text2[0], QStringLiteral("1234567"));
        QTest::keyClicks(window->Text2[2], QStringLiteral("1"));
        QTest::keyClicks(window->Text2[3], QStringLiteral("2"));
        QLineEdit* written = window->Text2[static_cast<std::size_t>(box)];
        written->setFocus();
        QTest::mouseClick(window->Command1[0], Qt::LeftButton);
        QCOMPARE(written->isReadOnly(), locked);
        QVERIFY(written->text().size() > 10);
        QCOMPARE(written->cursorPosition(), 0);
        QCOMPARE(written->toolTip(), written->text());
    }

    void aTextThatFitsHasNoTooltip() {
        auto window = OpenWindow();
        SelectKind(*window, Kind::ABH);
        QTest::keyClicks(window->Text2[0], QStringLiteral("1234567"));
        QTest::keyClicks(window->Text2[1], QStringLiteral("5"));
        QTest::keyClicks(window->Text2[3], QStringLiteral("4"));
        QTest::mouseClick(window->Command1[0], Qt::LeftButton);
        QVERIFY(!window->Text2[0]->toolTip().isEmpty());
        QCOMPARE(window->Text2[1]->toolTip(), QString());        // 5.0000000 fits
        QTest::mouseClick(window->Command1[1], Qt::LeftButton);  // "Изчисти"
        QCOMPARE(window->Text2[0]->toolTip(), QString());
    }

    void enterInABoxCalculates_data() {
        QTest::addColumn<int>("box");
        QTest::newRow("a given box") << int(trapezoid::QuantityIndex::B);
        QTest::newRow("a locked result box") << int(trapezoid::QuantityIndex::P);
    }
    void enterInABoxCalculates() {
        QFETCH(int, box);
        auto window = OpenWindow();
        SelectKind(*window, Kind::ABH);
        QTest::keyClicks(window->Text2[0], QStringLiteral("6"));
        QTest::keyClicks(window->Text2[1], QStringLiteral("5"));
        QTest::keyClicks(window->Text2[3], QStringLiteral("4"));
        QLineEdit* focused = window->Text2[static_cast<std::size_t>(box)];
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Return);
        QCOMPARE(window->Text2[2]->text(), QStringLiteral("3.0000000"));
        QCOMPARE(QApplication::focusWidget(), focused);
    }

    void theWindowIsAWindowNamedByItsTitleToAssistiveTechnology() {
        auto window = OpenWindow();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window.get());
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Window);
        QCOMPARE(accessible->text(QAccessible::Name), window->windowTitle());
        // The controls inside are still exposed.
        QVERIFY(accessible->childCount() > 0);
    }

    void toolkitTextsAreBulgarianWhenTheTranslationIsInstalled() {
        const QString file =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_bg.qm");
        if (!QFile::exists(file)) {
            QSKIP("the toolkit's Bulgarian translation is not installed");
        }
        QVERIFY(InstallToolkitTranslation(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("Добре"));
    }
};

WINDOW_TEST_MAIN(ReadingTest)
#include "reading_test.moc"
