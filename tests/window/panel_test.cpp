// SPDX-License-Identifier: GPL-3.0-or-later
// The input panel: load state, kind selection, typing limit, locks, clear
// and focus order.
#include <QAccessible>
#include <QClipboard>
#include <QTimer>

#include "window_fixture.hpp"

using namespace window_test;

class PanelTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { window_ = OpenWindow(); }
    void cleanup() {
        QVERIFY2(!OpenMessage(*window_), "an unexpected dialog is open");
        window_.reset();
    }

    void afterLoadKindABCIsSelectedWithItsGivensUnlocked() {
        QCOMPARE(window_->List1[0]->currentRow(), trapezoid::KindIndex(trapezoid::Kind::ABC));
        QCOMPARE(window_->List1[0]->count(), 15);
        for (int i = 0; i < 6; ++i) {
            const bool given = i <= 2;
            QCOMPARE(window_->Check1[i]->isChecked(), given);
            QVERIFY(!window_->Check1[i]->isEnabled());
            QCOMPARE(window_->Text2[i]->isReadOnly(), !given);
            QVERIFY(window_->Text2[i]->text().isEmpty());
        }
        QCOMPARE(QApplication::focusWidget(), window_->Text1[0]);
    }

    void selectingAKindEmptiesAllBoxesAndArmsItsGivens_data() {
        QTest::addColumn<int>("kind");
        for (int kind = 0; kind < trapezoid::kKindCount; ++kind) {
            QTest::newRow(trapezoid::kKinds[kind].list_text.data()) << kind;
        }
    }
    void selectingAKindEmptiesAllBoxesAndArmsItsGivens() {
        QFETCH(int, kind);
        using trapezoid::Kind;
        SelectKind(*window_, kind == trapezoid::KindIndex(Kind::ABC) ? Kind::ABH : Kind::ABC);
        for (QLineEdit* box : window_->Text2) {
            SetProgramText(box, QStringLiteral("9.0000000"));
        }
        SelectKind(*window_, kind);
        for (int i = 0; i < 6; ++i) {
            const bool given = trapezoid::IsGiven(kind, i);
            QCOMPARE(window_->Check1[i]->isChecked(), given);
            QVERIFY(!window_->Check1[i]->isEnabled());
            QCOMPARE(window_->Text2[i]->isReadOnly(), !given);
            QVERIFY(window_->Text2[i]->text().isEmpty());
        }
    }

    void typingAndPastingStopAtSevenCharacters_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");  // -1: at the end
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("an eighth typed character is refused") << "" << -1 << 0 << ""
                                                              << "12345678"
                                                              << "1234567";
        QTest::newRow("a paste inserts what fits") << "12345" << -1 << 0 << "abcdefgh"
                                                   << ""
                                                   << "12345ab";
        QTest::newRow("a paste next to the same digit keeps the text behind the cursor")
            << "11" << 1 << 0 << "1234567"
            << ""
            << "1123451";
        QTest::newRow("a long program text refuses a typed character")
            << "18.0000000" << -1 << 0 << ""
            << "5"
            << "18.0000000";
        QTest::newRow("a typed character replacing part of a long text is refused")
            << "18.0000000" << 0 << 2 << ""
            << "5"
            << "18.0000000";
    }
    void typingAndPastingStopAtSevenCharacters() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(int, selected);
        QFETCH(QString, clipboard);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QLineEdit* box = window_->Text2[0];
        SetProgramText(box, before);
        box->setFocus();
        if (cursor < 0) {
            box->end(false);
        } else {
            box->setSelection(cursor, selected);
        }
        if (!clipboard.isEmpty()) {
            QApplication::clipboard()->setText(clipboard);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), after);
    }

    void aLongProgramTextCanStillBeShortened() {
        QLineEdit* box = window_->Text2[0];
        SetProgramText(box, QStringLiteral("18.0000000"));
        box->setFocus();
        box->end(false);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(box, Qt::Key_Backspace);
        }
        QCOMPARE(box->text(), QStringLiteral("18.0000"));
        QTest::keyClicks(box, QStringLiteral("12"));
        QCOMPARE(box->text(), QStringLiteral("18.0000"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("12"));
        QCOMPARE(box->text(), QStringLiteral("18.0001"));
    }

    void aLockedBoxRefusesEditsButAllowsCopying() {
        QLineEdit* locked = window_->Text2[trapezoid::QuantityIndex::S];
        SetProgramText(locked, QStringLiteral("18.0000000"));
        QApplication::clipboard()->setText(QStringLiteral("7"));
        locked->setFocus();
        QCOMPARE(QApplication::focusWidget(), locked);
        QTest::keyClicks(locked, QStringLiteral("5"));
        QTest::keyClick(locked, Qt::Key_Backspace);
        QTest::keyClick(locked, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(locked->text(), QStringLiteral("18.0000000"));
        QTest::keyClick(locked, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(locked, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("18.0000000"));
    }

    void clickingAGivenMarkChangesNothing() {
        QTest::mouseClick(window_->Check1[3], Qt::LeftButton);
        QTest::mouseClick(window_->Check1[0], Qt::LeftButton);
        QVERIFY(!window_->Check1[3]->isChecked());
        QVERIFY(window_->Check1[0]->isChecked());
    }

    void clearEmptiesTheBoxesAndKeepsTheRest() {
        SelectKind(*window_, trapezoid::Kind::SPH);
        for (QLineEdit* box : window_->Text2) {
            SetProgramText(box, QStringLiteral("1.0000000"));
        }
        const QString assignment = window_->Text1[0]->toPlainText();
        QTest::mouseClick(window_->Command1[1], Qt::LeftButton);
        QCOMPARE(BoxTexts(*window_), QStringList(6, QString()));
        QCOMPARE(window_->List1[0]->currentRow(), trapezoid::KindIndex(trapezoid::Kind::SPH));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(window_->Check1[i]->isChecked(),
                     trapezoid::IsGiven(trapezoid::KindIndex(trapezoid::Kind::SPH), i));
            QCOMPARE(window_->Text2[i]->isReadOnly(),
                     !trapezoid::IsGiven(trapezoid::KindIndex(trapezoid::Kind::SPH), i));
        }
        QCOMPARE(window_->Text1[0]->toPlainText(), assignment);
    }

    void tabVisitsTheControlsInOrderWithTheAreaBoxLast() {
        const QList<QWidget*> order = {
            window_->Text2[0], window_->Text2[1], window_->Text2[2],    window_->Text2[3],
            window_->Text2[4], window_->List1[0], window_->Command1[0], window_->Command1[1],
            window_->Picture1, window_->Text2[5], window_->Text1[0]};
        window_->Text1[0]->setFocus();
        for (QWidget* expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
    }

    void theKeyboardReachesEveryAction() {
        window_->List1[0]->setFocus();
        QTest::keyClick(window_->List1[0], Qt::Key_Down);
        QCOMPARE(window_->List1[0]->currentRow(), 1);
        QVERIFY(window_->Check1[trapezoid::QuantityIndex::H]->isChecked());
        QTest::keyClicks(window_->Text2[0], QStringLiteral("6"));
        QTest::keyClicks(window_->Text2[1], QStringLiteral("5"));
        QTest::keyClicks(window_->Text2[3], QStringLiteral("4"));
        window_->Command1[0]->setFocus();
        QTest::keyClick(window_->Command1[0], Qt::Key_Return);
        QCOMPARE(window_->Text2[2]->text(), QStringLiteral("3.0000000"));
        window_->Command1[1]->setFocus();
        QTest::keyClick(window_->Command1[1], Qt::Key_Space);
        QCOMPARE(BoxTexts(*window_), QStringList(6, QString()));
    }

    void everyFocusableControlHasABulgarianAccessibleName() {
        const std::pair<QWidget*, QString> expected[] = {
            {window_->Text2[0], QStringLiteral("a - по-голямата основа")},
            {window_->Text2[1], QStringLiteral("b - бедро")},
            {window_->Text2[5], QStringLiteral("S - лице")},
            {window_->List1[0], QStringLiteral("Дадени")},
            {window_->Command1[0], QStringLiteral("Изчисли")},
            {window_->Command1[1], QStringLiteral("Изчисти")},
            {window_->Text1[0], QStringLiteral("Задание")},
        };
        for (const auto& [control, name] : expected) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), name);
        }
        QVERIFY(!QAccessible::queryAccessibleInterface(window_->Picture1)
                     ->text(QAccessible::Description)
                     .isEmpty());
    }

    // On X a drag out of the box used to leave its auto-scroll timer starting
    // new drags that swallowed every click. Run again under a virtual X
    // server: the offscreen platform ends every drag at once.
    void aClickOnTheListAnswersAfterADragOutOfTheAssignmentBox() {
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            QSKIP("needs real drag and drop");
        }
        QWindow* surface = window_->windowHandle();
        QListWidget* list = window_->List1[0];
        const QPoint start = window_->Text1[0]->viewport()->mapTo(window_.get(), QPoint(60, 10));
        const QPoint end = window_->Text2[0]->mapTo(window_.get(), QPoint(10, 10));
        QCursor::setPos(window_->frameGeometry().bottomRight() + QPoint(40, 40));
        bool hung = false;  // then a click back in the box, the user's only way out
        QTimer watchdog;
        watchdog.callOnTimeout([&] {
            hung = true;
            QTest::mouseClick(surface, Qt::LeftButton, {}, start);
        });
        watchdog.start(3000);
        QTest::keyClick(window_->Text1[0], Qt::Key_A, Qt::ControlModifier);
        QTest::mousePress(surface, Qt::LeftButton, {}, start);
        QTimer::singleShot(200, &watchdog,
                           [&] { QTest::mouseRelease(surface, Qt::LeftButton, {}, end); });
        QTest::mouseMove(surface, end);  // with a drag: back after the release
        QTest::qWait(500);
        QTest::mouseClick(
            surface, Qt::LeftButton, {},
            list->viewport()->mapTo(window_.get(), list->visualItemRect(list->item(1)).center()));
        QTest::qWait(300);
        QVERIFY2(!hung, "the window stopped answering");
        QCOMPARE(list->currentRow(), 1);
    }

  private:
    std::unique_ptr<Velmora> window_;
};

WINDOW_TEST_MAIN(PanelTest)
#include "panel_test.moc"
