// SPDX-License-Identifier: GPL-3.0-or-later
#include "stale_results.hpp"

#include <QLineEdit>

#include "box_note.hpp"
#include "greyed_text.hpp"

namespace {

QString StaleLine(const QString& givens) {
    return QStringLiteral("Стойност от предишното изчисление (%1). Натиснете „Изчисли“.")
        .arg(givens);
}

// "a = 2; b = 5; c = 1": the givens with the values read.
QString GivensLine(const std::array<bool, trapezoid::kQuantityCount>& given,
                   const std::array<double, trapezoid::kQuantityCount>& read,
                   const trapezoid::NumberSettings& settings) {
    QStringList parts;
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (given[i]) {
            parts << QStringLiteral("%1 = %2").arg(
                QString::fromUtf8(trapezoid::kQuantitySymbols[i].data(),
                                  static_cast<qsizetype>(trapezoid::kQuantitySymbols[i].size())),
                QString::fromStdString(trapezoid::FormatReportNumber(read[i], settings)));
        }
    }
    return parts.join(QStringLiteral("; "));
}

}  // namespace

StaleResults::StaleResults(const QuantityBoxes& boxes, QWidget* report_box, QObject* parent)
    : QObject(parent), boxes_(boxes), report_box_(report_box), greyed_(new GreyedText(this)) {
    for (QLineEdit* box : boxes_) {
        // Connected after the explanations are dropped on an edit, so the
        // marks are put back on the boxes that keep them.
        connect(box, &QLineEdit::textEdited, this, [this] {
            if (!givens_.isEmpty()) {
                MarkResults(true);
            }
            if (!report_givens_.isEmpty()) {
                MarkReport(true);
            }
        });
    }
}

QString StaleResults::Note() const {
    return stale_ ? StaleLine(givens_) : QString();
}

void StaleResults::AfterSolve(const trapezoid::SolveOutcome& outcome,
                              const std::array<bool, trapezoid::kQuantityCount>& given,
                              const trapezoid::NumberSettings& settings) {
    using Status = trapezoid::SolveOutcome::Status;
    if (outcome.status == Status::Fault || outcome.status == Status::NotATrapezoid) {
        if (!givens_.isEmpty()) {
            MarkResults(true);
        }
        return;
    }
    if (outcome.status != Status::Solved) {
        return;
    }
    MarkResults(false);
    for (std::size_t i = 0; i < given.size(); ++i) {
        results_[i] = !given[i];
    }
    givens_ = GivensLine(
        given, outcome.read.value_or(std::array<double, trapezoid::kQuantityCount>{}), settings);
    if (outcome.report) {
        MarkReport(false);
        report_givens_ = givens_;
    } else if (!report_givens_.isEmpty()) {
        MarkReport(true);
    }
}

void StaleResults::Forget() {
    MarkResults(false);
    results_ = {};
    givens_.clear();
}

void StaleResults::MarkResults(bool stale) {
    const bool changes = stale != stale_;
    stale_ = stale;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (results_[i]) {
            greyed_->SetGreyed(boxes_[i], stale);
            if (stale) {
                ShowBoxNote(boxes_[i], StaleLine(givens_));
            }
        }
    }
    if (changes) {
        emit changed();
    }
}

void StaleResults::MarkReport(bool stale) {
    if (stale == report_stale_) {
        return;
    }
    report_stale_ = stale;
    greyed_->SetGreyed(report_box_, stale);
    if (stale) {
        report_tooltip_ = report_box_->toolTip();
        report_description_ = report_box_->accessibleDescription();
        report_box_->setToolTip(StaleLine(report_givens_));
        report_box_->setAccessibleDescription(StaleLine(report_givens_));
    } else {
        report_box_->setToolTip(report_tooltip_);
        report_box_->setAccessibleDescription(report_description_);
    }
}
