// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact/surd.hpp"

namespace exact {

Shape ShapeOf(const Surd&) {
    return Shape::Integer;
}
std::string Write(const Surd&, std::string_view) {
    return {};
}
std::size_t CodePoints(std::string_view utf8) {
    std::size_t count = 0;
    for (const char ch : utf8) {
        count += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }
    return count;
}

}  // namespace exact
