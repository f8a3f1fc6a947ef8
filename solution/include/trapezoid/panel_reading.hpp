// SPDX-License-Identifier: GPL-3.0-or-later
// The panel "Своя задача": its fields, and what their texts give: the givens
// to solve, or the hint the panel shows instead.
#pragma once

#include <string>
#include <vector>

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

// The givens of two or three filled fields, or the hint and the index of the
// field it is about (-1 for none).
struct PanelReading {
    std::vector<ElementGiven> givens;
    std::string hint;
    int field = -1;
};

// Reads the fields' texts in PanelFields() order; a missing text counts as
// empty, and so does one of spaces only.
PanelReading ReadPanel(const std::vector<std::string>& texts, const NumberSettings& settings);

}  // namespace trapezoid
