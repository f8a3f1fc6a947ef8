// SPDX-License-Identifier: GPL-3.0-or-later
#include "deferred_icon_style.hpp"

// The static Windows program reads its images with formats built in and
// loads no plugin for them; its native style stays as it is.
void DeferExtensionIcons() {}
