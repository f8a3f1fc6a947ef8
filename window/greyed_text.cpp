// SPDX-License-Identifier: GPL-3.0-or-later
#include "greyed_text.hpp"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cmath>

namespace {

// Text needs 4.5 : 1; the margin keeps the grey clear of it after rounding to
// whole channels: #757575 on white, #969696 on #2d2d2d.
constexpr double kLeastContrast = 4.6;

// Relative luminance of an sRGB colour.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double ContrastRatio(const QColor& first, const QColor& second) {
    const double lighter = std::max(Luminance(first), Luminance(second));
    const double darker = std::min(Luminance(first), Luminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}

int MixChannel(int from, int to, int step) {
    return from + static_cast<int>(std::lround((to - from) * step / 255.0));
}

}  // namespace

QColor LegibleGrey(const QColor& text, const QColor& base) {
    for (int step = 0; step <= 255; ++step) {
        const QColor mix(MixChannel(base.red(), text.red(), step),
                         MixChannel(base.green(), text.green(), step),
                         MixChannel(base.blue(), text.blue(), step));
        if (ContrastRatio(mix, base) >= kLeastContrast) {
            return mix;
        }
    }
    return text;
}

void GreyedText::SetGreyed(QWidget* widget, bool greyed) {
    const auto own = own_palettes_.find(widget);
    if (greyed == (own != own_palettes_.end())) {
        return;
    }
    if (greyed) {
        // A palette of the widget's own is kept; otherwise it follows its
        // parent and the theme, as an empty palette lets it.
        own_palettes_.emplace(
            widget, widget->testAttribute(Qt::WA_SetPalette) ? widget->palette() : QPalette());
        widget->installEventFilter(this);
        Derive(widget);
        return;
    }
    widget->removeEventFilter(this);
    deriving_ = true;
    widget->setPalette(own->second);
    deriving_ = false;
    own_palettes_.erase(own);
}

void GreyedText::Derive(QWidget* widget) {
    const auto own = own_palettes_.find(widget);
    if (own == own_palettes_.end()) {
        return;
    }
    deriving_ = true;
    widget->setPalette(own->second);  // the colours the grey is mixed from
    QPalette greyed = own->second;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const QPalette& current = widget->palette();
        greyed.setColor(group, QPalette::Text,
                        LegibleGrey(current.color(group, QPalette::Text),
                                    current.color(group, QPalette::Base)));
    }
    widget->setPalette(greyed);
    deriving_ = false;
}

bool GreyedText::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::PaletteChange && !deriving_) {
        Derive(widget);
    } else if (event->type() == QEvent::ApplicationPaletteChange) {
        // The widget takes the new palette only after this event; a change
        // of the text colour alone reaches it as no palette change of its own.
        QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(widget)] {
            if (target) {
                Derive(target);
            }
        });
    }
    return QObject::eventFilter(watched, event);
}
