// SPDX-License-Identifier: GPL-3.0-or-later
// Telling the user why a solve wrote nothing: an arithmetic fault, or givens
// that make no right trapezoid.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "trapezoid/solver.hpp"

class QWidget;

// The Bulgarian text for the outcome of Solve(kind, given, texts, settings):
// which given or result breaks which condition, with the user's numbers,
// then the step that went wrong. Empty for an outcome that is written or
// that changes nothing silently.
QString SolveMessageText(const trapezoid::SolveOutcome& outcome, int kind,
                         const std::array<bool, trapezoid::kQuantityCount>& given,
                         const std::array<std::string, trapezoid::kQuantityCount>& texts,
                         const trapezoid::NumberSettings& settings);

// Opens a window-modal warning over `parent`, titled with its caption, that
// closes itself; it does not block the caller.
void ShowSolveMessage(QWidget* parent, const QString& text);
