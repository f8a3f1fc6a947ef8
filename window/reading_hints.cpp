// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading_hints.hpp"

#include <QRegularExpression>
#include <algorithm>

namespace {

const QString kPositiveNumber = QStringLiteral("Въведете число, по-голямо от 0");

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString WithMinusSign(QString number) {
    return number.replace(QLatin1Char('-'), QChar(0x2212));
}

// A value read, in the regional form.
QString ReadNumber(double value, const trapezoid::NumberSettings& settings) {
    return WithMinusSign(FromUtf8(trapezoid::FormatReportNumber(value, settings)));
}

QString SeparatorName(const QString& separator) {
    if (separator == QStringLiteral(".")) {
        return QStringLiteral("точка");
    }
    if (separator == QStringLiteral(",")) {
        return QStringLiteral("запетая");
    }
    return u'„' + separator + u'“';
}

// A unit after the number: one or two letters, perhaps squared (см, m, cm²).
bool IsUnit(const QString& text) {
    static const QRegularExpression unit(QStringLiteral("^\\p{L}{1,2}[²³]?$"));
    return unit.match(text).hasMatch();
}

// What the user meant, told from what was left: a whole number read before a
// comma or a period and the digits after it meant a decimal fraction.
struct MeantNumber {
    QString number;     // as the user should type it
    QString separator;  // the separator typed, when the digits after it were lost
    QString rest;       // what follows the number meant
};

MeantNumber Meant(const trapezoid::QuantityReading& reading,
                  const trapezoid::NumberSettings& settings) {
    static const QRegularExpression whole(QStringLiteral("^-?\\d+$"));
    static const QRegularExpression fraction(QStringLiteral("^([.,])(\\d+)(.*)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
    const QString decimal = FromUtf8(reading.decimal);
    const QString unread = FromUtf8(reading.unread);
    if (const auto parts = fraction.match(unread);
        parts.hasMatch() && whole.match(decimal).hasMatch()) {
        const QString regional = FromUtf8(settings.decimal_separator);
        return {WithMinusSign(decimal) + regional + parts.captured(2), parts.captured(1),
                parts.captured(3)};
    }
    return {ReadNumber(reading.value, settings), QString(), unread};
}

// The advice when the digits after a decimal separator of another region
// were lost; empty for any other text.
QString SeparatorAdvice(const MeantNumber& meant, const trapezoid::NumberSettings& settings) {
    const QString regional = FromUtf8(settings.decimal_separator);
    if (meant.separator.isEmpty() || !meant.rest.isEmpty() || meant.separator == regional) {
        return {};
    }
    return QStringLiteral("Десетичният знак тук е %1: въведете %2")
        .arg(SeparatorName(regional), meant.number);
}

// What to type instead of a text read in part.
QString Advice(const trapezoid::QuantityReading& reading,
               const trapezoid::NumberSettings& settings) {
    const MeantNumber meant = Meant(reading, settings);
    if (QString separator = SeparatorAdvice(meant, settings); !separator.isEmpty()) {
        return separator;
    }
    if (IsUnit(meant.rest)) {
        return QStringLiteral("Въведете %1 без мерна единица").arg(meant.number);
    }
    return QStringLiteral("Въведете само числото %1").arg(meant.number);
}

QString Unread(const trapezoid::QuantityReading& reading) {
    return QStringLiteral("„%1“ не се чете").arg(FromUtf8(reading.unread));
}

}  // namespace

QString PartlyReadHint(const trapezoid::QuantityReading& reading,
                       const trapezoid::NumberSettings& settings) {
    if (reading.unread.empty()) {
        return {};
    }
    return QStringLiteral("Прочетено като %1; %2. %3")
        .arg(ReadNumber(reading.value, settings), Unread(reading), Advice(reading, settings));
}

QString RefusedHint(std::string_view text, const trapezoid::NumberSettings& settings) {
    trapezoid::QuantityReading reading;
    try {
        reading = trapezoid::ReadQuantityText(text, settings);
    } catch (const trapezoid::ArithmeticError&) {
        return kPositiveNumber;
    }
    // The reading drops blanks, tabs and line feeds before it starts.
    const auto blanks = std::count_if(
        text.begin(), text.end(), [](char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; });
    const std::size_t typed = text.size() - static_cast<std::size_t>(blanks);
    if (typed == 0) {
        return kPositiveNumber + QStringLiteral(" (полето е празно)");
    }
    const QString advice = SeparatorAdvice(Meant(reading, settings), settings);
    QString hint = kPositiveNumber;
    if (reading.unread.size() == typed) {
        hint += QStringLiteral(" („%1“ не е число)").arg(FromUtf8(reading.unread));
    } else if (reading.unread.empty()) {
        hint += QStringLiteral(" (прочетено: %1)").arg(ReadNumber(reading.value, settings));
    } else {
        hint += QStringLiteral(" (прочетено: %1; %2)")
                    .arg(ReadNumber(reading.value, settings), Unread(reading));
    }
    if (!advice.isEmpty()) {
        hint += QStringLiteral(". ") + advice;
    }
    return hint;
}
