// SPDX-License-Identifier: GPL-3.0-or-later
// The page's two calls, JSON text in and out (web-contract): the panel's
// fields, and the hint or the worked solution with its drawing laid out.
#pragma once

#include <string>

#include "page_measure.hpp"

namespace web {

// [{"symbol": "a", "label": "a:", "accessibleName": "...", "placeholder": ""}, ...],
// the twelve fields, then the line "Условия": {"kind": "conditions", "symbol":
// "Условия", "label": "Условия:", "accessibleName": "Условия", "placeholder": "",
// "tooltip": "...", "signs": [{"sign": "∠", "accessibleName": "..."}, ...]}.
std::string PanelFieldsJson();

// {"fields": [...], "conditions": "h=c; AC⊥BD", "decimals": 7,
// "decimalSeparator": ",", "fontPx": 16} →
// {"status": "hint", ...} or {"status": "done", ...}. The line "Условия" is
// read from "conditions", else from the field after the twelve; a hint about
// it has "field": 12. Never throws: any failure comes back as a hint.
std::string SolvePanelJson(const std::string& request, const MeasureText& measure);

}  // namespace web
