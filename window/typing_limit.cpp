#include "typing_limit.hpp"

#include <QLineEdit>

TypingLimit::TypingLimit(QLineEdit* box, int limit)
    : QValidator(box), limit_(limit), previous_(box->text()) {
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { previous_ = text; });
}

QValidator::State TypingLimit::validate(QString& input, int& position) const {
    const qsizetype length = input.size();
    if (bypass_ || length <= limit_ || length < previous_.size()) {
        return Acceptable;
    }
    // The edit kept a common prefix and suffix of the previous text and
    // inserted what lies between them.
    const qsizetype shorter = qMin(length, previous_.size());
    qsizetype prefix = 0;
    while (prefix < shorter && input[prefix] == previous_[prefix]) {
        ++prefix;
    }
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           input[length - 1 - suffix] == previous_[previous_.size() - 1 - suffix]) {
        ++suffix;
    }
    const qsizetype kept = prefix + suffix;
    const qsizetype fits = qMax<qsizetype>(0, limit_ - kept);
    if (fits == 0) {
        input = previous_;  // nothing of the insertion fits: the edit is refused
        position = static_cast<int>(qMin(prefix, previous_.size()));
        return Acceptable;
    }
    input = input.left(prefix + fits) + input.right(suffix);
    position = static_cast<int>(prefix + fits);
    return Acceptable;
}

void SetTypingLimit(QLineEdit* box, int limit) {
    if (auto* existing = qobject_cast<TypingLimit*>(const_cast<QValidator*>(box->validator()))) {
        existing->setLimit(limit);
        return;
    }
    box->setValidator(new TypingLimit(box, limit));
}

void SetProgramText(QLineEdit* box, const QString& text) {
    auto* limit = qobject_cast<TypingLimit*>(const_cast<QValidator*>(box->validator()));
    if (limit) {
        limit->bypass_ = true;
    }
    box->setText(text);
    if (limit) {
        limit->bypass_ = false;
    }
}
