// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's one window: the kind list, the input panel of six given
// marks and quantity boxes, the two buttons, the drawing and the assignment box.
#pragma once

#include <QFont>
#include <QWidget>
#include <array>
#include <functional>

#include "solve_request.hpp"
#include "trapezoid/solver.hpp"

class GivenHints;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class StaleResults;
class SolutionMenu;
class TrapezoidPicture;

// The font of the window's texts: the serif family at 12 pt.
QFont WindowFont();

class Velmora : public QWidget {
    Q_OBJECT
  public:
    using SettingsSource = std::function<trapezoid::NumberSettings()>;

    // `settings` supplies the regional number settings at every solve.
    explicit Velmora(SettingsSource settings = {}, QWidget* parent = nullptr);

    // The controls, as indexed arrays (QuantityIndex for Check1 and Text2).
    std::array<QLabel*, 2> Label1{};
    std::array<QListWidget*, 1> List1{};
    QGroupBox* Frame1 = nullptr;
    std::array<QCheckBox*, trapezoid::kQuantityCount> Check1{};
    std::array<QLineEdit*, trapezoid::kQuantityCount> Text2{};
    std::array<QPushButton*, 2> Command1{};
    TrapezoidPicture* Picture1 = nullptr;
    std::array<QPlainTextEdit*, 1> Text1{};

    // Event handling.
    void Form_Load();
    void List1_Click(qint16 Index);
    void Command1_Click(qint16 Index);

    // The window's procedures.
    void ApplyKindSelection();
    void ClearSizes();
    void SolveTrapezoid();

    // "Стойност от предишното изчисление (...). Натиснете „Изчисли“." while
    // the result boxes hold results of earlier givens; empty otherwise.
    QString StaleResultsNote() const;

    // The 481 × 424 area below the menu bar that holds the controls.
    QWidget* ClientArea() const { return client_area_; }
    // The menu bar's commands and the solution window behind them.
    SolutionMenu* Menu() const { return solution_menu_; }

  signals:
    // The result boxes came to hold, or no longer hold, results of earlier givens.
    void staleResultsChanged();
    // Every solve, also one that writes nothing: what its worked solution needs.
    void solved(const SolveRequest& request);

  protected:
    // Closing the window ends the program: nothing opens after it.
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void SetFocusOrder();

    SettingsSource settings_;
    StaleResults* stale_results_ = nullptr;
    GivenHints* given_hints_ = nullptr;
    QWidget* client_area_ = nullptr;
    SolutionMenu* solution_menu_ = nullptr;
};
