// SPDX-License-Identifier: GPL-3.0-or-later
// The page's two calls, JSON text in and out (web-contract): the panel's
// fields, and the hint or the worked solution with its drawing laid out.
#pragma once

#include <string>

#include "page_measure.hpp"

namespace web {

// [{"symbol": "a", "label": "a:", "accessibleName": "...", "placeholder": ""}, ...]
std::string PanelFieldsJson();

// {"fields": [...], "decimals": 7, "decimalSeparator": ",", "fontPx": 16} →
// {"status": "hint", ...} or {"status": "done", ...}. Never throws: any
// failure comes back as a hint.
std::string SolvePanelJson(const std::string& request, const MeasureText& measure);

}  // namespace web
