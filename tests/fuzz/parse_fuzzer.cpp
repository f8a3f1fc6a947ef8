// SPDX-License-Identifier: GPL-3.0-or-later
// Reading arbitrary texts never crashes and gives a finite value or an
// overflow fault; writing any finite value reads back.
#include <bit>
#include <cmath>
#include <cstdint>

#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const trapezoid::NumberSettings settings = fuzz::ConsumeSettings(in);

    const double raw = std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
    if (std::isfinite(raw)) {
        fuzz::RequireRoundTrip(raw, settings);
    }

    const std::string text = in.ConsumeRemainingBytesAsString();
    double value = 0;
    try {
        value = trapezoid::ParseQuantityText(text, settings);
    } catch (const trapezoid::ArithmeticError& error) {
        fuzz::Require(error.fault() == trapezoid::ArithmeticFault::Overflow,
                      "reading faults with something other than overflow");
        return 0;
    }
    fuzz::Require(std::isfinite(value), "a text reads as a non-finite value");
    fuzz::RequireRoundTrip(value, settings);
    return 0;
}
