// SPDX-License-Identifier: GPL-3.0-or-later
// A typing limit for line edits that applies only to what the user types or
// pastes. QLineEdit::setMaxLength would also cut texts that the program
// writes, which may be longer than the limit.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

class TypingLimit : public QValidator {
    Q_OBJECT
  public:
    TypingLimit(QLineEdit* box, int limit);

    int limit() const { return limit_; }
    void setLimit(int limit) { limit_ = limit; }

    // Trims the run that an edit inserted to what keeps the text within
    // `limit` characters, and refuses the edit when none of it fits; deleting
    // always passes, also in a longer text that the program wrote, and so do
    // undo and redo.
    State validate(QString& input, int& position) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend void SetProgramText(QLineEdit* box, const QString& text);

    // Note the text, selection and cursor of the box as they stand between
    // edits. QLineEdit reports an edit only after validating it, so during
    // validate() these still describe the text before it.
    void RememberText();
    void RememberSelection();

    QLineEdit* box_;
    int limit_;
    QString previous_;             // the text before the edit being validated
    qsizetype replaced_from_ = 0;  // the selection (or the cursor, when none)
    qsizetype replaced_to_ = 0;    // that the edit replaces in previous_
    qsizetype cursor_ = 0;
    // Set by an input method commit that replaces text next to a selection;
    // such an edit is reconstructed from the texts instead.
    mutable bool untracked_ = false;
    bool bypass_ = false;  // set while the program writes the text
};

// Sets the typing limit of a box, installing the validator on first use.
void SetTypingLimit(QLineEdit* box, int limit);

// Writes a text as the program, past any typing limit, and shows its
// beginning; a text wider than the box also becomes its tooltip.
void SetProgramText(QLineEdit* box, const QString& text);
