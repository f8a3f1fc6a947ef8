// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/surd.hpp"

namespace exact {

std::optional<Surd> Surd::FromDecimal(std::string_view) {
    return std::nullopt;
}

}  // namespace exact
