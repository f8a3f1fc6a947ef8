// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/surd.hpp"

namespace exact {

std::optional<Surd> SquareRoot(const Surd&) {
    return std::nullopt;
}

}  // namespace exact
