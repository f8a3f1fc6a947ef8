// SPDX-License-Identifier: GPL-3.0-or-later
// The static Qt 6.4.2 of the Windows build has DirectWrite on but Direct2D
// off, so Qt Gui leaves out its DirectWrite font engine. Qt's Windows print
// engine still calls that engine's createHFONT() for text in a DirectWrite
// font, guarded by the DirectWrite feature alone, and the link fails. No
// such font engine can exist in this Qt, so the call is never made; this
// definition only completes the link. Returning no font makes the print
// engine draw the text as outlines, its own fallback.
#include <windows.h>

class QWindowsFontEngineDirectWrite {
  public:
    HFONT createHFONT() const;
};

HFONT QWindowsFontEngineDirectWrite::createHFONT() const {
    return nullptr;
}
