// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve_message.hpp"

#include <QMessageBox>

#include "kind_conditions.hpp"
#include "trapezoid/steps.hpp"

namespace {

using trapezoid::ArithmeticFault;
using Status = trapezoid::SolveOutcome::Status;

const QString kNoTrapezoid = QStringLiteral("Няма правоъгълен трапец с тези размери: ");
const QString kTooLarge = QStringLiteral("Числата са твърде големи, за да бъдат пресметнати.");

// The quantities as the subject of "излиза" (comes out).
QString QuantitySubject(int index) {
    static const char* const kSubjects[trapezoid::kQuantityCount] = {
        "основата a", "бедрото b", "основата c", "височината h", "периметърът P", "лицето S"};
    return QString::fromUtf8(kSubjects[index]);
}

QString BoxText(double value, const trapezoid::NumberSettings& settings) {
    return QString::fromStdString(trapezoid::FormatQuantityText(value, settings));
}

QString FaultExplanation(ArithmeticFault fault, trapezoid::Kind kind, const GivenValues& given) {
    switch (fault) {
        case ArithmeticFault::NegativeSquareRoot:
            if (const QString condition = RootCondition(kind, given); !condition.isEmpty()) {
                return kNoTrapezoid + condition;
            }
            return kNoTrapezoid +
                   QStringLiteral("пресмятането стига до корен квадратен от отрицателно число.");
        case ArithmeticFault::DivisionByZero:
            if (const QString condition = DivisorCondition(kind, given); !condition.isEmpty()) {
                return kNoTrapezoid + condition;
            }
            return kNoTrapezoid + QStringLiteral("пресмятането стига до деление на нула.");
        case ArithmeticFault::Overflow:
            break;
    }
    return kTooLarge;
}

QString NotATrapezoidExplanation(const trapezoid::SolveOutcome& outcome, trapezoid::Kind kind,
                                 const GivenValues& given) {
    const int quantity = *outcome.not_positive;
    const double value = *outcome.not_positive_value;
    QString what;
    if (outcome.sign_dropped && quantity == trapezoid::QuantityIndex::C) {
        // The value is HB = a - c, below 0.
        what =
            QStringLiteral("периметърът оставя основа c = %1, по-дълга от основата a = %2.")
                .arg(
                    BoxText(given.a - value, given.settings),
                    QString::fromStdString(trapezoid::FormatReportNumber(given.a, given.settings)));
    } else {
        const QString subject = outcome.sign_dropped
                                    ? QStringLiteral("височината h, която периметърът оставя,")
                                    : QuantitySubject(quantity);
        what = QStringLiteral("%1 излиза %2.").arg(subject, BoxText(value, given.settings));
    }
    QString reason = NotPositiveReason(kind, quantity, outcome.sign_dropped, given);
    if (reason.isEmpty()) {
        reason = QStringLiteral(
            "Числата са твърде малки или твърде различни по големина, за да бъдат пресметнати.");
    }
    return kNoTrapezoid + what + u' ' + reason;
}

}  // namespace

QString SolveMessageText(const trapezoid::SolveOutcome& outcome, int kind,
                         const std::array<bool, trapezoid::kQuantityCount>& given,
                         const std::array<std::string, trapezoid::kQuantityCount>& texts,
                         const trapezoid::NumberSettings& settings) {
    if (outcome.status != Status::Fault && outcome.status != Status::NotATrapezoid) {
        return {};
    }
    QString explanation;
    if (!outcome.read || !trapezoid::IsKind(kind)) {
        explanation = kTooLarge;  // a box beyond the range of a double
    } else {
        const auto& v = *outcome.read;
        const GivenValues values{v[0], v[1], v[2], v[3], v[4], v[5], settings};
        explanation = outcome.status == Status::Fault
                          ? FaultExplanation(*outcome.fault, trapezoid::KindAt(kind), values)
                          : NotATrapezoidExplanation(outcome, trapezoid::KindAt(kind), values);
    }
    const QString unchanged = QStringLiteral("Стойностите в полетата не са променени.");
    // The step that went wrong, with its numbers, on a line of its own.
    const trapezoid::SolveSteps steps = trapezoid::DescribeSolve(kind, given, texts, settings);
    if (steps.failed) {
        const std::string& step = steps.steps[*steps.failed].text;
        return explanation + u'\n' + QString::fromStdString(step) + u'\n' + unchanged;
    }
    return explanation + u' ' + unchanged;
}

void ShowSolveMessage(QWidget* parent, const QString& text) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, parent->windowTitle(), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}
