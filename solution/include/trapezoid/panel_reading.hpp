// SPDX-License-Identifier: GPL-3.0-or-later
// The panel "Своя задача": its fields, and what their texts give: the givens
// to solve, or the hint the panel shows instead.
#pragma once

#include <string>
#include <vector>

#include "trapezoid/conditions/given.hpp"
#include "trapezoid/elements.hpp"

namespace trapezoid {

// A field of the panel: the elements in their order, then the angle again as ∠C.
struct PanelField {
    ElementName name;
    std::string symbol;           // "a", "∠C"
    std::string label;            // "a:"
    std::string accessible_name;  // "По-голямата основа a"
    std::string placeholder;      // "°" for the angles, else empty
};

inline constexpr int kPanelFieldCount = kElementCount + 1;

const std::vector<PanelField>& PanelFields();

// The line "Условия" after the fields: relations and conditions, several
// separated by ";".
inline constexpr int kConditionsLine = kPanelFieldCount;

// The line "Условия" as the panel shows it: its label, tooltip with
// examples, and the signs its buttons insert at the cursor.
struct PanelSign {
    std::string sign;             // "∠"
    std::string accessible_name;  // "Вмъкни знак за ъгъл ∠"
};
struct PanelConditionsLine {
    std::string label;             // "Условия:"
    std::string accessible_name;   // "Условия"
    std::string tooltip;           // the forms, with examples
    std::vector<PanelSign> signs;  // ∠, ⊥, √
};
const PanelConditionsLine& ConditionsLine();

// The givens of two or three filled fields, or the hint and the index of the
// field it is about (-1 for none, kConditionsLine for the line "Условия").
// When a field holds an exact value ("√3", "7/2") or the line "Условия" is
// filled, every given is one of a textbook's form, in `conditions`.
struct PanelReading {
    std::vector<ElementGiven> givens;
    std::vector<conditions::Given> conditions;
    std::string hint;
    int field = -1;
};

// Reads the fields' texts in PanelFields() order, then the line "Условия";
// a missing text counts as empty, and so does one of spaces only.
PanelReading ReadPanel(const std::vector<std::string>& texts, const NumberSettings& settings);

}  // namespace trapezoid
