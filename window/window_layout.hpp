// SPDX-License-Identifier: GPL-3.0-or-later
// Positions and sizes of the window's controls in pixels at 96 dpi.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

namespace window_layout {

inline constexpr QSize kClientSize{481, 424};

inline constexpr QRect kTitleLabel{16, 0, 449, 25};
inline constexpr QRect kFrame{112, 32, 153, 177};
inline constexpr QRect kPicture{280, 32, 172, 212};
inline constexpr QRect kGivenLabel{16, 40, 81, 25};
inline constexpr QRect kKindList{16, 64, 81, 137};
inline constexpr QRect kCalculateButton{16, 216, 89, 25};
inline constexpr QRect kClearButton{144, 216, 89, 25};
inline constexpr QRect kAssignmentBox{8, 248, 457, 169};

// Rows of the input panel, relative to the frame's outer corner.
constexpr QRect GivenMark(int row) {
    return {8, 24 + 24 * row, 41, 27};
}
constexpr QRect QuantityBox(int row) {
    return {56, 24 + 24 * row, 89, 27};
}

inline constexpr QColor kWindowColour{0xC0, 0xC0, 0xFF};
inline constexpr QColor kLabelColour{0xFF, 0xC0, 0x80};
inline constexpr QColor kMarkColour{0x80, 0x80, 0xFF};
inline constexpr QColor kCalculateColour{0x00, 0xFF, 0x00};
inline constexpr QColor kClearColour{0xFF, 0x00, 0x00};

inline constexpr int kFontPointSize = 12;
inline constexpr int kTypingLimit = 7;

}  // namespace window_layout
