// SPDX-License-Identifier: GPL-3.0-or-later
// How the calculator's window presents itself to assistive technology.
#pragma once

// Makes the window Velmora present itself as a window (a frame to screen
// readers) named by its title, instead of a plain client area. Safe to call
// more than once. The drawing presents itself as a picture.
void InstallWindowAccessibility();
