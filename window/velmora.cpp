// SPDX-License-Identifier: GPL-3.0-or-later
#include "velmora.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "box_explanation.hpp"
#include "burger_icon.hpp"
#include "deferred_icon_style.hpp"
#include "fixed_colour_text.hpp"
#include "given_hints.hpp"
#include "kind_list.hpp"
#include "number_settings.hpp"
#include "read_only_text_view.hpp"
#include "solid_button.hpp"
#include "solution_menu.hpp"
#include "solve_message.hpp"
#include "stale_results.hpp"
#include "trapezoid/solve_message.hpp"
#include "trapezoid_drawing.hpp"
#include "typing_limit.hpp"
#include "window_accessibility.hpp"
#include "window_layout.hpp"
#include "window_texts.hpp"

namespace {

using namespace window_layout;

void SetBackground(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::All, role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    SetBackground(label, QPalette::Window, kLabelColour);
    UseDarkText(label);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const QRect& geometry,
                        const QColor& fill) {
    auto* button = new SolidButton(text, fill, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(true);  // Enter presses the focused button, as Space does
    button->setAccessibleName(text);
    return button;
}

std::string ToUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QFont WindowFont() {
    QFont font(SerifFamilyName(), kFontPointSize);
    font.setStyleHint(QFont::Serif);
    return font;
}

Velmora::Velmora(SettingsSource settings, QWidget* parent)
    : QWidget(parent), settings_(settings ? std::move(settings) : SystemNumberSettings) {
    setObjectName(QStringLiteral("Velmora"));
    InstallWindowAccessibility();
    setWindowTitle(window_texts::Caption());
    setWindowIcon(BurgerIcon());
    setFont(WindowFont());
    // A line edit lays out its empty text in the application font before it takes
    // the window's. With the window's font as the application's, start-up loads one
    // face instead of two, and skips the fallback search for the default family.
    QApplication::setFont(font());
    DeferExtensionIcons();  // before the menu bar asks for its extension icon

    // The menu bar above, the controls in a fixed area below: the window is
    // as wide as the area and as high as the area plus the bar.
    client_area_ = new QWidget(this);
    SetBackground(client_area_, QPalette::Window, kWindowColour);
    client_area_->setFixedSize(kClientSize);
    solution_menu_ = new SolutionMenu(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(solution_menu_->MenuBar());
    layout->addWidget(client_area_);
    layout->activate();  // fixes the size now, before the platform window exists
    connect(this, &Velmora::solved, solution_menu_, &SolutionMenu::TakeSolve);

    CreateControls();
    // Wired after the boxes' explanations, which an edit drops first.
    stale_results_ = new StaleResults(Text2, Text1[0], this);
    connect(stale_results_, &StaleResults::changed, this, &Velmora::staleResultsChanged);
    connect(this, &Velmora::staleResultsChanged, solution_menu_,
            [this] { solution_menu_->SetStaleNote(StaleResultsNote()); });
    given_hints_ = new GivenHints(Text2, this);
    SetFocusOrder();
    Text1[0]->setFocus();
    Form_Load();
}

void Velmora::CreateControls() {
    QWidget* area = client_area_;
    Label1[0] = MakeLabel(area, window_texts::TitleLabel(), kTitleLabel);

    Frame1 = new QGroupBox(window_texts::DimensionsFrame(), area);
    Frame1->setGeometry(kFrame);
    SetBackground(Frame1, QPalette::Window, kWindowColour);
    // The classic look: an etched line through the middle of the caption.
    UseClassicFrame(Frame1);

    Picture1 = new TrapezoidPicture(area);
    Picture1->setGeometry(kPicture);

    Label1[1] = MakeLabel(area, window_texts::GivenLabel(), kGivenLabel);

    List1[0] = new QListWidget(area);
    List1[0]->setGeometry(kKindList);
    List1[0]->addItems(window_texts::KindListItems());
    List1[0]->setSelectionMode(QAbstractItemView::SingleSelection);
    List1[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1[0]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1[0]->setAccessibleName(QStringLiteral("Дадени"));
    List1[0]->setAccessibleDescription(
        QStringLiteral("Изберете кои три от размерите на трапеца са дадени"));
    KeepOneKindSelected(List1[0]);
    connect(List1[0], &QListWidget::currentRowChanged, this, [this] { List1_Click(0); });

    for (int i = 0; i < trapezoid::kQuantityCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const QString symbol = FromUtf8(std::string(trapezoid::kQuantitySymbols[index]));
        Check1[index] = new QCheckBox(symbol, Frame1);
        Check1[index]->setGeometry(GivenMark(i));
        Check1[index]->setEnabled(false);
        SetBackground(Check1[index], QPalette::Button, kMarkColour);
        SetBackground(Check1[index], QPalette::Window, kMarkColour);
        UseGreyedMarkLook(Check1[index]);

        Text2[index] = new QLineEdit(Frame1);
        Text2[index]->setGeometry(QuantityBox(i));
        Text2[index]->setAccessibleName(symbol + QStringLiteral(" - ") +
                                        window_texts::QuantityTerm(i));
        Text2[index]->setReadOnly(true);
        // Enter in a box, locked or not, calculates; the focus stays there.
        connect(Text2[index], &QLineEdit::returnPressed, this, [this] { Command1_Click(0); });
    }
    DropExplanationsOnEdit(Text2);

    Command1[0] =
        MakeButton(area, window_texts::CalculateButton(), kCalculateButton, kCalculateColour);
    Command1[1] = MakeButton(area, window_texts::ClearButton(), kClearButton, kClearColour);
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(Command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });

    Text1[0] = new QPlainTextEdit(area);
    Text1[0]->setGeometry(kAssignmentBox);
    MakeReadOnlyTextView(Text1[0]);
    Text1[0]->setFocusPolicy(Qt::StrongFocus);
    Text1[0]->setTabChangesFocus(true);
    Text1[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1[0]->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1[0]->setPlainText(window_texts::HelpText());
    Text1[0]->setAccessibleName(QStringLiteral("Задание"));
}

void Velmora::SetFocusOrder() {
    QWidget* const order[] = {Text1[0], Text2[0],    Text2[1],    Text2[2], Text2[3], Text2[4],
                              List1[0], Command1[0], Command1[1], Picture1, Text2[5]};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

void Velmora::Form_Load() {
    ClearSizes();
    for (QLineEdit* box : Text2) {
        SetTypingLimit(box, kTypingLimit);
    }
    // Selecting from code raises the list's click handling at once.
    List1[0]->setCurrentRow(trapezoid::KindIndex(trapezoid::Kind::ABC));
    Check1[trapezoid::QuantityIndex::A]->setChecked(true);
    Text2[trapezoid::QuantityIndex::A]->setReadOnly(false);
    Check1[trapezoid::QuantityIndex::B]->setChecked(true);
    Text2[trapezoid::QuantityIndex::B]->setReadOnly(false);
}

void Velmora::List1_Click(qint16 Index) {
    if (Index != 0) {
        return;
    }
    ApplyKindSelection();
}

void Velmora::Command1_Click(qint16 Index) {
    if (Index == 0) {
        SolveTrapezoid();
    } else if (Index == 1) {
        ClearSizes();
    }
}

void Velmora::ApplyKindSelection() {
    stale_results_->Forget();
    given_hints_->Forget();
    for (std::size_t i = 0; i < trapezoid::kQuantityCount; ++i) {
        Check1[i]->setEnabled(false);
        Check1[i]->setChecked(false);
        SetProgramText(Text2[i], QString());
        Text2[i]->setReadOnly(true);
    }
    const auto kind = static_cast<qint16>(List1[0]->currentRow());
    if (!trapezoid::IsKind(kind)) {
        return;
    }
    for (const int given : trapezoid::kKinds[static_cast<std::size_t>(kind)].givens) {
        Check1[static_cast<std::size_t>(given)]->setChecked(true);
        Text2[static_cast<std::size_t>(given)]->setReadOnly(false);
    }
}

void Velmora::ClearSizes() {
    stale_results_->Forget();
    given_hints_->Forget();
    for (QLineEdit* box : Text2) {
        SetProgramText(box, QString());
    }
}

void Velmora::SolveTrapezoid() {
    const int kind = static_cast<qint16>(List1[0]->currentRow());
    std::array<bool, trapezoid::kQuantityCount> given{};
    std::array<std::string, trapezoid::kQuantityCount> texts;
    for (std::size_t i = 0; i < trapezoid::kQuantityCount; ++i) {
        given[i] = Check1[i]->isChecked();
        texts[i] = ToUtf8(Text2[i]->text());
    }
    const trapezoid::NumberSettings settings = settings_();
    const trapezoid::SolveOutcome outcome = trapezoid::Solve(kind, given, texts, settings);

    switch (outcome.status) {
        case trapezoid::SolveOutcome::Status::Solved:
            if (outcome.report) {
                Text1[0]->setPlainText(FromUtf8(*outcome.report));
            }
            for (std::size_t i = 0; i < trapezoid::kQuantityCount; ++i) {
                SetProgramText(Text2[i], FromUtf8(outcome.texts[i]));
            }
            ExplainBoxes(Text2, given, trapezoid::DescribeSolve(kind, given, texts, settings),
                         outcome.possibilities);
            break;
        case trapezoid::SolveOutcome::Status::Fault:
        case trapezoid::SolveOutcome::Status::NotATrapezoid:
            if (!solution_menu_->Quitting()) {
                ShowSolveMessage(
                    this, FromUtf8(trapezoid::SolveMessage(outcome, kind, given, texts, settings)));
            }
            break;
        case trapezoid::SolveOutcome::Status::Rejected:
        case trapezoid::SolveOutcome::Status::Unchanged:
            break;  // nothing changes, silently
    }
    stale_results_->AfterSolve(outcome, given, settings);
    given_hints_->AfterSolve(outcome.status, given, texts, settings);
    emit solved({kind, given, texts, settings});
}

void Velmora::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        solution_menu_->BeginQuitting();
    }
}

QString Velmora::StaleResultsNote() const {
    return stale_results_->Note();
}
