// SPDX-License-Identifier: GPL-3.0-or-later
// A kind's step, as the solution from elements writes it: seven decimals.
#include <gtest/gtest.h>

#include "step_numbers.hpp"

namespace trapezoid::elements {
namespace {

TEST(StepNumbers, SevenDecimalsAndRoundedResultAfterApproximately) {
    NumberSettings comma;
    comma.decimal_separator = ",";
    const std::pair<const char*, const char*> rows[] = {
        {"b = √(m² + h²) = √(4² + 4²) = 5,65685424949238",
         "b = √(m² + h²) = √(4² + 4²) ≈ 5,6568542"},
        {"h = P − a − b − c = 18 − 6 − 5 − 3 = 4", "h = P − a − b − c = 18 − 6 − 5 − 3 = 4"},
        {"m = (x − r) / 2 = ((−1) − 2,5) / 2 = −1,75",
         "m = (x − r) / 2 = ((−1) − 2,5) / 2 = −1,75"},
        {"S = 2·1,5E+20 = 3E+20", "S = 2·150000000000000000000 = 300000000000000000000"},
    };
    for (const auto& [step, written] : rows) {
        EXPECT_EQ(WithSevenDecimals(step, comma), written);
    }
}

}  // namespace
}  // namespace trapezoid::elements
