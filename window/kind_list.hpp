// SPDX-License-Identifier: GPL-3.0-or-later
// The kind list's selection rule: exactly one kind is selected at every
// moment, and it is the list's current row, which the input panel follows.
#pragma once

class QListWidget;

// Keeps `list` with exactly one selected row, the current one, whatever
// changed its selection: a click on blank space or with Ctrl, Ctrl+Space,
// a drag, or an accessibility action that clears the selection and then
// selects another row without moving the current row. Call it after the
// list has its items.
void KeepOneKindSelected(QListWidget* list);
