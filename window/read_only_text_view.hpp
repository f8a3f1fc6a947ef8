// SPDX-License-Identifier: GPL-3.0-or-later
// The program's read-only text views: the text can be selected by mouse and
// keyboard, copied and scrolled, but not dragged out of the view.
#pragma once

class QPlainTextEdit;
class QTextEdit;

// Makes `view` read-only and selectable by mouse and keyboard, and turns off
// dragging its selected text out. A press on the selection starts a new
// selection there, as a press anywhere else does; Shift+press still extends
// the selection, and copying, the context menu and scrolling are unchanged.
//
// Qt's text control starts a drag when the pointer moves away from a press on
// the selection, and runs it to the release inside the move handler. The
// view never sees that release, so its auto-scroll timer keeps sending
// moves with the button down, and each starts a further drag that holds the
// whole window until the next click; hence no drag out of these views.
void MakeReadOnlyTextView(QPlainTextEdit* view);
void MakeReadOnlyTextView(QTextEdit* view);  // QTextBrowser too
