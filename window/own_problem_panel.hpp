// SPDX-License-Identifier: GPL-3.0-or-later
// The panel "Своя задача" of the solution window: one field per element of
// the trapezoid, the angle as ∠B or as ∠C, and a line "Условия" for
// relations and conditions; two or three filled fields, or givens of a
// textbook's form, are solved on Enter or "Реши".
#pragma once

#include <QGroupBox>
#include <array>
#include <vector>

#include "trapezoid/elements.hpp"
#include "trapezoid/panel_reading.hpp"

class QLabel;
class QLineEdit;
class QPushButton;

class OwnProblemPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit OwnProblemPanel(QWidget* parent = nullptr);

    // Shows a solve's givens: each element's text, the other fields emptied.
    void ShowGivens(const std::array<QString, trapezoid::kElementCount>& texts);
    // The field of an element; the angle's is ∠B's.
    QLineEdit* Field(trapezoid::Element element) const;
    QLineEdit* ObtuseAngleField() const { return fields_.back(); }
    QLineEdit* ConditionsLine() const { return conditions_; }
    // The buttons that insert ∠, ⊥ and √ at the cursor.
    const std::array<QPushButton*, 3>& SignButtons() const { return signs_; }
    QPushButton* SolveButton() const { return solve_; }
    QString Hint() const;

    void SetNumberSettings(const trapezoid::NumberSettings& settings) { settings_ = settings; }

  signals:
    // Two or three fields, each read as a value of its element.
    void SolveRequested(const std::vector<trapezoid::ElementGiven>& givens);
    // Givens of a textbook's form: a condition, an exact value.
    void ConditionsRequested(const std::vector<trapezoid::conditions::Given>& givens);

  private:
    void Read();
    void ShowHint(const QString& hint, QLineEdit* field);
    QLayout* BuildConditionsRow();
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The elements in their order, then ∠C.
    std::array<QLineEdit*, trapezoid::kPanelFieldCount> fields_{};
    QLineEdit* conditions_ = nullptr;
    std::array<QPushButton*, 3> signs_{};
    QLineEdit* last_edited_ = nullptr;  // where the signs go
    QPushButton* solve_ = nullptr;
    QLabel* hint_ = nullptr;
    trapezoid::NumberSettings settings_;
};
