// SPDX-License-Identifier: GPL-3.0-or-later
#include "trapezoid/shared/value_writing.hpp"

#include <cmath>

#include "trapezoid/shared/fixed_text.hpp"

namespace trapezoid::detail {
namespace {

constexpr std::string_view kMinus = "−";
constexpr int kBoxDecimals = 7;

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

// The places of a rational whose denominator is 2^i·5^j: max(i, j).
std::optional<unsigned> TerminatingPlaces(const exact::Rational& q) {
    exact::Integer rest = denominator(q);
    const unsigned twos = rest == 1 ? 0 : lsb(rest);
    rest >>= twos;
    unsigned fives = 0;
    for (; rest % 5 == 0; rest /= 5) {
        ++fives;
    }
    if (rest != 1) {
        return std::nullopt;
    }
    return std::max(twos, fives);
}

// A terminating rational with all its decimals, when that fits the shown length.
std::optional<std::string> AllDecimals(const exact::Rational& q, const std::string& separator) {
    const auto places = TerminatingPlaces(q);
    if (!places || *places >= kLongestShownForm) {
        return std::nullopt;
    }
    const exact::Integer scaled =
        abs(numerator(q)) * pow(exact::Integer(10), *places) / denominator(q);
    std::string digits = scaled.str();
    if (digits.size() > kLongestShownForm) {
        return std::nullopt;
    }
    if (*places > 0) {
        if (digits.size() <= *places) {
            digits.insert(0, *places + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - *places, separator);
    }
    return q.sign() < 0 ? std::string(kMinus) + digits : digits;
}

// Magnitudes from here on are written with an exponent, as the report writes them.
constexpr double kPlainLimit = 1e15;

// 15 significant digits, "1E-200" for the tiny and the huge, minus "−".
std::string ReportForm(double value, const NumberSettings& settings) {
    std::string text = FormatReportNumber(value, settings);
    return StartsWith(text, "-") ? std::string(kMinus) + text.substr(1) : text;
}

// Most digits of a whole number in a fraction or a root that a pupil can use:
// "15√11/2" and "(10 − √14)/2" are shown, "961489/136700" is not.
constexpr std::size_t kLongestWholeNumber = 4;

bool HasLongNumber(std::string_view text) {
    std::size_t run = 0;
    for (const char ch : text) {
        run = ch >= '0' && ch <= '9' ? run + 1 : 0;
        if (run > kLongestWholeNumber) {
            return true;
        }
    }
    return false;
}

// "0,7" becomes ",7" where the settings write no leading zero.
std::string AsLeadingZeroSetting(std::string text, const NumberSettings& settings) {
    if (settings.leading_zero) {
        return text;
    }
    const std::string zero_point = "0" + settings.decimal_separator;
    for (std::size_t at = text.find(zero_point); at != std::string::npos;
         at = text.find(zero_point, at + 1)) {
        if (at == 0 || text[at - 1] < '0' || text[at - 1] > '9') {
            text.erase(at, 1);
        }
    }
    return text;
}

Substitution Parenthesized(const std::string& text) {
    return {"(" + text + ")", false};
}

}  // namespace

ValueWriter::ValueWriter(const NumberSettings& settings, int approximate_decimals)
    : settings_(settings), approximate_decimals_(std::clamp(approximate_decimals, 0, 7)) {}

std::string ValueWriter::Decimal(double value) const {
    return Decimal(value, kBoxDecimals);
}

std::string ValueWriter::Decimal(double value, int decimals) const {
    if (std::abs(value) >= kPlainLimit) {
        return ReportForm(value, settings_);
    }
    std::string text =
        StripTrailingZeros(ToChars(std::abs(value), std::chars_format::fixed, decimals));
    if (!settings_.leading_zero && StartsWith(text, "0.")) {
        text.erase(0, 1);
    }
    const bool negative = value < 0.0 && text.find_first_not_of("0.") != std::string::npos;
    text = ReplacePoint(std::move(text), settings_.decimal_separator);
    return negative ? std::string(kMinus) + text : text;
}

std::optional<ExactForm> ValueWriter::Exact(const ValueWithExact& value) const {
    if (!value.exact()) {
        return std::nullopt;
    }
    const exact::Shape shape = exact::ShapeOf(*value.exact());
    std::string text =
        AsLeadingZeroSetting(exact::Write(*value.exact(), settings_.decimal_separator), settings_);
    const bool plain_number = shape == exact::Shape::Integer || shape == exact::Shape::Decimal;
    const bool short_enough =
        plain_number ? std::abs(value.value()) < kPlainLimit : !HasLongNumber(text);
    if (exact::CodePoints(text) > kLongestShownForm || !short_enough) {
        return std::nullopt;
    }
    return ExactForm{std::move(text), shape};
}

std::string ValueWriter::Ending(const ValueWithExact& value,
                                const std::optional<ExactForm>& form) const {
    const std::string approximate = "≈ " + Decimal(value.value(), approximate_decimals_);
    if (!form) {
        return approximate;
    }
    switch (form->shape) {
        case exact::Shape::Integer:
        case exact::Shape::Decimal:
            return "= " + form->text;
        default:
            return "= " + form->text + " " + approximate;
    }
}

std::string ValueWriter::EndingAfter(const std::string& numbers, const ValueWithExact& value,
                                     const std::optional<ExactForm>& form) const {
    std::string ending = Ending(value, form);
    const std::string repeated = "= " + numbers + " ";
    if (form && StartsWith(ending, repeated) && StartsWith(ending.substr(repeated.size()), "≈")) {
        ending.erase(0, repeated.size());
    }
    return ending;
}

std::string ValueWriter::Given(const ValueWithExact& value) const {
    if (value.exact() && value.exact()->IsInteger()) {
        const exact::Rational& integer = value.exact()->RationalPart();
        const std::string digits = exact::Integer(abs(numerator(integer))).str();
        if (std::abs(value.value()) < kPlainLimit) {
            return integer.sign() < 0 ? std::string(kMinus) + digits : digits;
        }
    } else if (value.exact() && value.exact()->IsRational()) {
        if (auto decimals =
                AllDecimals(value.exact()->RationalPart(), settings_.decimal_separator)) {
            return AsLeadingZeroSetting(*decimals, settings_);
        }
    }
    return ReportForm(value.value(), settings_);  // too many digits to show
}

Substitution SubstitutionOf(const ValueWriter& writer, const ValueWithExact& value,
                            const std::optional<ExactForm>& form) {
    if (!form) {
        std::string decimal = writer.Decimal(value.value());
        if (decimal == "0" && value.value() != 0.0) {
            decimal = ReportForm(value.value(), writer.settings());  // too small for 7 decimals
        }
        return StartsWith(decimal, kMinus) ? Parenthesized(decimal) : Substitution{decimal};
    }
    const std::string& text = form->text;
    if (StartsWith(text, kMinus)) {
        return Parenthesized(text);
    }
    switch (form->shape) {
        case exact::Shape::Integer:
        case exact::Shape::Decimal:
            return {text};
        case exact::Shape::Fraction:
            return {text, true};
        case exact::Shape::RootTerm:
            // "√11" stands alone; "2√6" and "√11/2" are products.
            return {text, !StartsWith(text, "√") || text.find('/') != std::string::npos};
        case exact::Shape::RootSum:
            break;
    }
    // "(10 − √14)/2" is a fraction, even when negative; "21 + √11" and "√14 − 6" are sums.
    return StartsWith(text, "(") ? Substitution{text, true} : Parenthesized(text);
}

Substitution GivenSubstitution(const ValueWriter& writer, const ValueWithExact& value) {
    const std::string text = writer.Given(value);
    return StartsWith(text, kMinus) ? Parenthesized(text) : Substitution{text};
}

std::string AngleText(double degrees) {
    const long seconds = std::lround(degrees * 3600.0);
    std::string text = std::to_string(seconds / 3600) + "°";
    const long minutes = seconds / 60 % 60;
    if (minutes != 0 || seconds % 60 != 0) {
        text += std::to_string(minutes) + "′";
    }
    if (seconds % 60 != 0) {
        text += std::to_string(seconds % 60) + "″";
    }
    return text;
}

std::string AngleEnding(double degrees) {
    const double seconds = degrees * 3600.0;
    const bool exact = std::abs(seconds - std::round(seconds)) <= 1e-6;
    return (exact ? "= " : "≈ ") + AngleText(degrees);
}

}  // namespace trapezoid::detail
