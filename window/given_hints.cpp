// SPDX-License-Identifier: GPL-3.0-or-later
#include "given_hints.hpp"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>
#include <optional>

#include "box_note.hpp"
#include "reading_hints.hpp"

namespace {

constexpr int kRefusalMilliseconds = 5000;
constexpr int kRefusalMargin = 4;  // around its text, and to the window's edges

std::optional<trapezoid::QuantityReading> Reading(const std::string& text,
                                                  const trapezoid::NumberSettings& settings) {
    try {
        return trapezoid::ReadQuantityText(text, settings);
    } catch (const trapezoid::ArithmeticError&) {
        return std::nullopt;  // beyond a double: the message of the solve says so
    }
}

void Announce(QObject* object, QAccessible::Event kind) {
    QAccessibleEvent event(object, kind);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

GivenHints::GivenHints(const QuantityBoxes& boxes, QWidget* window)
    : QObject(window),
      boxes_(boxes),
      refusal_(new QLabel(window)),
      refusal_timer_(new QTimer(this)) {
    refusal_->setObjectName(QStringLiteral("refusalHint"));
    refusal_->setFrameShape(QFrame::Box);
    refusal_->setMargin(kRefusalMargin);
    refusal_->setAutoFillBackground(true);
    refusal_->setAttribute(Qt::WA_TransparentForMouseEvents);
    refusal_->hide();
    refusal_timer_->setSingleShot(true);
    refusal_timer_->setInterval(kRefusalMilliseconds);
    connect(refusal_timer_, &QTimer::timeout, this, [this] {
        HideRefusal();
        ShowPartlyRead();
    });
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        // Connected after the explanations are dropped on an edit, so the
        // hints are put back on the boxes that keep them.
        connect(boxes_[i], &QLineEdit::textEdited, this, [this, i] {
            partly_read_[i].clear();
            HideRefusal();
            ShowPartlyRead();
        });
    }
}

void GivenHints::AfterSolve(trapezoid::SolveOutcome::Status status,
                            const std::array<bool, trapezoid::kQuantityCount>& given,
                            const std::array<std::string, trapezoid::kQuantityCount>& texts,
                            const trapezoid::NumberSettings& settings) {
    using Status = trapezoid::SolveOutcome::Status;
    HideRefusal();
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const auto reading = given[i] ? Reading(texts[i], settings) : std::nullopt;
        if (!reading) {
            continue;
        }
        if (status == Status::Rejected && !(reading->value > 0.0)) {
            ShowRefusal(boxes_[i], RefusedHint(texts[i], settings));
            return;
        }
        if (status != Status::Rejected && status != Status::Unchanged && !reading->unread.empty()) {
            partly_read_[i] = PartlyReadHint(*reading, settings);
        }
    }
    ShowPartlyRead();
}

void GivenHints::Forget() {
    HideRefusal();
    partly_read_ = {};
}

void GivenHints::ShowRefusal(QLineEdit* box, const QString& hint) {
    refused_box_ = box;
    ShowBoxNote(box, hint);

    QWidget* window = refusal_->parentWidget();
    QPalette colours = refusal_->palette();
    colours.setColor(QPalette::Window, QToolTip::palette().color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, QToolTip::palette().color(QPalette::ToolTipText));
    refusal_->setPalette(colours);
    refusal_->setText(hint);
    // One line where the window is wide enough, else wrapped to its width.
    refusal_->setWordWrap(false);
    refusal_->setMinimumSize(0, 0);
    refusal_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int widest = window->width() - 2 * kRefusalMargin;
    const int width = std::min(refusal_->sizeHint().width(), widest);
    refusal_->setWordWrap(width == widest);
    refusal_->setFixedSize(width, refusal_->heightForWidth(width));
    const QPoint below = box->mapTo(window, QPoint(0, box->height()));
    refusal_->move(std::clamp(below.x(), kRefusalMargin, window->width() - width - kRefusalMargin),
                   below.y());
    refusal_->show();
    refusal_->raise();
    refusal_timer_->start();

    // Screen readers: the box's description changed, and the focus is on it.
    const bool focused = box->hasFocus();
    box->setFocus(Qt::OtherFocusReason);
    Announce(box, QAccessible::DescriptionChanged);
    if (focused) {
        Announce(box, QAccessible::Focus);
    }
    Announce(refusal_, QAccessible::Alert);
}

void GivenHints::HideRefusal() {
    refusal_timer_->stop();
    refusal_->hide();
    if (refused_box_) {
        ShowPlainTooltip(refused_box_);
        refused_box_ = nullptr;
    }
}

void GivenHints::ShowPartlyRead() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (!partly_read_[i].isEmpty()) {
            ShowBoxNote(boxes_[i], partly_read_[i]);
        }
    }
}
