// SPDX-License-Identifier: GPL-3.0-or-later
#include "side_labels.hpp"

#include <algorithm>

#include "trapezoid/shared/fixed_text.hpp"

namespace figure {
namespace {

constexpr std::ptrdiff_t kLongestExactLabel = 8;  // code points
constexpr int kLabelDecimals = 2;
const char* const kLetters[] = {"a", "b", "c", "h"};

std::ptrdiff_t CodePoints(const std::string& utf8) {
    return std::count_if(utf8.begin(), utf8.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    });
}

}  // namespace

std::string ShortForm(const std::string& exact, double value,
                      const std::string& decimal_separator) {
    if (!exact.empty() && CodePoints(exact) <= kLongestExactLabel) {
        return exact;
    }
    std::string text = trapezoid::detail::ToChars(value, std::chars_format::fixed, kLabelDecimals);
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimal_separator);
    }
    if (!text.empty() && text.front() == '-') {
        text.replace(0, 1, "−");
    }
    return text;
}

std::vector<DrawnTrapezoid> TrapezoidsToDraw(const trapezoid::WorkedSolution& solution,
                                             const std::string& decimal_separator) {
    std::vector<DrawnTrapezoid> trapezoids;
    for (const trapezoid::SolvedFigure& figure : solution.figures) {
        DrawnTrapezoid drawn;
        drawn.a = figure.lengths[0];
        drawn.b = figure.lengths[1];
        drawn.c = figure.lengths[2];
        drawn.h = figure.lengths[3];
        for (std::size_t i = 0; i < drawn.side_labels.size(); ++i) {
            const std::string value =
                ShortForm(figure.exact[i], figure.lengths[i], decimal_separator);
            const bool exact = value == figure.exact[i];
            drawn.side_labels[i] = std::string(kLetters[i]) + (exact ? " = " : " ≈ ") + value;
        }
        drawn.heading = figure.heading;
        trapezoids.push_back(drawn);
    }
    return trapezoids;
}

}  // namespace figure
