// SPDX-License-Identifier: GPL-3.0-or-later
// A note that a quantity box carries about its text: a hint on how it was
// read, or that it belongs to earlier givens.
#pragma once

class QLineEdit;
class QString;

// Makes `note` the box's tooltip, accessible description and "What's This";
// the tooltip starts with the whole text when that is wider than the box.
void ShowBoxNote(QLineEdit* box, const QString& note);
