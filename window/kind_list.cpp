// SPDX-License-Identifier: GPL-3.0-or-later
#include "kind_list.hpp"

#include <QItemSelectionModel>
#include <QListWidget>

namespace {

// Brings the selection and the current row together after any change. A
// newly selected row wins: it becomes the only selected row and the current
// one, so the panel follows it. Otherwise the current row is selected again:
// after a deselection, or when the current row moved alone. An accessibility
// action that clears the selection and then selects another row thus ends
// with that row alone, and current.
void Reconcile(QListWidget* list, const QItemSelection& selected) {
    QItemSelectionModel* model = list->selectionModel();
    const QModelIndexList rows = model->selectedIndexes();
    const QModelIndex current = list->currentIndex();
    if (rows.size() == 1 && rows.front() == current) {
        return;
    }
    const QModelIndex chosen = selected.indexes().isEmpty() ? current : selected.indexes().front();
    if (chosen.isValid()) {  // nothing to keep before a kind is first chosen
        model->setCurrentIndex(chosen, QItemSelectionModel::ClearAndSelect);
    }
}

}  // namespace

void KeepOneKindSelected(QListWidget* list) {
    QItemSelectionModel* model = list->selectionModel();
    QObject::connect(model, &QItemSelectionModel::selectionChanged, list,
                     [list](const QItemSelection& selected, const QItemSelection&) {
                         Reconcile(list, selected);
                     });
    // The current row can also move alone (Ctrl with the arrows in some
    // styles); the selection then follows it.
    QObject::connect(model, &QItemSelectionModel::currentChanged, list,
                     [list] { Reconcile(list, QItemSelection()); });
}
