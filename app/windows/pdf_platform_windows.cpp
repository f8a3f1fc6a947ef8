// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the Windows platform itself, which needs no display and reads the
// system's fonts; the static Qt's offscreen platform finds no fonts there.
// The arguments are UTF-8 (ConsoleArguments), not the ANSI code page.
#include "pdf_platform.hpp"

void UsePlatformWithoutDisplay() {}

QString FileNameOfArgument(const std::string& argument) {
    return QString::fromStdString(argument);
}
