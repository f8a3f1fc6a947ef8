// SPDX-License-Identifier: GPL-3.0-or-later
// What a quantity box tells about its text beyond showing it: the whole text
// when it is wider than the box, and after a solve how the value follows from
// the givens, as tooltip, accessible description and "What's This" (Shift+F1).
#pragma once

#include <QString>
#include <array>

#include "trapezoid/steps.hpp"

class QLineEdit;

using QuantityBoxes = std::array<QLineEdit*, trapezoid::kQuantityCount>;

// Drops any explanation: the tooltip is the whole text when it is wider than
// the box, else none.
void ShowPlainTooltip(QLineEdit* box);

// The explanation of box `index` after a solve that wrote `written` into it:
// the text, then "дадено" for a given, or the steps that lead to the value.
// `possibilities` is the number of trapezoids of kind "P,b,c" (0 for the
// other kinds); the steps then say which one the boxes show.
QString Explanation(int index, const QString& written, bool given,
                    const trapezoid::SolveSteps& steps, int possibilities);

// Gives every box its explanation after a solve that wrote all six.
void ExplainBoxes(const QuantityBoxes& boxes,
                  const std::array<bool, trapezoid::kQuantityCount>& given,
                  const trapezoid::SolveSteps& steps, int possibilities);

// An edit in any box makes every explanation untrue: they all go.
void DropExplanationsOnEdit(const QuantityBoxes& boxes);
