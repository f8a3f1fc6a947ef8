// SPDX-License-Identifier: GPL-3.0-or-later
// How wide a label is and how high a line, in the font the drawing uses:
// measured by whoever paints (the window's font metrics, the web page's canvas).
#pragma once

#include <string>

namespace figure {

class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // The advance of a UTF-8 text.
    virtual double Width(const std::string& text) const = 0;
    // The height of a line: the font's ascent plus its descent.
    virtual double LineHeight() const = 0;
};

}  // namespace figure
