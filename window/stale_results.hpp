// SPDX-License-Identifier: GPL-3.0-or-later
// Results that belong to earlier givens are marked: once a given is edited
// after a solve, or a solve ends with a message, the result boxes show their
// text greyed and say which givens they came from. The report of kind
// "P,b,c" is marked the same way once an edit or another kind's solve leaves
// it behind. Texts never change; the next solve that writes, "Изчисти" or
// another kind ends the mark.
#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "box_explanation.hpp"
#include "trapezoid/solver.hpp"

class GreyedText;

class StaleResults : public QObject {
    Q_OBJECT
  public:
    // Watches the edits of `boxes`; `report_box` is where the report goes.
    StaleResults(const QuantityBoxes& boxes, QWidget* report_box, QObject* parent);

    // "Стойност от предишното изчисление (a = 2; b = 5; c = 1). Натиснете
    // „Изчисли“." while the result boxes hold results of earlier givens,
    // else empty.
    QString Note() const;

    // A solve that wrote makes its results the current ones; one that ended
    // with a message leaves the results there of earlier givens.
    void AfterSolve(const trapezoid::SolveOutcome& outcome,
                    const std::array<bool, trapezoid::kQuantityCount>& given,
                    const trapezoid::NumberSettings& settings);

    // The boxes were emptied: no result is left to mark.
    void Forget();

  signals:
    void changed();

  private:
    void MarkResults(bool stale);
    void MarkReport(bool stale);

    QuantityBoxes boxes_;
    QWidget* report_box_;
    GreyedText* greyed_;
    std::array<bool, trapezoid::kQuantityCount> results_{};  // the boxes a solve computed
    QString givens_;  // "a = 2; b = 5; c = 1" of that solve; empty when none
    bool stale_ = false;
    QString report_givens_;  // the givens of the report; empty while none was written
    bool report_stale_ = false;
    QString report_tooltip_;  // the report box's own, while it is marked
    QString report_description_;
};
