// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the solver and the worked-solution engine (solution/).
// How the steps and the worked solution write a value: exactly where it has
// an exact form short enough to show, by its decimals otherwise.
#pragma once

#include <optional>
#include <string>

#include "trapezoid/shared/value_with_exact.hpp"
#include "trapezoid/solver.hpp"

namespace trapezoid::detail {

// Longest exact form that is shown; a longer one is shown by its decimals.
inline constexpr std::size_t kLongestShownForm = 24;

// An exact written form with its shape, worked out once for all that writes the value.
struct ExactForm {
    std::string text;
    exact::Shape shape;
};

class ValueWriter {
  public:
    // `approximate_decimals` (0 to 7): the decimals written after "≈".
    ValueWriter(const NumberSettings& settings, int approximate_decimals);

    const NumberSettings& settings() const { return settings_; }

    // The double with `decimals` decimals (7 unless told), rounded as the
    // boxes round it, trailing zeros dropped, no grouping, minus "−".
    std::string Decimal(double value) const;
    std::string Decimal(double value, int decimals) const;

    // The exact written form, when there is one of at most kLongestShownForm
    // code points.
    std::optional<ExactForm> Exact(const ValueWithExact& value) const;

    // How a value follows its formula: "= 5", "= √11 ≈ 3,3166248" (an
    // irrational value or a fraction), "≈ 3,3166248" (no exact form).
    std::string Ending(const ValueWithExact& value, const std::optional<ExactForm>& form) const;
    std::string Ending(const ValueWithExact& value) const { return Ending(value, Exact(value)); }
    // The ending after a formula's numbers, without repeating them when they
    // are the exact form already: "10 − 3√3 ≈ 4,8038476", not
    // "10 − 3√3 = 10 − 3√3 ≈ 4,8038476".
    std::string EndingAfter(const std::string& numbers, const ValueWithExact& value,
                            const std::optional<ExactForm>& form) const;

    // A given as the decimal it is ("4,5", "0,12345678"), never a fraction;
    // with 15 significant digits when that is too long to show ("1E-200").
    std::string Given(const ValueWithExact& value) const;

  private:
    NumberSettings settings_;
    int approximate_decimals_;
};

// A value put into a later formula. The text stands in parentheses already
// when the value is negative or a sum; a fraction or a product with a root
// needs them only when squared, multiplied or divided by. A negative fraction
// over a sum, "(√14 − 6)/2", counts as a fraction: its own parentheses show
// its sign.
struct Substitution {
    std::string text;
    bool fraction = false;
};

Substitution SubstitutionOf(const ValueWriter& writer, const ValueWithExact& value,
                            const std::optional<ExactForm>& form);
Substitution GivenSubstitution(const ValueWriter& writer, const ValueWithExact& value);

// An angle to the nearest second, zero minutes and seconds dropped: "45°",
// "33°30′", "33°33′26″".
std::string AngleText(double degrees);

// How an angle follows its symbol: "= 45°" when it is a whole number of
// seconds, else "≈ 33°33′26″".
std::string AngleEnding(double degrees);

}  // namespace trapezoid::detail
