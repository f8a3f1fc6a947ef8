// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's solution commands and the window "Решение": it shows the worked
// solution of the latest solve, and copying gives what it shows.
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "own_problem_panel.hpp"
#include "solution_drawing.hpp"
#include "solution_menu.hpp"
#include "solution_window.hpp"
#include "window_fixture.hpp"

using namespace window_test;

namespace {

QString WorkedText(trapezoid::Kind kind, const QStringList& givens, int decimals = 7) {
    std::array<bool, trapezoid::kQuantityCount> given{};
    std::array<std::string, trapezoid::kQuantityCount> texts;
    const auto& boxes = trapezoid::kKinds[static_cast<std::size_t>(KindIndex(kind))].givens;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        given[static_cast<std::size_t>(boxes[i])] = true;
        texts[static_cast<std::size_t>(boxes[i])] = givens[static_cast<qsizetype>(i)].toStdString();
    }
    return QString::fromStdString(
        trapezoid::BuildWorkedSolution(KindIndex(kind), given, texts, PeriodSettings(), {decimals})
            .text);
}

// Givens in box order, as TypeGivens takes them.
void Solve(Velmora& window, trapezoid::Kind kind, const QStringList& givens) {
    window.ClearSizes();
    TypeGivens(window, kind, givens);
    window.Command1[0]->click();
}

SolutionWindow* OpenSolution(Velmora& window) {
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    SolutionWindow* solution = window.Menu()->Window();
    if (solution == nullptr) {
        return nullptr;
    }
    solution->activateWindow();
    if (!QTest::qWaitFor([solution] { return QApplication::activeWindow() == solution; })) {
        qWarning("the solution window did not become active");
    }
    return solution;
}

}  // namespace

class SolutionWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { window_ = OpenWindow(); }
    void cleanup() { window_.reset(); }

    void copyPdfAndPrintWaitForASolve() {
        SolutionMenu* menu = window_->Menu();
        QVERIFY(menu->ShowAction()->isEnabled());
        for (QAction* action : {menu->CopyAction(), menu->PdfAction(), menu->PrintAction()}) {
            QVERIFY(!action->isEnabled());
        }
        QVERIFY(menu->Window() == nullptr);  // created on first use
        Solve(*window_, trapezoid::Kind::ABC, {"10", "6", "5"});
        for (QAction* action : {menu->CopyAction(), menu->PdfAction(), menu->PrintAction()}) {
            QVERIFY(action->isEnabled());
        }
        QVERIFY(menu->Window() == nullptr);
    }

    void theMenusHoldTheirCommandsEachTimeTheyOpen() {
        for (int opening = 0; opening < 2; ++opening) {
            QStringList commands;
            for (QAction* title : window_->Menu()->MenuBar()->actions()) {
                QMenu* menu = title->menu();
                menu->popup(window_->mapToGlobal(QPoint(0, 0)));
                for (const QAction* command : menu->actions()) {
                    commands << (command->isSeparator() ? QStringLiteral("—") : command->text());
                }
                menu->close();
            }
            QCOMPARE(commands, (QStringList{"&Покажи решението", "&Своя задача…",
                                            "&Копирай решението", "&Запази като PDF…", "П&ечат…",
                                            "—", "&Изход", "&За програмата"}));
        }
    }

    void theWindowFollowsEverySolve() {
        SolutionWindow* solution = OpenSolution(*window_);
        QVERIFY(solution != nullptr && solution->isVisible());
        QCOMPARE(solution->windowTitle(), QStringLiteral("Решение — Правоъгълен трапец"));
        QCOMPARE(solution->TextView()->accessibleName(), QStringLiteral("Решение"));
        QVERIFY(solution->ShownText().contains(QStringLiteral("Изчисли")));

        Solve(*window_, trapezoid::Kind::ABC, {"10", "6", "5"});
        QCOMPARE(solution->ShownText(), WorkedText(trapezoid::Kind::ABC, {"10", "6", "5"}));
        QCOMPARE(solution->Drawing()->accessibleDescription(),
                 QStringLiteral("Правоъгълен трапец с основи a = 10 и c = 5, височина h = √11 ≈ "
                                "3.3166248, бедро b = 6"));
        solution->DecimalsBox()->setValue(2);
        QCOMPARE(solution->ShownText(), WorkedText(trapezoid::Kind::ABC, {"10", "6", "5"}, 2));
        // A solve that writes nothing is shown too.
        Solve(*window_, trapezoid::Kind::ABC, {"10", "1", "5"});
        QCOMPARE(solution->ShownText(), WorkedText(trapezoid::Kind::ABC, {"10", "1", "5"}, 2));
        if (QMessageBox* message = OpenMessage(*window_)) {
            message->close();
        }
    }

    void theShortcutsWorkInTheSolutionWindowAndCopyWhatItShows() {
        Solve(*window_, trapezoid::Kind::PBC, {"5", "2", "15"});
        SolutionWindow* solution = OpenSolution(*window_);
        QVERIFY(solution != nullptr);
        QApplication::clipboard()->clear();
        QTest::keyClick(solution, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(), solution->ShownText());
        QCOMPARE(solution->ShownText(), WorkedText(trapezoid::Kind::PBC, {"5", "2", "15"}));
        QTest::keyClick(solution, Qt::Key_Escape);
        QVERIFY(!solution->isVisible());
    }

    void theOwnProblemPanelTakesTheSolvesGivensSolvesAnyTwoOrThreeAndHintsOtherwise() {
        using trapezoid::Element;
        Solve(*window_, trapezoid::Kind::ABC, {"10", "6", "5"});
        SolutionWindow* solution = OpenSolution(*window_);
        QVERIFY(solution != nullptr);
        OwnProblemPanel* panel = solution->OwnProblem();
        QCOMPARE(panel->Field(Element::B)->text(), QStringLiteral("6"));
        QVERIFY(panel->Field(Element::H)->text().isEmpty());
        QCOMPARE(panel->Field(Element::AC)->accessibleName(), QStringLiteral("Диагоналът AC"));
        window_->activateWindow();
        window_->Menu()->OwnProblemAction()->trigger();
        QVERIFY(QTest::qWaitFor([panel] { return panel->Field(Element::A)->hasFocus(); }));

        panel->ShowGivens({"12", "", "8", "", "", "", "", "", "", "", "45"});
        panel->SolveButton()->click();
        QVERIFY(solution->ShownText().contains(QStringLiteral("(12 + 8)·4 / 2 = 40")));

        panel->ShowGivens({"", "", "", "6", "", "", "", "", "", "14", ""});
        QTest::keyClick(panel->Field(Element::H), Qt::Key_Return);
        QVERIFY(solution->ShownText().contains(QStringLiteral("дават S = 84")));

        // Too few fields, or a value out of range: a hint, and the text stays.
        const QString shown = solution->ShownText();
        panel->ShowGivens({"12", "", "", "", "", "", "", "", "", "", ""});
        panel->SolveButton()->click();
        QVERIFY(panel->Hint().contains(QStringLiteral("попълнени: 1")));
        panel->ShowGivens({"12", "", "8", "", "", "", "", "", "", "", "100"});
        panel->SolveButton()->click();
        QVERIFY(panel->Hint().contains(QStringLiteral("0° < ∠B ≤ 90°")));
        QVERIFY(panel->Field(Element::Angle)->hasFocus());
        QCOMPARE(solution->ShownText(), shown);
    }

    void theOwnProblemSolvesExactValuesAndConditions_data() {
        QTest::addColumn<QStringList>("fields");  // a, b, c, h, P, S, m, AC, BD, MN, ∠B
        QTest::addColumn<QString>("conditions");
        QTest::addColumn<QString>("shown");  // a line the solution holds; empty: a hint
        QTest::addColumn<QString>("hint");
        const QStringList none(11);
        QStringList exact = none, leg = none, bisector = none, alone = none;
        exact[0] = "7", exact[2] = "4", exact[3] = "√3";
        leg[0] = "10", leg[10] = "60";
        bisector[0] = "12";
        alone[0] = "2sqrt3";
        QTest::newRow("an exact value in a field") << exact << ""
                                                   << "b = 2√3"
                                                   << "";
        QTest::newRow("a condition") << leg << "∠ACB=90"
                                     << "S = 175√3/8"
                                     << "";
        QTest::newRow("conditions separated by ;") << bisector << "h=6; ∠ABD=∠DBC"
                                                   << "Отговор: b = 7.5; c = 7.5"
                                                   << "";
        QTest::newRow("a shape only") << none << "a:c=3:1; h=c"
                                      << "нужна е още една дължина"
                                      << "";
        QTest::newRow("an unknown name") << leg << "x=3"
                                         << ""
                                         << "„x“";
        QTest::newRow("one exact value alone") << alone << ""
                                               << "една дадена не стига"
                                               << "";
    }
    void theOwnProblemSolvesExactValuesAndConditions() {
        QFETCH(QStringList, fields);
        QFETCH(QString, conditions);
        QFETCH(QString, shown);
        QFETCH(QString, hint);
        window_->activateWindow();
        window_->Menu()->OwnProblemAction()->trigger();
        SolutionWindow* solution = window_->Menu()->Window();
        QVERIFY(solution != nullptr);
        OwnProblemPanel* panel = solution->OwnProblem();
        QVERIFY(
            QTest::qWaitFor([panel] { return panel->Field(trapezoid::Element::A)->hasFocus(); }));
        std::array<QString, trapezoid::kElementCount> texts;
        std::copy(fields.begin(), fields.end(), texts.begin());
        panel->ShowGivens(texts);
        panel->ConditionsLine()->setFocus();
        panel->ConditionsLine()->setText(conditions);  // keyClicks takes ASCII only
        QTest::keyClick(panel->ConditionsLine(), Qt::Key_Return);
        if (shown.isEmpty()) {
            QVERIFY2(panel->Hint().contains(hint), qPrintable(panel->Hint()));
            QVERIFY(panel->ConditionsLine()->hasFocus());
        } else {
            QVERIFY2(solution->ShownText().contains(shown), qPrintable(solution->ShownText()));
            QVERIFY(panel->Hint().isEmpty());
        }
    }

    void theSignButtonsInsertAtTheCursorOfTheLineLastTypedIn() {
        window_->Menu()->OwnProblemAction()->trigger();
        OwnProblemPanel* panel = window_->Menu()->Window()->OwnProblem();
        const auto& [angle, perpendicular, root] = panel->SignButtons();
        QCOMPARE(root->accessibleName(), QStringLiteral("Вмъкни знак за корен √"));
        QCOMPARE(root->focusPolicy(), Qt::TabFocus);
        // Tab leads from the line through ∠, ⊥ and √ to "Реши".
        const auto next_by_tab = [](QWidget* from) {
            QWidget* next = from->nextInFocusChain();
            while ((next->focusPolicy() & Qt::TabFocus) == 0) {
                next = next->nextInFocusChain();
            }
            return next;
        };
        QCOMPARE(next_by_tab(panel->ConditionsLine()), angle);
        QCOMPARE(next_by_tab(root), panel->SolveButton());
        QLineEdit* h = panel->Field(trapezoid::Element::H);
        h->setFocus();
        QTest::keyClicks(h, QStringLiteral("23"));
        QTest::keyClick(h, Qt::Key_Left);
        root->click();
        QCOMPARE(h->text(), QStringLiteral("2√3"));
        panel->ConditionsLine()->setFocus();
        QTest::keyClicks(panel->ConditionsLine(), QStringLiteral("AC"));
        perpendicular->click();
        QTest::keyClicks(panel->ConditionsLine(), QStringLiteral("BD; "));
        angle->click();
        QCOMPARE(panel->ConditionsLine()->text(), QStringLiteral("AC⊥BD; ∠"));
    }

    void theOwnProblemTakesTheObtuseAngleAndCanBeCopiedBeforeAnySolve() {
        window_->Menu()->OwnProblemAction()->trigger();
        SolutionWindow* solution = window_->Menu()->Window();
        QVERIFY(solution != nullptr);
        QVERIFY(!window_->Menu()->CopyAction()->isEnabled());
        OwnProblemPanel* panel = solution->OwnProblem();
        panel->ShowGivens({"10", "6", "", "", "", "", "", "", "", "", "45"});
        QTest::keyClicks(panel->ObtuseAngleField(), QStringLiteral("120"));
        QTest::keyClick(panel->ObtuseAngleField(), Qt::Key_Return);
        QVERIFY(panel->Hint().contains(QStringLiteral("само един от ъглите")));
        panel->Field(trapezoid::Element::Angle)->clear();
        panel->SolveButton()->click();
        QVERIFY(solution->ShownText().contains(QStringLiteral("6·sin 60° = 3√3 ≈ 5.1961524")));
        QVERIFY(window_->Menu()->CopyAction()->isEnabled());
        QApplication::clipboard()->clear();
        window_->Menu()->CopySolution();
        QCOMPARE(QApplication::clipboard()->text(), solution->ShownText());
    }

    void aLongPasteNeverWidensTheSolutionWindow_data() {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("3,000 digits: too large") << QString(3000, u'7');
        QTest::newRow("100,000 letters: not a number") << QString(100000, u'x');
    }
    void aLongPasteNeverWidensTheSolutionWindow() {
        QFETCH(QString, pasted);
        SolutionWindow* solution = OpenSolution(*window_);
        QVERIFY(solution != nullptr);
        const int width = solution->width();
        OwnProblemPanel* panel = solution->OwnProblem();
        QLineEdit* a = panel->Field(trapezoid::Element::A);
        a->setFocus();
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(a, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(a->text().size() > 1000);
        QTest::keyClick(a, Qt::Key_Tab);
        QTest::keyClicks(panel->Field(trapezoid::Element::B), QStringLiteral("5"));
        QTest::keyClick(panel->Field(trapezoid::Element::B), Qt::Key_Return);
        QVERIFY(!panel->Hint().isEmpty());
        QTest::qWait(50);  // the layout settles on posted events
        QCOMPARE(solution->width(), width);
        QVERIFY(panel->geometry().right() < solution->width());
    }

    void nothingOpensAfterTheExitCommand_data() {
        QTest::addColumn<bool>("solution_open");
        QTest::newRow("the solution window never opened") << false;
        QTest::newRow("the solution window open") << true;
    }
    void nothingOpensAfterTheExitCommand() {
        QFETCH(bool, solution_open);
        Solve(*window_, trapezoid::Kind::ABC, {"10", "6", "5"});
        SolutionMenu* menu = window_->Menu();
        if (solution_open) {
            QVERIFY(OpenSolution(*window_) != nullptr);
        }
        // A command that opened a dialog would wait in it: the dialog is
        // closed at once, and its title kept.
        QStringList opened;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&opened] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                opened << dialog->windowTitle();
                dialog->close();
            }
        });
        closer.start(10);

        menu->ExitAction()->trigger();
        QVERIFY(menu->Quitting());
        QVERIFY(!window_->isVisible());
        for (QAction* command : {menu->PrintAction(), menu->OwnProblemAction(), menu->ShowAction(),
                                 menu->PdfAction()}) {
            command->trigger();
        }
        menu->ShowAbout();
        window_->Text2[trapezoid::QuantityIndex::B]->setText(QStringLiteral("1"));
        window_->Command1_Click(0);  // no trapezoid: a warning, were the program not ending
        QTest::qWait(50);

        QCOMPARE(opened, QStringList());
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            QVERIFY2(!widget->isVisible(), widget->metaObject()->className());
        }
    }

    void copyWithoutTheWindowGivesTheSameText() {
        Solve(*window_, trapezoid::Kind::ABC, {"10", "6", "5"});
        QTest::keyClick(window_.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 WorkedText(trapezoid::Kind::ABC, {"10", "6", "5"}));
    }

  private:
    std::unique_ptr<Velmora> window_;
};

WINDOW_TEST_MAIN(SolutionWindowTest)
#include "solution_window_test.moc"
