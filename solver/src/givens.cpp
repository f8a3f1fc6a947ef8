// SPDX-License-Identifier: GPL-3.0-or-later
#include "givens.hpp"

namespace trapezoid::detail {

std::optional<SixQuantities<double>> ReadBoxes(const std::array<bool, kQuantityCount>& given,
                                               const std::array<std::string, kQuantityCount>& texts,
                                               const NumberSettings& settings) {
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
        return std::nullopt;
    }
    return SixQuantities<double>{values[0], values[1], values[2], values[3], values[4], values[5]};
}

}  // namespace trapezoid::detail
