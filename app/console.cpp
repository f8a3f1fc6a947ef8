// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: the arguments are UTF-8 in a UTF-8 locale, and the terminal shows
// the bytes written.
#include "console.hpp"

ConsoleArguments::ConsoleArguments(int argc, char** argv) : texts_(argv, argv + argc) {
    for (std::string& text : texts_) {
        pointers_.push_back(text.data());
    }
    pointers_.push_back(nullptr);
}

void ShowUtf8InConsole() {}
