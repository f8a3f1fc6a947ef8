// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing's text measured as the page measures it: a function of the text
// and the font size in CSS pixels, or a fixed estimate when there is none.
#pragma once

#include <functional>
#include <string>

#include "text_measure.hpp"

namespace web {

struct TextExtent {
    double width = 0;
    double ascent = 0;
    double descent = 0;
};

using MeasureText = std::function<TextExtent(const std::string& text, double font_px)>;

// 0.55 of the font size per character, ascent 0.8 and descent 0.2 of it.
TextExtent EstimateText(const std::string& text, double font_px);

class PageMeasure : public figure::TextMeasure {
  public:
    PageMeasure(MeasureText measure, double font_px);
    double Width(const std::string& text) const override;
    double LineHeight() const override { return line_.ascent + line_.descent; }
    double Ascent() const { return line_.ascent; }

  private:
    MeasureText measure_;
    double font_px_;
    TextExtent line_;  // of a capital and a letter with a descender
};

}  // namespace web
