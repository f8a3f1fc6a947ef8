// SPDX-License-Identifier: GPL-3.0-or-later
#include "solution_window.hpp"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

#include "number_settings.hpp"
#include "own_problem_panel.hpp"
#include "read_only_text_view.hpp"
#include "solution_drawing.hpp"
#include "trapezoid/condition_solution.hpp"
#include "trapezoid/element_solution.hpp"

namespace {

// Fits a 1366 × 768 screen with the main window beside it.
constexpr QSize kFirstSize{820, 640};
constexpr int kFirstDrawingHeight = 270;
constexpr int kSpacingBesideMain = 8;
constexpr int kMostDecimals = 7;

const QString kBeforeFirstSolve = QStringLiteral(
    "Изберете кои размери са дадени, въведете ги в главния прозорец и натиснете „Изчисли“ — "
    "тук ще се появи решението.");

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A request's givens as the panel's fields hold them.
std::array<QString, trapezoid::kElementCount> PanelTexts(const SolveRequest& request) {
    std::array<QString, trapezoid::kElementCount> texts;
    for (std::size_t q = 0; q < request.texts.size(); ++q) {
        if (request.given[q]) {
            texts[q] = FromUtf8(request.texts[q]);
        }
    }
    return texts;
}

}  // namespace

SolutionWindow::SolutionWindow(const QList<QAction*>& shared_actions, QWidget* main_window)
    : QWidget(main_window, Qt::Window), main_window_(main_window) {
    setObjectName(QStringLiteral("SolutionWindow"));
    setWindowTitle(QStringLiteral("Решение — Правоъгълен трапец"));
    // Only the main window keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    addActions(shared_actions);
    auto* close_action = new QAction(this);
    close_action->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(close_action, &QAction::triggered, this, &QWidget::close);
    addAction(close_action);

    stale_note_ = new QLabel(this);
    stale_note_->setWordWrap(true);
    stale_note_->setStyleSheet(QStringLiteral("font-weight: bold"));
    stale_note_->hide();

    auto* decimals_label = new QLabel(QStringLiteral("Знаци след „≈“:"), this);
    decimals_ = new QSpinBox(this);
    decimals_->setRange(0, kMostDecimals);
    decimals_->setValue(kMostDecimals);
    decimals_->setAccessibleName(QStringLiteral("Знаци след „≈“"));
    decimals_label->setBuddy(decimals_);
    connect(decimals_, &QSpinBox::valueChanged, this, [this] {
        stale_ = true;
        Rebuild();
    });

    drawing_ = new SolutionDrawing(this);
    text_ = new QPlainTextEdit(this);
    MakeReadOnlyTextView(text_);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setAccessibleName(QStringLiteral("Решение"));
    text_->setPlainText(kBeforeFirstSolve);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(drawing_);
    splitter->addWidget(text_);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({kFirstDrawingHeight, kFirstSize.height() - kFirstDrawingHeight});

    auto* options = new QHBoxLayout;
    options->addWidget(decimals_label);
    options->addWidget(decimals_);
    options->addStretch();
    own_settings_ = SystemNumberSettings();
    own_problem_ = new OwnProblemPanel(this);
    own_problem_->SetNumberSettings(own_settings_);
    connect(own_problem_, &OwnProblemPanel::SolveRequested, this, &SolutionWindow::SolveOwnProblem);
    connect(own_problem_, &OwnProblemPanel::ConditionsRequested, this,
            &SolutionWindow::SolveOwnConditions);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stale_note_);
    layout->addWidget(own_problem_);
    layout->addLayout(options);
    layout->addWidget(splitter, 1);
    resize(kFirstSize);
}

void SolutionWindow::SetRequest(const SolveRequest& request) {
    request_ = request;
    own_givens_.reset();
    own_conditions_.reset();
    own_problem_->ShowGivens(PanelTexts(request));
    stale_ = true;
    if (isVisible()) {
        Rebuild();
    }
}

void SolutionWindow::SolveOwnProblem(const std::vector<trapezoid::ElementGiven>& givens) {
    own_givens_ = givens;
    own_conditions_.reset();
    stale_ = true;
    Rebuild();
    emit ownProblemSolved();
}

void SolutionWindow::SolveOwnConditions(const std::vector<trapezoid::conditions::Given>& givens) {
    own_conditions_ = givens;
    own_givens_.reset();
    stale_ = true;
    Rebuild();
    emit ownProblemSolved();
}

void SolutionWindow::Present() {
    if (!placed_) {
        PlaceBesideMainWindow();
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

const trapezoid::WorkedSolution& SolutionWindow::Solution() {
    Rebuild();
    return solution_;
}

QString SolutionWindow::ShownText() const {
    return text_->toPlainText();
}

int SolutionWindow::ApproximateDecimals() const {
    return decimals_->value();
}

const trapezoid::NumberSettings& SolutionWindow::Settings() const {
    return request_ ? request_->settings : own_settings_;
}

QString SolutionWindow::DecimalSeparator() const {
    return FromUtf8(Settings().decimal_separator);
}

void SolutionWindow::SetStaleNote(const QString& note) {
    stale_note_->setText(note);
    stale_note_->setVisible(!note.isEmpty());
}

void SolutionWindow::showEvent(QShowEvent* event) {
    Rebuild();
    QWidget::showEvent(event);
}

void SolutionWindow::Rebuild() {
    if (!stale_ || !HasSolution()) {
        return;
    }
    stale_ = false;
    const trapezoid::NumberSettings& settings = Settings();
    solution_ =
        own_conditions_
            ? trapezoid::SolveConditions(*own_conditions_, settings, {decimals_->value()}).worked
        : own_givens_
            ? trapezoid::ElementWorkedSolution(
                  trapezoid::SolveElements(*own_givens_, settings, {decimals_->value()}), settings)
            : request_->BuildSolution(decimals_->value());
    text_->setPlainText(FromUtf8(solution_.text));
    drawing_->SetSolution(solution_, FromUtf8(settings.decimal_separator));
}

void SolutionWindow::PlaceBesideMainWindow() {
    const QRect main = main_window_->frameGeometry();
    QScreen* screen = main_window_->screen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    QSize size = kFirstSize;
    if (room.isValid()) {
        size = size.boundedTo(room.size() - QSize(kSpacingBesideMain, 2 * kSpacingBesideMain));
    }
    resize(size);
    QPoint corner(main.right() + 1 + kSpacingBesideMain, main.top());
    if (room.isValid()) {
        corner.setX(std::min(corner.x(), room.right() - size.width()));
        corner.setY(std::clamp(corner.y(), room.top(),
                               std::max(room.top(), room.bottom() - size.height())));
    }
    move(corner);
}
