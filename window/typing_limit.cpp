// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing_limit.hpp"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <optional>
#include <utility>

#include "box_explanation.hpp"

namespace {

// How an edit split the previous text: it kept `head` characters at its start
// and `tail` at its end, and inserted what lies between them in the new text.
struct Split {
    qsizetype head = 0;
    qsizetype tail = 0;
};

// The split of an edit that replaced [from, to) of `previous`, if `input`
// bears it out. Deleting without a selection removes text next to the
// cursor instead, which shows as an input shorter than what was kept.
std::optional<Split> SplitAtSelection(const QString& previous, const QString& input, qsizetype from,
                                      qsizetype to) {
    if (from < 0 || from > to || to > previous.size()) {
        return std::nullopt;
    }
    const Split split{from, previous.size() - to};
    if (input.size() < split.head + split.tail ||
        !input.startsWith(QStringView(previous).left(split.head)) ||
        !input.endsWith(QStringView(previous).right(split.tail))) {
        return std::nullopt;
    }
    return split;
}

// The split guessed from the texts alone. The cursor stands right after the
// inserted run, so what follows it is the tail whenever the previous text
// ends with it; the longest common ending is only a fallback, as it can be
// ambiguous (a 1 pasted next to a 1).
Split SplitByComparison(const QString& previous, const QString& input, int position) {
    const qsizetype length = input.size();
    const qsizetype shorter = qMin(length, previous.size());
    const qsizetype behind_cursor = length - position;
    Split split;
    if (position >= 0 && behind_cursor >= 0 && behind_cursor <= previous.size() &&
        previous.endsWith(QStringView(input).right(behind_cursor))) {
        split.tail = behind_cursor;
    } else {
        while (split.tail < shorter &&
               input[length - 1 - split.tail] == previous[previous.size() - 1 - split.tail]) {
            ++split.tail;
        }
    }
    while (split.head < shorter - split.tail && input[split.head] == previous[split.head]) {
        ++split.head;
    }
    return split;
}

}  // namespace

TypingLimit::TypingLimit(QLineEdit* box, int limit) : QValidator(box), box_(box), limit_(limit) {
    RememberText();
    connect(box, &QLineEdit::textChanged, this, &TypingLimit::RememberText);
    connect(box, &QLineEdit::selectionChanged, this, &TypingLimit::RememberSelection);
    connect(box, &QLineEdit::cursorPositionChanged, this, &TypingLimit::RememberSelection);
    box->installEventFilter(this);
}

void TypingLimit::RememberText() {
    previous_ = box_->text();
    RememberSelection();
}

void TypingLimit::RememberSelection() {
    // An input method commit, undo and redo move the cursor before the text
    // they changed is validated; until then the previous selection stands.
    if (box_->text() != previous_) {
        return;
    }
    cursor_ = box_->cursorPosition();
    if (box_->hasSelectedText()) {
        replaced_from_ = box_->selectionStart();
        replaced_to_ = box_->selectionEnd();
    } else {
        replaced_from_ = replaced_to_ = cursor_;
    }
    untracked_ = false;
}

bool TypingLimit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::InputMethod) {
        // A commit may replace text around the cursor instead of the
        // selection. Without a selection that text is what it replaces;
        // with one, the two need not meet, and the edit is reconstructed.
        const auto* input = static_cast<const QInputMethodEvent*>(event);
        if (input->replacementStart() != 0 || input->replacementLength() != 0) {
            if (replaced_from_ == replaced_to_ && box_->text() == previous_) {
                const qsizetype from = qMax<qsizetype>(0, cursor_ + input->replacementStart());
                const qsizetype to = from + input->replacementLength();
                replaced_from_ = qMin(from, previous_.size());
                replaced_to_ = to <= previous_.size() ? to : replaced_from_;
            } else {
                untracked_ = true;
            }
        }
    }
    return QValidator::eventFilter(watched, event);
}

QValidator::State TypingLimit::validate(QString& input, int& position) const {
    const bool untracked = std::exchange(untracked_, false);
    const qsizetype length = input.size();
    // Undo leaves a step to redo while validating, which no new edit does, and
    // passes whole. A redo to the newest step replays an edit that passed
    // whole, which over the limit can only have been a deletion.
    if (bypass_ || length <= limit_ || input == previous_ || box_->isRedoAvailable()) {
        return Acceptable;
    }
    std::optional<Split> split;
    if (!untracked) {
        split = SplitAtSelection(previous_, input, replaced_from_, replaced_to_);
    }
    if (!split) {
        split = SplitByComparison(previous_, input, position);
    }
    const qsizetype inserted = length - split->head - split->tail;
    qsizetype fits = qMax<qsizetype>(0, limit_ - (split->head + split->tail));
    if (inserted <= fits) {
        return Acceptable;  // a deletion
    }
    if (fits > 0 && input[split->head + fits - 1].isHighSurrogate()) {
        --fits;  // never keep half of a character
    }
    if (fits == 0) {
        input = previous_;  // nothing of the insertion fits: the edit is refused
        position = static_cast<int>(qMin(cursor_, previous_.size()));
        return Acceptable;
    }
    input = input.left(split->head + fits) + input.right(split->tail);
    position = static_cast<int>(split->head + fits);
    return Acceptable;
}

namespace {

// The typing limit installed on a box, if any.
TypingLimit* LimitOf(QLineEdit* box) {
    return box->findChild<TypingLimit*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

void SetTypingLimit(QLineEdit* box, int limit) {
    if (TypingLimit* existing = LimitOf(box)) {
        existing->setLimit(limit);
        return;
    }
    box->setValidator(new TypingLimit(box, limit));
}

void SetProgramText(QLineEdit* box, const QString& text) {
    TypingLimit* const limit = LimitOf(box);
    if (limit) {
        limit->bypass_ = true;
    }
    box->setText(text);
    if (limit) {
        limit->bypass_ = false;
    }
    // A written text reads from its beginning; one that does not fit also
    // shows whole in the tooltip. Whatever explained the old text goes.
    box->setCursorPosition(0);
    ShowPlainTooltip(box);
}
