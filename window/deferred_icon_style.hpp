// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style, with the icons of the extension buttons (the
// "more" arrow of a menu bar or tool bar) read only when one is painted.
#pragma once

// Makes the application's style defer those icons; once per application.
// The style reads them from image files, and where image formats come as
// plugins its first image read loads them all: start-up would pay for a
// button that the window's two menus never show.
void DeferExtensionIcons();
