// SPDX-License-Identifier: GPL-3.0-or-later
// The program's arguments as UTF-8, and a console that shows UTF-8 lines.
// On Linux both are so already; Windows passes main() its arguments in the
// ANSI code page ("∠C=135" arrives as "?C=135") and its console shows bytes
// in the OEM code page.
#pragma once

#include <string>
#include <vector>

class ConsoleArguments {
  public:
    ConsoleArguments(int argc, char** argv);

    int argc() const { return static_cast<int>(texts_.size()); }
    char** argv() { return pointers_.data(); }

  private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;  // into texts_, ending with a null pointer
};

// Makes the console, if the program writes to one, show UTF-8.
void ShowUtf8InConsole();
