// SPDX-License-Identifier: GPL-3.0-or-later
// What a given box tells about the reading of its text: how a text read only
// in part was read and what to type instead, and why a text is refused.
#pragma once

#include <QString>
#include <string_view>

#include "trapezoid/solver.hpp"

// The hint on a box whose text `reading` took only in part, as "Прочетено
// като 3; „,5“ не се чете. Десетичният знак тук е точка: въведете 3.5";
// empty when the whole text was read.
QString PartlyReadHint(const trapezoid::QuantityReading& reading,
                       const trapezoid::NumberSettings& settings);

// The hint on a ticked box whose `text` does not read as a number greater
// than 0, as "Въведете число, по-голямо от 0 (прочетено: −5)".
QString RefusedHint(std::string_view text, const trapezoid::NumberSettings& settings);
