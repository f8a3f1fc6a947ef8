// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure_content.hpp"

#include <QStringList>

namespace figure {
namespace {

constexpr qsizetype kLongestExactLabel = 8;  // code points
constexpr int kLabelDecimals = 2;
const char* const kLetters[] = {"a", "b", "c", "h"};

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "h = √11 ≈ 3,3166248", or "a ≈ 3,1291713" for a value with no exact form.
QString Stated(std::size_t index, const std::string& written) {
    const QString value = FromUtf8(written);
    const QString letter = QString::fromLatin1(kLetters[index]);
    return value.startsWith(u'≈') ? letter + u' ' + value : letter + QStringLiteral(" = ") + value;
}

QString DescribeOne(const trapezoid::SolvedFigure& figure) {
    return QStringLiteral("Правоъгълен трапец с основи %1 и %2, височина %3, бедро %4")
        .arg(Stated(0, figure.written[0]), Stated(2, figure.written[2]),
             Stated(3, figure.written[3]), Stated(1, figure.written[1]));
}

}  // namespace

QString ShortForm(const std::string& exact, double value, const QString& decimal_separator) {
    const QString exact_text = FromUtf8(exact);
    if (!exact_text.isEmpty() && exact_text.toUcs4().size() <= kLongestExactLabel) {
        return exact_text;
    }
    QString text = QString::number(value, 'f', kLabelDecimals);
    text.replace(u'.', decimal_separator);
    text.replace(u'-', QStringLiteral("−"));
    return text;
}

std::vector<DrawnTrapezoid> TrapezoidsToDraw(const trapezoid::WorkedSolution& solution,
                                             const QString& decimal_separator) {
    std::vector<DrawnTrapezoid> trapezoids;
    for (const trapezoid::SolvedFigure& figure : solution.figures) {
        DrawnTrapezoid drawn;
        drawn.a = figure.lengths[0];
        drawn.b = figure.lengths[1];
        drawn.c = figure.lengths[2];
        drawn.h = figure.lengths[3];
        for (std::size_t i = 0; i < drawn.side_labels.size(); ++i) {
            const QString value = ShortForm(figure.exact[i], figure.lengths[i], decimal_separator);
            const bool exact = value == FromUtf8(figure.exact[i]);
            drawn.side_labels[i] = QString::fromLatin1(kLetters[i]) +
                                   (exact ? QStringLiteral(" = ") : QStringLiteral(" ≈ ")) + value;
        }
        drawn.heading = FromUtf8(figure.heading);
        trapezoids.push_back(drawn);
    }
    return trapezoids;
}

QString DescribeFigure(const trapezoid::WorkedSolution& solution) {
    if (solution.figures.empty()) {
        return FromUtf8(solution.no_figure_reason);
    }
    if (solution.figures.size() == 1) {
        return DescribeOne(solution.figures.front());
    }
    QStringList parts;
    for (const trapezoid::SolvedFigure& figure : solution.figures) {
        parts << FromUtf8(figure.heading) + QStringLiteral(": ") + DescribeOne(figure);
    }
    return parts.join(QStringLiteral("; "));
}

}  // namespace figure
