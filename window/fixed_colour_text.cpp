// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixed_colour_text.hpp"

#include <QCheckBox>
#include <QGroupBox>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

// Black on the window's light blue, the labels' orange and the marks' #8080FF
// reaches 12 : 1, 13 : 1 and 6.4 : 1.
const QColor kDarkText(0x00, 0x00, 0x00);
// The fill of a check indicator that cannot be clicked, as classic controls
// grey it.
const QColor kGreyedIndicator(0xC0, 0xC0, 0xC0);

// The classic style, with the group box caption in the dark text colour.
class ClassicFrameStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_GroupBox_TextLabelColor) {
            return static_cast<int>(kDarkText.rgba());
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void UseDarkText(QWidget* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::All, QPalette::WindowText, kDarkText);
    label->setPalette(palette);
}

void UseGreyedMarkLook(QCheckBox* mark) {
    QPalette palette = mark->palette();
    // All colour groups, the disabled one included: the caption, the
    // indicator's fill and its tick (11.5 : 1 on the grey).
    palette.setColor(QPalette::All, QPalette::WindowText, kDarkText);
    palette.setColor(QPalette::All, QPalette::Base, kGreyedIndicator);
    palette.setColor(QPalette::All, QPalette::Text, kDarkText);
    mark->setPalette(palette);
}

void UseClassicFrame(QGroupBox* frame) {
    // A style set on a widget does not reach its children: the boxes keep
    // the application's style.
    auto* style = new ClassicFrameStyle(QStyleFactory::create(QStringLiteral("Windows")));
    style->setParent(frame);
    frame->setStyle(style);
}
