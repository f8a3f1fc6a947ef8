// SPDX-License-Identifier: GPL-3.0-or-later
#include "own_problem_panel.hpp"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
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

}  // namespace

OwnProblemPanel::OwnProblemPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Своя задача"), parent) {
    setObjectName(QStringLiteral("OwnProblemPanel"));
    auto* grid = new QGridLayout;
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        const trapezoid::PanelField& described = trapezoid::PanelFields()[index];
        auto* field = new QLineEdit(this);
        auto* label = new QLabel(FromUtf8(described.label), this);
        label->setBuddy(field);
        field->setAccessibleName(FromUtf8(described.accessible_name));
        field->setToolTip(field->accessibleName());
        field->setPlaceholderText(FromUtf8(described.placeholder));
        connect(field, &QLineEdit::returnPressed, this, &OwnProblemPanel::Read);
        connect(field, &QLineEdit::textEdited, this, [this] { ShowHint({}, nullptr); });
        field->installEventFilter(this);
        connect(field, &QLineEdit::cursorPositionChanged, this,
                [this, field] { last_edited_ = field; });
        const int row = static_cast<int>(index) / kFieldsPerRow;
        const int column = 2 * (static_cast<int>(index) % kFieldsPerRow);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
        fields_[index] = field;
    }
    // Made before "Реши", so that Tab reaches the line and its buttons first.
    QLayout* conditions_row = BuildConditionsRow();
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
    layout->addLayout(conditions_row);
    layout->addLayout(bottom);
}

QLayout* OwnProblemPanel::BuildConditionsRow() {
    const trapezoid::PanelConditionsLine& described = trapezoid::ConditionsLine();
    conditions_ = new QLineEdit(this);
    conditions_->setObjectName(QStringLiteral("ConditionsLine"));
    conditions_->setAccessibleName(FromUtf8(described.accessible_name));
    conditions_->setToolTip(FromUtf8(described.tooltip));
    conditions_->installEventFilter(this);
    connect(conditions_, &QLineEdit::cursorPositionChanged, this,
            [this] { last_edited_ = conditions_; });
    connect(conditions_, &QLineEdit::returnPressed, this, &OwnProblemPanel::Read);
    connect(conditions_, &QLineEdit::textEdited, this, [this] { ShowHint({}, nullptr); });
    last_edited_ = conditions_;
    auto* label = new QLabel(FromUtf8(described.label), this);
    label->setBuddy(conditions_);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(conditions_, 1);
    for (std::size_t i = 0; i < signs_.size(); ++i) {
        const QString sign = FromUtf8(described.signs[i].sign);
        auto* button = new QPushButton(sign, this);
        button->setAccessibleName(FromUtf8(described.signs[i].accessible_name));
        button->setToolTip(button->accessibleName());
        // Keyboard reachable by Tab; a click leaves the focus in the line typed in.
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, sign] {
            last_edited_->insert(sign);
            last_edited_->setFocus();
            ShowHint({}, nullptr);
        });
        row->addWidget(button);
        signs_[i] = button;
    }
    return row;
}

bool OwnProblemPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        last_edited_ = static_cast<QLineEdit*>(watched);
    }
    return QGroupBox::eventFilter(watched, event);
}

void OwnProblemPanel::ShowGivens(const std::array<QString, trapezoid::kElementCount>& texts) {
    for (std::size_t e = 0; e < texts.size(); ++e) {
        fields_[e]->setText(texts[e]);
    }
    ObtuseAngleField()->clear();
    conditions_->clear();
    ShowHint({}, nullptr);
}

QLineEdit* OwnProblemPanel::Field(Element element) const {
    return fields_[static_cast<std::size_t>(trapezoid::ElementIndex(element))];
}

QString OwnProblemPanel::Hint() const {
    return hint_->isVisible() ? hint_->text() : QString();
}

void OwnProblemPanel::Read() {
    std::vector<std::string> texts;
    for (const QLineEdit* field : fields_) {
        texts.push_back(field->text().toStdString());
    }
    texts.push_back(conditions_->text().toStdString());
    const trapezoid::PanelReading reading = trapezoid::ReadPanel(texts, settings_);
    if (!reading.hint.empty()) {
        QLineEdit* at = reading.field < 0 ? nullptr
                        : reading.field == trapezoid::kConditionsLine
                            ? conditions_
                            : fields_[static_cast<std::size_t>(reading.field)];
        ShowHint(FromUtf8(reading.hint), at);
        return;
    }
    ShowHint({}, nullptr);
    if (!reading.conditions.empty()) {
        emit ConditionsRequested(reading.conditions);
    } else {
        emit SolveRequested(reading.givens);
    }
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
