// SPDX-License-Identifier: GPL-3.0-or-later
#include "box_note.hpp"

#include <QLineEdit>

#include "box_explanation.hpp"

void ShowBoxNote(QLineEdit* box, const QString& note) {
    ShowPlainTooltip(box);
    const QString whole = box->toolTip();
    box->setToolTip(whole.isEmpty() ? note : whole + u'\n' + note);
    box->setAccessibleDescription(note);
    box->setWhatsThis(note);
}
