// The solve command: check the ticked givens, run the kind's formulas and
// write all six quantities (and the report of kind "P,b,c").
#include <string>

#include "formulas.hpp"

namespace trapezoid {
namespace {

using detail::Quantities;
using detail::SecondSolution;

std::string TwoSolutionReport(const Quantities& first, const SecondSolution& second,
                              const NumberSettings& settings) {
    std::string report;
    report.reserve(256);  // the whole report in one allocation
    report += "Има две възможности: \r\n";
    const auto line = [&](std::string_view label, double value) {
        report += label;
        report += FormatReportNumber(value, settings);
        report += "\r\n";
    };
    line("Основа AB = ", first.a);
    line("Височина AD = ", first.h);
    line("Лице S = ", first.S);
    line("Основа AB = ", second.a);
    line("Височина AD = ", second.h);
    line("Лице S = ", second.S);
    return report;
}

}  // namespace

SolveOutcome Solve(int kind, const std::array<bool, kQuantityCount>& given,
                   const std::array<std::string, kQuantityCount>& texts,
                   const NumberSettings& settings) {
    SolveOutcome outcome;
    try {
        // Every box is read, ticked or not; only the ticked ones must be > 0.
        std::array<double, kQuantityCount> values{};
        bool givens_valid = true;
        for (std::size_t i = 0; i < kQuantityCount; ++i) {
            values[i] = ParseQuantityText(texts[i], settings);
            if (given[i] && !(values[i] > 0.0)) {
                givens_valid = false;
            }
        }
        if (!givens_valid) {
            outcome.status = SolveOutcome::Status::Rejected;
            return outcome;
        }
        if (!IsKind(kind)) {
            outcome.status = SolveOutcome::Status::Unchanged;
            return outcome;
        }

        const detail::Readings read{values[0], values[1], values[2],
                                    values[3], values[4], values[5]};
        const detail::KindSolution solution = detail::SolveKind(kind, read);
        const Quantities& q = solution.quantities;
        const std::array<double, kQuantityCount> results{q.a, q.b, q.c, q.h, q.P, q.S};
        for (std::size_t i = 0; i < kQuantityCount; ++i) {
            outcome.texts[i] = FormatQuantityText(results[i], settings);
        }
        if (solution.second) {
            outcome.report = TwoSolutionReport(q, *solution.second, settings);
        }
        outcome.status = SolveOutcome::Status::Solved;
    } catch (const ArithmeticError& error) {
        outcome = SolveOutcome{};
        outcome.status = SolveOutcome::Status::Fault;
        outcome.fault = error.fault();
    }
    return outcome;
}

}  // namespace trapezoid
