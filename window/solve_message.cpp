// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve_message.hpp"

#include <QMessageBox>

void ShowSolveMessage(QWidget* parent, const QString& text) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, parent->windowTitle(), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}
