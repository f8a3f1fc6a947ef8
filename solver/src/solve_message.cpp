// SPDX-License-Identifier: GPL-3.0-or-later
#include "trapezoid/solve_message.hpp"

#include "trapezoid/conditions.hpp"
#include "trapezoid/steps.hpp"

namespace trapezoid {
namespace {

using Status = SolveOutcome::Status;

constexpr const char* kNoTrapezoid = "Няма правоъгълен трапец с тези размери: ";
constexpr const char* kTooLarge = "Числата са твърде големи, за да бъдат пресметнати.";

// The quantities as the subject of "излиза" (comes out).
constexpr const char* kSubjects[kQuantityCount] = {"основата a",   "бедрото b",     "основата c",
                                                   "височината h", "периметърът P", "лицето S"};

std::string FaultExplanation(ArithmeticFault fault, Kind kind, const GivenValues& given) {
    switch (fault) {
        case ArithmeticFault::NegativeSquareRoot:
            if (const std::string condition = RootCondition(kind, given); !condition.empty()) {
                return kNoTrapezoid + condition;
            }
            return kNoTrapezoid +
                   std::string("пресмятането стига до корен квадратен от отрицателно число.");
        case ArithmeticFault::DivisionByZero:
            if (const std::string condition = DivisorCondition(kind, given); !condition.empty()) {
                return kNoTrapezoid + condition;
            }
            return kNoTrapezoid + std::string("пресмятането стига до деление на нула.");
        case ArithmeticFault::Overflow:
            break;
    }
    return kTooLarge;
}

std::string NotATrapezoidExplanation(const SolveOutcome& outcome, Kind kind,
                                     const GivenValues& given) {
    const int quantity = *outcome.not_positive;
    const double value = *outcome.not_positive_value;
    std::string what;
    if (outcome.sign_dropped && quantity == QuantityIndex::C) {
        // The value is HB = a - c, below 0.
        what =
            "периметърът оставя основа c = " + FormatQuantityText(given.a - value, given.settings) +
            ", по-дълга от основата a = " + FormatReportNumber(given.a, given.settings) + ".";
    } else {
        const std::string subject =
            outcome.sign_dropped ? "височината h, която периметърът оставя," : kSubjects[quantity];
        what = subject + " излиза " + FormatQuantityText(value, given.settings) + ".";
    }
    std::string reason = NotPositiveReason(kind, quantity, outcome.sign_dropped, given);
    if (reason.empty()) {
        reason =
            "Числата са твърде малки или твърде различни по големина, за да бъдат пресметнати.";
    }
    return kNoTrapezoid + what + ' ' + reason;
}

}  // namespace

std::string SolveExplanation(const SolveOutcome& outcome, int kind,
                             const NumberSettings& settings) {
    if (outcome.status != Status::Fault && outcome.status != Status::NotATrapezoid) {
        return {};
    }
    if (!outcome.read || !IsKind(kind)) {
        return kTooLarge;  // a box beyond the range of a double
    }
    const auto& v = *outcome.read;
    const GivenValues values{v[0], v[1], v[2], v[3], v[4], v[5], settings};
    return outcome.status == Status::Fault
               ? FaultExplanation(*outcome.fault, KindAt(kind), values)
               : NotATrapezoidExplanation(outcome, KindAt(kind), values);
}

std::string SolveMessage(const SolveOutcome& outcome, int kind,
                         const std::array<bool, kQuantityCount>& given,
                         const std::array<std::string, kQuantityCount>& texts,
                         const NumberSettings& settings) {
    const std::string explanation = SolveExplanation(outcome, kind, settings);
    if (explanation.empty()) {
        return {};
    }
    const std::string unchanged = "Стойностите в полетата не са променени.";
    // The step that went wrong, with its numbers, on a line of its own.
    const SolveSteps steps = DescribeSolve(kind, given, texts, settings);
    if (steps.failed) {
        return explanation + '\n' + steps.steps[*steps.failed].text + '\n' + unchanged;
    }
    return explanation + ' ' + unchanged;
}

}  // namespace trapezoid
