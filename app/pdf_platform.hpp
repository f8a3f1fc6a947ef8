// SPDX-License-Identifier: GPL-3.0-or-later
// What writing the PDF of --pdf needs of the system: a Qt platform with fonts
// and painting but no display, and the file's name as the system spells it.
#pragma once

#include <QString>
#include <string>

// Chooses the platform; call before the Qt Gui application exists.
void UsePlatformWithoutDisplay();

// The file name given on the command line (as ConsoleArguments gives it).
QString FileNameOfArgument(const std::string& argument);
