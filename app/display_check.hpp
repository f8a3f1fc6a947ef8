// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// True when the window system the program would use can plausibly be
// reached. Qt ends the process with an abort when it cannot open a display,
// so this is checked before the application object is created. The
// arguments may name the platform ("-platform offscreen").
bool DisplayReachable(int argc, char** argv);
