// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that tells the user why a solve wrote nothing; the text comes
// from trapezoid::SolveMessage.
#pragma once

#include <QString>

class QWidget;

// Opens a window-modal warning over `parent`, titled with its caption, that
// closes itself; it does not block the caller.
void ShowSolveMessage(QWidget* parent, const QString& text);
