// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar, "Решение" and "Помощ", and what its commands
// do with the latest solve: show it, copy it, save it as PDF, print it.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "solve_request.hpp"

class QAction;
class QMenuBar;
class QWidget;
class SolutionWindow;

class SolutionMenu : public QObject {
    Q_OBJECT
  public:
    explicit SolutionMenu(QWidget* main_window);

    QMenuBar* MenuBar() const { return menu_bar_; }
    QAction* ShowAction() const { return show_; }
    QAction* OwnProblemAction() const { return own_problem_; }
    QAction* CopyAction() const { return copy_; }
    QAction* PdfAction() const { return pdf_; }
    QAction* PrintAction() const { return print_; }
    QAction* ExitAction() const { return exit_; }
    // Null until the solution is first shown.
    SolutionWindow* Window() const { return window_; }

    // The solution of this solve is what the commands use from now on.
    void TakeSolve(const SolveRequest& request);
    // Passed on to the solution window, now or when it opens.
    void SetStaleNote(const QString& note);

    // The main window has closed and the program is ending: the solution
    // window closes, and from now on no command opens a window or a dialog.
    void BeginQuitting();
    bool Quitting() const { return quitting_; }

    // The commands.
    void ShowSolution();
    void ShowOwnProblem();
    void CopySolution();
    void SaveAsPdf();
    void Print();
    void ShowAbout();

  private:
    void CreateMenus();
    SolutionWindow* EnsureWindow();
    // What the window shows, or would show if it were open.
    trapezoid::WorkedSolution CurrentSolution();
    QString CurrentSeparator() const;
    // A solve, or the solution window's own problem, to copy, save and print.
    bool HasSolution() const;
    QWidget* DialogParent() const;

    QWidget* main_window_;
    QMenuBar* menu_bar_ = nullptr;
    QAction* show_ = nullptr;
    QAction* own_problem_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* pdf_ = nullptr;
    QAction* print_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* about_ = nullptr;
    SolutionWindow* window_ = nullptr;
    std::optional<SolveRequest> latest_;
    QString stale_note_;
    bool quitting_ = false;
};
