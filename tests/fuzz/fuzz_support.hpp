// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the fuzz targets: settings drawn from the input, the
// reference rounding to seven decimals, and invariant checks that abort.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "trapezoid/solver.hpp"

namespace fuzz {

inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Regional settings a user can have: distinct separators and real groupings.
inline trapezoid::NumberSettings ConsumeSettings(FuzzedDataProvider& in) {
    static const std::array<const char*, 3> kDecimal = {".", ",", "\xD9\xAB"};
    static const std::array<const char*, 7> kGroup = {"",  ",",        ".",           " ",
                                                      "'", "\xC2\xA0", "\xE2\x80\xAF"};
    static const std::array<std::vector<int>, 5> kSizes = {
        std::vector<int>{}, {3}, {3, 2}, {4}, {3, 127}};
    trapezoid::NumberSettings settings;
    settings.decimal_separator = kDecimal[in.ConsumeIntegralInRange<std::size_t>(0, 2)];
    settings.group_separator = kGroup[in.ConsumeIntegralInRange<std::size_t>(0, 6)];
    if (settings.group_separator == settings.decimal_separator) {
        settings.group_separator.clear();
    }
    settings.group_sizes = kSizes[in.ConsumeIntegralInRange<std::size_t>(0, 4)];
    settings.leading_zero = in.ConsumeBool();
    settings.negative_format = in.ConsumeBool() ? trapezoid::NegativeFormat::Parentheses
                                                : trapezoid::NegativeFormat::LeadingMinus;
    return settings;
}

// The double nearest to the value rounded to seven decimals.
inline double RoundedToSevenDecimals(double value) {
    char buffer[400];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 7);
    double rounded = 0;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

inline bool HasNonNumberWord(const std::string& text) {
    for (const char* word : {"nan", "NAN", "NaN", "inf", "INF", "Inf"}) {
        if (text.find(word) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// What the program writes, it reads back as the value rounded to 7 decimals.
inline void RequireRoundTrip(double value, const trapezoid::NumberSettings& settings) {
    const std::string text = trapezoid::FormatQuantityText(value, settings);
    Require(!HasNonNumberWord(text), "a written text holds nan or inf");
    Require(trapezoid::ParseQuantityText(text, settings) == RoundedToSevenDecimals(value),
            "a written text does not read back as the value rounded to 7 decimals");
}

}  // namespace fuzz
