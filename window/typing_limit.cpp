// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing_limit.hpp"

#include <QLineEdit>

#include "box_explanation.hpp"

TypingLimit::TypingLimit(QLineEdit* box, int limit)
    : QValidator(box), limit_(limit), previous_(box->text()) {
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { previous_ = text; });
}

QValidator::State TypingLimit::validate(QString& input, int& position) const {
    const qsizetype length = input.size();
    if (bypass_ || length <= limit_) {
        return Acceptable;
    }
    // The edit kept a head and a tail of the previous text and inserted what
    // lies between them. The cursor stands right after the inserted run, so
    // what follows it is the tail whenever the previous text ends with it; the
    // longest common ending is only a fallback, as it can be ambiguous (a 1
    // pasted next to a 1).
    const qsizetype shorter = qMin(length, previous_.size());
    const qsizetype behind_cursor = length - position;
    qsizetype suffix = 0;
    if (position >= 0 && behind_cursor >= 0 && behind_cursor <= previous_.size() &&
        previous_.endsWith(QStringView(input).right(behind_cursor))) {
        suffix = behind_cursor;
    } else {
        while (suffix < shorter &&
               input[length - 1 - suffix] == previous_[previous_.size() - 1 - suffix]) {
            ++suffix;
        }
    }
    qsizetype prefix = 0;
    while (prefix < shorter - suffix && input[prefix] == previous_[prefix]) {
        ++prefix;
    }
    const qsizetype inserted = length - prefix - suffix;
    qsizetype fits = qMax<qsizetype>(0, limit_ - (prefix + suffix));
    if (inserted <= fits) {
        return Acceptable;  // a deletion, or an insertion that fits whole
    }
    if (fits > 0 && input[prefix + fits - 1].isHighSurrogate()) {
        --fits;  // never keep half of a character
    }
    if (fits == 0) {
        input = previous_;  // nothing of the insertion fits: the edit is refused
        position = static_cast<int>(prefix);
        return Acceptable;
    }
    input = input.left(prefix + fits) + input.right(suffix);
    position = static_cast<int>(prefix + fits);
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
