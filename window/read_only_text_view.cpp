// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_only_text_view.hpp"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>

namespace {

// Watches the view's viewport and, before a left press that could arm a
// drag reaches the view, collapses the selection to the pressed point. With
// no selection under it, the press only places the cursor and starts a new
// selection.
template <typename View>
class SelectionDragBlocker final : public QObject {
  public:
    explicit SelectionDragBlocker(View* view) : QObject(view), view_(view) {
        view->viewport()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* press = static_cast<const QMouseEvent*>(event);
            // Shift+press extends the selection and never starts a drag.
            if (press->button() == Qt::LeftButton && press->modifiers() != Qt::ShiftModifier &&
                view_->textCursor().hasSelection()) {
                CollapseSelectionAt(press->position().toPoint());
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void CollapseSelectionAt(QPoint point) {
        // Moving the cursor may scroll it into view; the press must land on
        // the text the user sees.
        const int across = view_->horizontalScrollBar()->value();
        const int down = view_->verticalScrollBar()->value();
        view_->setTextCursor(view_->cursorForPosition(point));
        view_->horizontalScrollBar()->setValue(across);
        view_->verticalScrollBar()->setValue(down);
    }

    View* view_;
};

template <typename View>
void MakeReadOnly(View* view) {
    view->setReadOnly(true);
    view->setTextInteractionFlags(view->textInteractionFlags() | Qt::TextSelectableByMouse |
                                  Qt::TextSelectableByKeyboard);
    new SelectionDragBlocker<View>(view);
}

}  // namespace

void MakeReadOnlyTextView(QPlainTextEdit* view) {
    MakeReadOnly(view);
}

void MakeReadOnlyTextView(QTextEdit* view) {
    MakeReadOnly(view);
}
