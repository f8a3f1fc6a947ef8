// SPDX-License-Identifier: GPL-3.0-or-later
#include "own_problem_panel.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using trapezoid::Element;

constexpr int kFieldsPerRow = 4;

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
    for (int e = 0; e < trapezoid::kElementCount; ++e) {
        const Element element = trapezoid::ElementAt(e);
        auto* field = new QLineEdit(this);
        auto* label = new QLabel(FromUtf8(trapezoid::ElementSymbol(element)) + ':', this);
        label->setBuddy(field);
        field->setAccessibleName(Capitalised(trapezoid::ElementWords(element)));
        field->setToolTip(field->accessibleName());
        if (element == Element::Angle) {
            field->setPlaceholderText(QStringLiteral("°"));
        }
        connect(field, &QLineEdit::returnPressed, this, &OwnProblemPanel::Read);
        connect(field, &QLineEdit::textEdited, this, [this] { ShowHint({}, nullptr); });
        const int row = e / kFieldsPerRow;
        const int column = 2 * (e % kFieldsPerRow);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
        fields_[static_cast<std::size_t>(e)] = field;
    }
    solve_ = new QPushButton(QStringLiteral("Реши"), this);
    connect(solve_, &QPushButton::clicked, this, &OwnProblemPanel::Read);
    grid->addWidget(solve_, (trapezoid::kElementCount - 1) / kFieldsPerRow,
                    2 * (kFieldsPerRow - 1) + 1);
    hint_ = new QLabel(this);
    hint_->setWordWrap(true);
    hint_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(hint_);
}

void OwnProblemPanel::ShowGivens(const std::array<QString, trapezoid::kElementCount>& texts) {
    for (std::size_t e = 0; e < fields_.size(); ++e) {
        fields_[e]->setText(texts[e]);
    }
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
    for (int e = 0; e < trapezoid::kElementCount; ++e) {
        QLineEdit* field = fields_[static_cast<std::size_t>(e)];
        if (field->text().trimmed().isEmpty()) {
            continue;
        }
        ++filled;
        const trapezoid::ElementReading reading = trapezoid::ReadElement(
            {trapezoid::ElementAt(e), false}, field->text().toStdString(), settings_);
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
