// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Serif family used for the window's texts and the drawing's letters:
// "Times New Roman", or where it is not installed its metric-compatible
// substitute "Liberation Serif".
QString SerifFamilyName();
