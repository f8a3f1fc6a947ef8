// SPDX-License-Identifier: GPL-3.0-or-later
// Texts drawn on the window's fixed colours stay dark in every theme, so a
// dark desktop theme's light text never lands on the light fixed colours.
#pragma once

class QCheckBox;
class QGroupBox;
class QWidget;

// Gives a label a dark text colour in every theme.
void UseDarkText(QWidget* label);

// Gives a given-mark a dark caption also while disabled, so its letter stays
// legible on the mark colour; the greyed look of a mark that cannot be
// clicked comes from its check indicator instead: a grey box, with a black
// tick when ticked.
void UseGreyedMarkLook(QCheckBox* mark);

// Gives the frame the classic etched look with a dark caption. The colour
// comes from the frame's own style rather than its palette, so the boxes
// inside it keep the theme's colours.
void UseClassicFrame(QGroupBox* frame);
