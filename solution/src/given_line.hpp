// SPDX-License-Identifier: GPL-3.0-or-later
// The first line of every worked solution, whatever its route.
#pragma once

#include <string>
#include <string_view>

namespace trapezoid {

// "Дадено: " and the givens, already joined as they are to stand.
std::string GivenLine(std::string_view givens);

}  // namespace trapezoid
