// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure_content.hpp"

#include <QStringList>

namespace figure {
namespace {

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
