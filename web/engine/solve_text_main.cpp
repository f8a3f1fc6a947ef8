// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's --solve without the PDF and the regional settings (the
// C locale's numbers), built with the web page's engine, so that a check can
// compare under node what the engine writes with what the program writes.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.hpp"
#include "engine_call.hpp"
#include "trapezoid/element_solution.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const trapezoid::NumberSettings settings;
    const CommandLine command = ParseCommandLine(arguments, settings);
    if (command.action != CommandLineAction::Solve) {
        std::fprintf(stderr, "%s\n", command.error.c_str());
        return 2;
    }
    const trapezoid::WorkedSolution solution =
        command.kind >= 0
            ? trapezoid::BuildWorkedSolution(command.kind, command.given, command.texts, settings)
            : web::SolveGivens(command.elements, settings, 7);
    std::string text = solution.text;
    if (!text.ends_with('\n')) {
        text += '\n';
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return solution.solved ? 0 : 1;
}
