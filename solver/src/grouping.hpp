// SPDX-License-Identifier: GPL-3.0-or-later
// Digit group sizes as the C library's grouping gives them.
#pragma once

#include <climits>
#include <cstddef>
#include <vector>

namespace trapezoid::detail {

// The size of the k-th digit group left of the decimal separator, or 0 when
// grouping has ended. Past the end of `sizes`, and at a 0 entry, the last
// size before it repeats; a negative entry or CHAR_MAX ends grouping.
inline int GroupSizeAt(const std::vector<int>& sizes, std::size_t k) {
    int size = 0;
    for (std::size_t i = 0; i <= k && i < sizes.size(); ++i) {
        if (sizes[i] == 0) {
            break;
        }
        if (sizes[i] < 0 || sizes[i] >= CHAR_MAX) {
            return 0;
        }
        size = sizes[i];
    }
    return size;
}

}  // namespace trapezoid::detail
