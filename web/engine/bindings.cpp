// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's functions for the page (embind): strings in and out. The
// drawing's text is measured by the page's globalThis.trapezoidMeasureText,
// or estimated when the page has none (under node).
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>

#include "panel_response.hpp"

namespace {

using emscripten::val;

double NumberOr(const val& object, const char* key, double fallback) {
    const val field = object[key];
    const double value = field.isNumber() ? field.as<double>() : fallback;
    return std::isfinite(value) ? value : fallback;
}

// The page's measurement through the script's guard (page_calls.js), which
// gives null when the page has none or it fails.
web::TextExtent MeasureOnPage(const std::string& text, double font_px) {
    const web::TextExtent estimate = web::EstimateText(text, font_px);
    const val extent = val::module_property("measureTextSafely")(text, font_px);
    if (extent.isNull() || extent.isUndefined()) {
        return estimate;
    }
    return {NumberOr(extent, "width", estimate.width), NumberOr(extent, "ascent", estimate.ascent),
            NumberOr(extent, "descent", estimate.descent)};
}

std::string PanelFields() {
    return web::PanelFieldsJson();
}

std::string SolvePanel(const std::string& request) {
    return web::SolvePanelJson(request, MeasureOnPage);
}

}  // namespace

EMSCRIPTEN_BINDINGS(trapezoid_engine) {
    emscripten::function("panelFields", &PanelFields);
    emscripten::function("solvePanel", &SolvePanel);
}
