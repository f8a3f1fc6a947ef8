// SPDX-License-Identifier: GPL-3.0-or-later
// Hints on the given boxes after "Изчисли": a given that is refused gets the
// focus and a hint beside it for five seconds or until the next edit, and a
// given read only in part says how it was read until it is edited.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <string>

#include "box_explanation.hpp"
#include "trapezoid/solver.hpp"

class QLabel;
class QTimer;

class GivenHints : public QObject {
    Q_OBJECT
  public:
    // The hint at a refused given shows inside `window`.
    GivenHints(const QuantityBoxes& boxes, QWidget* window);

    // After a solve of the given `texts`: shows why a refused given is
    // refused, or which givens were read only in part.
    void AfterSolve(trapezoid::SolveOutcome::Status status,
                    const std::array<bool, trapezoid::kQuantityCount>& given,
                    const std::array<std::string, trapezoid::kQuantityCount>& texts,
                    const trapezoid::NumberSettings& settings);

    // The boxes were emptied: no hint holds any more.
    void Forget();

    // The hint beside a refused given, hidden while there is none.
    QLabel* RefusalHint() const { return refusal_; }

  private:
    void ShowRefusal(QLineEdit* box, const QString& hint);
    void HideRefusal();
    void ShowPartlyRead();

    QuantityBoxes boxes_;
    std::array<QString, trapezoid::kQuantityCount> partly_read_;  // empty: read whole
    QLabel* refusal_;
    QTimer* refusal_timer_;
    QLineEdit* refused_box_ = nullptr;
};
