// SPDX-License-Identifier: GPL-3.0-or-later
#include "own_problem_panel.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using trapezoid::Element;

constexpr int kFieldsPerRow = 4;

// What field `index` takes: the elements, then the angle again as ∠C.
trapezoid::ElementName FieldName(std::size_t index) {
    if (index == static_cast<std::size_t>(trapezoid::kElementCount)) {
        return {Element::Angle, true};
    }
    return {trapezoid::ElementAt(static_cast<int>(index)), false};
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "по-голямата основа a" → "По-голямата основа a".
QString Capitalised(std::string_view words) {
    QString text = FromUtf8(words);
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

}  // namespace

OwnProblemPanel::OwnProblemPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Своя задача"), parent) {
    setObjectName(QStringLiteral("OwnProblemPanel"));
    auto* grid = new QGridLayout;
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        const trapezoid::ElementName name = FieldName(index);
        auto* field = new QLineEdit(this);
        auto* label =
            new QLabel(FromUtf8(trapezoid::ElementSymbol(name.element, name.obtuse)) + ':', this);
        label->setBuddy(field);
        field->setAccessibleName(Capitalised(trapezoid::ElementWords(name.element, name.obtuse)));
        field->setToolTip(field->accessibleName());
        if (name.element == Element::Angle) {
            field->setPlaceholderText(QStringLiteral("°"));
        }
        connect(field, &QLineEdit::returnPressed, this, &OwnProblemPanel::Read);
        connect(field, &QLineEdit::textEdited, this, [this] { ShowHint({}, nullptr); });
        const int row = static_cast<int>(index) / kFieldsPerRow;
        const int column = 2 * (static_cast<int>(index) % kFieldsPerRow);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
        fields_[index] = field;
    }
    solve_ = new QPushButton(QStringLiteral("Реши"), this);
    connect(solve_, &QPushButton::clicked, this, &OwnProblemPanel::Read);
    hint_ = new QLabel(this);
    hint_->setWordWrap(true);
    // The hint wraps within the width the panel has; its text, which may quote
    // what the user pasted, never widens the panel or the window.
    hint_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    hint_->hide();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(hint_, 1);
    bottom->addWidget(solve_, 0, Qt::AlignRight | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);
}

void OwnProblemPanel::ShowGivens(const std::array<QString, trapezoid::kElementCount>& texts) {
    for (std::size_t e = 0; e < texts.size(); ++e) {
        fields_[e]->setText(texts[e]);
    }
    ObtuseAngleField()->clear();
    ShowHint({}, nullptr);
}

QLineEdit* OwnProblemPanel::Field(Element element) const {
    return fields_[static_cast<std::size_t>(trapezoid::ElementIndex(element))];
}

QString OwnProblemPanel::Hint() const {
    return hint_->isVisible() ? hint_->text() : QString();
}

void OwnProblemPanel::Read() {
    std::vector<trapezoid::ElementGiven> givens;
    int filled = 0;
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        QLineEdit* field = fields_[index];
        if (field->text().trimmed().isEmpty()) {
            continue;
        }
        ++filled;
        if (index + 1 == fields_.size() && !Field(Element::Angle)->text().trimmed().isEmpty()) {
            ShowHint(QStringLiteral("Попълнете само един от ъглите ∠B и ∠C: ∠C = 180° − ∠B."),
                     field);
            return;
        }
        const trapezoid::ElementReading reading =
            trapezoid::ReadElement(FieldName(index), field->text().toStdString(), settings_);
        if (!reading.given) {
            ShowHint(FromUtf8(reading.error), field);
            return;
        }
        givens.push_back(*reading.given);
    }
    if (filled < 2 || filled > 3) {
        ShowHint(QStringLiteral("Попълнете две или три полета (попълнени: %1).").arg(filled),
                 nullptr);
        return;
    }
    ShowHint({}, nullptr);
    emit SolveRequested(givens);
}

void OwnProblemPanel::ShowHint(const QString& hint, QLineEdit* field) {
    hint_->setText(hint);
    hint_->setVisible(!hint.isEmpty());
    setAccessibleDescription(hint);
    if (field != nullptr) {
        field->setFocus();
        field->selectAll();
    }
}
