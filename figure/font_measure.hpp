// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing's text measured with a Qt font, for the window and the PDF.
#pragma once

#include <QFontMetricsF>

#include "text_measure.hpp"

namespace figure {

class FontMeasure : public TextMeasure {
  public:
    explicit FontMeasure(const QFont& font) : metrics_(font) {}
    double Width(const std::string& text) const override {
        return metrics_.horizontalAdvance(QString::fromStdString(text));
    }
    double LineHeight() const override { return metrics_.height(); }

  private:
    QFontMetricsF metrics_;
};

}  // namespace figure
