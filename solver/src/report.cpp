// SPDX-License-Identifier: GPL-3.0-or-later
#include "trapezoid/shared/report.hpp"

namespace trapezoid::detail {

std::string PerimeterLegShortBaseReport(const SixQuantities<Checked>& first,
                                        const SecondSolution<Checked>& second,
                                        const NumberSettings& settings) {
    const bool second_exists = SecondSolutionExists(second);
    std::string report;
    report.reserve(256);  // the whole report in one allocation
    report += second_exists ? "Има две възможности: \r\n" : "Има една възможност: \r\n";
    const auto lines = [&](const Checked& a, const Checked& h, const Checked& S) {
        for (const auto& [label, value] :
             {std::pair{"Основа AB = ", a.value()}, std::pair{"Височина AD = ", h.value()},
              std::pair{"Лице S = ", S.value()}}) {
            report += label;
            report += FormatReportNumber(value, settings);
            report += "\r\n";
        }
    };
    lines(first.a, first.h, first.S);
    if (second_exists) {
        lines(second.a, second.h, second.S);
    }
    return report;
}

}  // namespace trapezoid::detail
