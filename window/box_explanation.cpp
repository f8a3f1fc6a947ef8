// SPDX-License-Identifier: GPL-3.0-or-later
#include "box_explanation.hpp"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The blank that a line edit keeps on each side of its text.
constexpr int kLineEditSideMargin = 2;

// True when `text` is wider than the part of `box` that shows text.
bool WiderThanBox(const QLineEdit* box, const QString& text) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    const int shown = contents.width() - margins.left() - margins.right() - 2 * kLineEditSideMargin;
    return box->fontMetrics().horizontalAdvance(text) > shown;
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetExplanation(QLineEdit* box, const QString& tooltip, const QString& explanation) {
    box->setToolTip(tooltip);
    box->setAccessibleDescription(explanation);
    box->setWhatsThis(explanation);
}

}  // namespace

void ShowPlainTooltip(QLineEdit* box) {
    SetExplanation(box, WiderThanBox(box, box->text()) ? box->text() : QString(), QString());
}

QString Explanation(int index, const QString& written, bool given,
                    const trapezoid::SolveSteps& steps, int possibilities) {
    QStringList lines{written};
    if (given) {
        lines << QStringLiteral("дадено");
        return lines.join(QLatin1Char('\n'));
    }
    if (possibilities == 2) {
        lines << QStringLiteral("Първа възможност:");
    } else if (possibilities == 1) {
        lines << QStringLiteral("Има една възможност:");
    }
    for (const std::size_t step : trapezoid::StepsLeadingTo(steps, index)) {
        lines << FromUtf8(steps.steps[step].text);
    }
    return lines.join(QLatin1Char('\n'));
}

void ExplainBoxes(const QuantityBoxes& boxes,
                  const std::array<bool, trapezoid::kQuantityCount>& given,
                  const trapezoid::SolveSteps& steps, int possibilities) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QString text =
            Explanation(static_cast<int>(i), boxes[i]->text(), given[i], steps, possibilities);
        SetExplanation(boxes[i], text, text);
    }
}

void DropExplanationsOnEdit(const QuantityBoxes& boxes) {
    for (QLineEdit* edited : boxes) {
        QObject::connect(edited, &QLineEdit::textEdited, edited, [boxes] {
            for (QLineEdit* box : boxes) {
                ShowPlainTooltip(box);
            }
        });
    }
}
