// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_measure.hpp"

#include <algorithm>

namespace web {

TextExtent EstimateText(const std::string& text, double font_px) {
    const auto characters = std::count_if(text.begin(), text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    });
    return {0.55 * font_px * static_cast<double>(characters), 0.8 * font_px, 0.2 * font_px};
}

PageMeasure::PageMeasure(MeasureText measure, double font_px)
    : measure_(std::move(measure)), font_px_(font_px), line_(measure_("Hg", font_px_)) {}

double PageMeasure::Width(const std::string& text) const {
    return measure_(text, font_px_).width;
}

}  // namespace web
