// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the arguments are taken again from the command line in UTF-16
// and converted to UTF-8; the console is switched to UTF-8 output.
#include <windows.h>

#include <shellapi.h>

#include "console.hpp"

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();  // the terminating null
    return utf8;
}

}  // namespace

ConsoleArguments::ConsoleArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr && count == argc) {
        for (int i = 0; i < count; ++i) {
            texts_.push_back(Utf8(wide[i]));
        }
    } else {
        texts_.assign(argv, argv + argc);  // as given, rather than lose any
    }
    LocalFree(wide);
    for (std::string& text : texts_) {
        pointers_.push_back(text.data());
    }
    pointers_.push_back(nullptr);
}

void ShowUtf8InConsole() {
    SetConsoleOutputCP(CP_UTF8);
}
