// SPDX-License-Identifier: GPL-3.0-or-later
#include "solution_menu.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "own_problem_panel.hpp"
#include "solution_pages.hpp"
#include "solution_window.hpp"

namespace {

constexpr int kDefaultDecimals = 7;

QAction* NewCommand(QObject* parent, const QString& text, const QKeySequence& shortcut = {}) {
    auto* action = new QAction(text, parent);
    action->setShortcut(shortcut);
    return action;
}

// The menu takes its commands when it is first opened, not at start-up;
// a null command stands for a separator.
void FillOnFirstShow(QMenu* menu, const QList<QAction*>& commands) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, commands] {
        if (!menu->isEmpty()) {
            return;
        }
        for (QAction* command : commands) {
            if (command != nullptr) {
                menu->addAction(command);
            } else {
                menu->addSeparator();
            }
        }
    });
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString AboutText() {
    return QStringLiteral(
               "<p><b>Правоъгълен трапец</b></p><p>Версия %1</p>"
               "<p>Програмата пресмята правоъгълен трапец по три дадени размера и показва "
               "решението стъпка по стъпка, с чертеж в мащаб.</p>"
               "<p>Лиценз: GPL-3.0-or-later</p>")
        .arg(QStringLiteral(TRAPEZOID_VERSION));
}

}  // namespace

SolutionMenu::SolutionMenu(QWidget* main_window) : QObject(main_window), main_window_(main_window) {
    CreateMenus();
}

void SolutionMenu::CreateMenus() {
    // The menus are Bulgarian under every locale, as the rest of the window.
    show_ = NewCommand(this, QStringLiteral("&Покажи решението"), Qt::CTRL | Qt::Key_R);
    own_problem_ = NewCommand(this, QStringLiteral("&Своя задача…"), Qt::CTRL | Qt::Key_N);
    copy_ =
        NewCommand(this, QStringLiteral("&Копирай решението"), Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    pdf_ = NewCommand(this, QStringLiteral("&Запази като PDF…"), Qt::CTRL | Qt::Key_S);
    print_ = NewCommand(this, QStringLiteral("П&ечат…"), Qt::CTRL | Qt::Key_P);
    exit_ = NewCommand(this, QStringLiteral("&Изход"), Qt::CTRL | Qt::Key_Q);
    about_ = NewCommand(this, QStringLiteral("&За програмата"));
    // The shortcuts work before the menus are first opened.
    main_window_->addActions({show_, own_problem_, copy_, pdf_, print_, exit_});

    menu_bar_ = new QMenuBar(main_window_);
    FillOnFirstShow(menu_bar_->addMenu(QStringLiteral("&Решение")),
                    {show_, own_problem_, copy_, pdf_, print_, nullptr, exit_});
    FillOnFirstShow(menu_bar_->addMenu(QStringLiteral("По&мощ")), {about_});

    for (QAction* needs_solution : {copy_, pdf_, print_}) {
        needs_solution->setEnabled(false);
    }
    connect(show_, &QAction::triggered, this, &SolutionMenu::ShowSolution);
    connect(own_problem_, &QAction::triggered, this, &SolutionMenu::ShowOwnProblem);
    connect(copy_, &QAction::triggered, this, &SolutionMenu::CopySolution);
    connect(pdf_, &QAction::triggered, this, &SolutionMenu::SaveAsPdf);
    connect(print_, &QAction::triggered, this, &SolutionMenu::Print);
    connect(exit_, &QAction::triggered, main_window_, &QWidget::close);
    connect(about_, &QAction::triggered, this, &SolutionMenu::ShowAbout);
}

void SolutionMenu::TakeSolve(const SolveRequest& request) {
    latest_ = request;
    for (QAction* needs_solution : {copy_, pdf_, print_}) {
        needs_solution->setEnabled(true);
    }
    if (window_ != nullptr) {
        window_->SetRequest(request);
    }
}

void SolutionMenu::SetStaleNote(const QString& note) {
    stale_note_ = note;
    if (window_ != nullptr) {
        window_->SetStaleNote(note);
    }
}

SolutionWindow* SolutionMenu::EnsureWindow() {
    if (window_ == nullptr) {
        window_ =
            new SolutionWindow({show_, own_problem_, copy_, pdf_, print_, exit_}, main_window_);
        window_->SetStaleNote(stale_note_);
        connect(window_, &SolutionWindow::ownProblemSolved, this, [this] {
            for (QAction* needs_solution : {copy_, pdf_, print_}) {
                needs_solution->setEnabled(true);
            }
        });
        if (latest_) {
            window_->SetRequest(*latest_);
        }
    }
    return window_;
}

void SolutionMenu::BeginQuitting() {
    quitting_ = true;
    if (window_ != nullptr) {
        window_->close();
    }
}

void SolutionMenu::ShowSolution() {
    if (quitting_) {
        return;
    }
    EnsureWindow()->Present();
}

void SolutionMenu::ShowOwnProblem() {
    if (quitting_) {
        return;
    }
    ShowSolution();
    window_->OwnProblem()->Field(trapezoid::Element::A)->setFocus();
}

trapezoid::WorkedSolution SolutionMenu::CurrentSolution() {
    if (window_ != nullptr) {
        return window_->Solution();
    }
    return latest_ ? latest_->BuildSolution(kDefaultDecimals) : trapezoid::WorkedSolution{};
}

QString SolutionMenu::CurrentSeparator() const {
    if (window_ != nullptr) {
        return window_->DecimalSeparator();
    }
    return latest_ ? FromUtf8(latest_->settings.decimal_separator) : QStringLiteral(".");
}

bool SolutionMenu::HasSolution() const {
    return latest_ || (window_ != nullptr && window_->HasSolution());
}

QWidget* SolutionMenu::DialogParent() const {
    if (window_ != nullptr && window_->isActiveWindow()) {
        return window_;
    }
    return main_window_;
}

void SolutionMenu::CopySolution() {
    if (!HasSolution()) {
        return;
    }
    if (window_ != nullptr) {
        window_->Solution();  // brings the shown text up to date
        QApplication::clipboard()->setText(window_->ShownText());
        return;
    }
    QApplication::clipboard()->setText(FromUtf8(CurrentSolution().text));
}

void SolutionMenu::SaveAsPdf() {
    if (quitting_ || !HasSolution()) {
        return;
    }
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(documents).exists()) {
        documents = QDir::homePath();
    }
    QString path = QFileDialog::getSaveFileName(
        DialogParent(), QStringLiteral("Запази като PDF"),
        QDir(documents).filePath(QStringLiteral("решение.pdf")), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    const QString error = figure::WriteSolutionPdf(path, CurrentSolution(), CurrentSeparator());
    if (!error.isEmpty()) {
        QMessageBox::warning(DialogParent(), main_window_->windowTitle(), error);
    }
}

void SolutionMenu::Print() {
    if (quitting_ || !HasSolution()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Решение"));
    QPrintDialog dialog(&printer, DialogParent());
    dialog.setWindowTitle(QStringLiteral("Печат"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    figure::PaintSolutionPages(printer, CurrentSolution(), CurrentSeparator());
}

void SolutionMenu::ShowAbout() {
    if (quitting_) {
        return;
    }
    QMessageBox::about(main_window_, main_window_->windowTitle(), AboutText());
}
