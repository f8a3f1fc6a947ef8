// SPDX-License-Identifier: GPL-3.0-or-later
// The panel "Своя задача" of the solution window: one field per element of
// the trapezoid, the angle as ∠B or as ∠C; two or three filled fields are
// solved on Enter or "Реши".
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
    QPushButton* SolveButton() const { return solve_; }
    QString Hint() const;

    void SetNumberSettings(const trapezoid::NumberSettings& settings) { settings_ = settings; }

  signals:
    // Two or three fields, each read as a value of its element.
    void SolveRequested(const std::vector<trapezoid::ElementGiven>& givens);

  private:
    void Read();
    void ShowHint(const QString& hint, QLineEdit* field);

    // The elements in their order, then ∠C.
    std::array<QLineEdit*, trapezoid::kPanelFieldCount> fields_{};
    QPushButton* solve_ = nullptr;
    QLabel* hint_ = nullptr;
    trapezoid::NumberSettings settings_;
};
