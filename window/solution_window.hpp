// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Решение": the worked solution of the latest solve beside a
// drawing of the trapezoid to scale. Created the first time it is asked for.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "solve_request.hpp"
#include "trapezoid/conditions/given.hpp"
#include "trapezoid/elements.hpp"
#include "trapezoid/worked_solution.hpp"

class QAction;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class OwnProblemPanel;
class SolutionDrawing;

class SolutionWindow : public QWidget {
    Q_OBJECT
  public:
    // `shared_actions` (the main window's menu commands) keep their shortcuts here.
    SolutionWindow(const QList<QAction*>& shared_actions, QWidget* main_window);

    // The solve to show; rebuilt at once when the window is visible, else when it opens.
    // The panel "Своя задача" takes its givens.
    void SetRequest(const SolveRequest& request);
    // Shows the solution of the panel's own givens instead, until the next request.
    void SolveOwnProblem(const std::vector<trapezoid::ElementGiven>& givens);
    void SolveOwnConditions(const std::vector<trapezoid::conditions::Given>& givens);
    // Opens the window beside the main window the first time, else raises it.
    void Present();

    // What the window shows: built for the latest solve with the chosen decimals.
    const trapezoid::WorkedSolution& Solution();
    // A solve or an own problem to show.
    bool HasSolution() const { return request_ || own_givens_ || own_conditions_; }
    QString ShownText() const;
    int ApproximateDecimals() const;
    // The decimal separator the solution is written with.
    QString DecimalSeparator() const;

    QPlainTextEdit* TextView() const { return text_; }
    SolutionDrawing* Drawing() const { return drawing_; }
    QSpinBox* DecimalsBox() const { return decimals_; }
    OwnProblemPanel* OwnProblem() const { return own_problem_; }

  signals:
    // The panel's own problem was solved: there is a solution to copy, save and print.
    void ownProblemSolved();

  public slots:
    // A line at the top saying the results belong to earlier givens; empty hides it.
    void SetStaleNote(const QString& note);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Rebuild();
    void PlaceBesideMainWindow();
    const trapezoid::NumberSettings& Settings() const;

    QWidget* main_window_;
    QLabel* stale_note_ = nullptr;
    QSpinBox* decimals_ = nullptr;
    SolutionDrawing* drawing_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    OwnProblemPanel* own_problem_ = nullptr;
    trapezoid::NumberSettings own_settings_;
    std::optional<std::vector<trapezoid::ElementGiven>> own_givens_;
    std::optional<std::vector<trapezoid::conditions::Given>> own_conditions_;
    std::optional<SolveRequest> request_;
    trapezoid::WorkedSolution solution_;
    bool stale_ = false;  // the solution does not yet follow the request or the decimals
    bool placed_ = false;
};
