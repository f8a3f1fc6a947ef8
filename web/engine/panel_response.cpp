// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_response.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "engine_call.hpp"
#include "figure_json.hpp"
#include "trapezoid/panel_reading.hpp"

namespace web {
namespace {

using nlohmann::json;

constexpr int kDefaultDecimals = 7;
constexpr double kDefaultFontPx = 16;
constexpr double kSmallestFontPx = 6;
constexpr double kLargestFontPx = 96;

json Hint(const std::string& hint, int field) {
    return {{"status", "hint"}, {"hint", hint}, {"field", field}};
}

// What the page asked for, with the defaults for what it left out or wrote
// in another type.
struct PanelRequest {
    std::vector<std::string> fields;
    int decimals = kDefaultDecimals;
    std::string decimal_separator = ",";
    double font_px = kDefaultFontPx;
};

PanelRequest ReadRequest(const json& request) {
    PanelRequest read;
    if (!request.is_object()) {
        return read;
    }
    if (const auto fields = request.find("fields"); fields != request.end() && fields->is_array()) {
        for (const json& field : *fields) {
            read.fields.push_back(field.is_string() ? field.get<std::string>() : std::string());
        }
    }
    // The line "Условия" after the fields, by its own key or as the last field.
    if (const auto line = request.find("conditions"); line != request.end() && line->is_string()) {
        read.fields.resize(static_cast<std::size_t>(trapezoid::kConditionsLine) + 1);
        read.fields.back() = line->get<std::string>();
    }
    if (const auto decimals = request.find("decimals");
        decimals != request.end() && decimals->is_number()) {
        read.decimals = std::clamp(static_cast<int>(decimals->get<double>()), 0, 7);
    }
    if (const auto separator = request.find("decimalSeparator");
        separator != request.end() && separator->is_string() &&
        !separator->get<std::string>().empty()) {
        read.decimal_separator = separator->get<std::string>();
    }
    if (const auto font = request.find("fontPx"); font != request.end() && font->is_number()) {
        read.font_px = std::clamp(font->get<double>(), kSmallestFontPx, kLargestFontPx);
    }
    return read;
}

json Solve(const PanelRequest& request, const MeasureText& measure) {
    trapezoid::NumberSettings settings;
    settings.decimal_separator = request.decimal_separator;
    const trapezoid::PanelReading reading = trapezoid::ReadPanel(request.fields, settings);
    if (!reading.hint.empty()) {
        return Hint(reading.hint, reading.field);
    }
    const trapezoid::WorkedSolution solution =
        reading.conditions.empty()
            ? SolveGivens(reading.givens, settings, request.decimals)
            : SolveConditions(reading.conditions, settings, request.decimals);
    const PageMeasure page_measure(measure, request.font_px);
    return {{"status", "done"},
            {"solved", solution.solved},
            {"text", solution.text},
            {"figures", FiguresJson(solution, request.decimal_separator, page_measure)},
            {"noFigureReason", solution.figures.empty() ? solution.no_figure_reason : ""}};
}

}  // namespace

std::string PanelFieldsJson() {
    json fields = json::array();
    for (const trapezoid::PanelField& field : trapezoid::PanelFields()) {
        fields.push_back({{"symbol", field.symbol},
                          {"label", field.label},
                          {"accessibleName", field.accessible_name},
                          {"placeholder", field.placeholder}});
    }
    const trapezoid::PanelConditionsLine& line = trapezoid::ConditionsLine();
    json signs = json::array();
    for (const trapezoid::PanelSign& sign : line.signs) {
        signs.push_back({{"sign", sign.sign}, {"accessibleName", sign.accessible_name}});
    }
    fields.push_back({{"kind", "conditions"},
                      {"symbol", "Условия"},
                      {"label", line.label},
                      {"accessibleName", line.accessible_name},
                      {"placeholder", ""},
                      {"tooltip", line.tooltip},
                      {"signs", signs}});
    return fields.dump();
}

std::string SolvePanelJson(const std::string& request, const MeasureText& measure) {
    try {
        const json parsed = json::parse(request, nullptr, false);
        if (parsed.is_discarded()) {
            return Hint("Заявката не е JSON.", -1).dump();
        }
        return Solve(ReadRequest(parsed), measure)
            .dump(-1, ' ', false, json::error_handler_t::replace);
    } catch (const std::exception& error) {
        return Hint(std::string("Задачата не може да се реши: ") + error.what(), -1)
            .dump(-1, ' ', false, json::error_handler_t::replace);
    } catch (...) {
        return Hint("Задачата не може да се реши.", -1).dump();
    }
}

}  // namespace web
