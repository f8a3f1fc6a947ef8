// SPDX-License-Identifier: GPL-3.0-or-later
// Running the command line: the help, the version and the worked solution.
#include <cstdio>
#include <string>

#include "command_line.hpp"
#include "command_line_pdf.hpp"
#include "number_settings.hpp"
#include "trapezoid/condition_solution.hpp"
#include "trapezoid/element_solution.hpp"
#include "trapezoid/worked_solution.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

#ifndef TRAPEZOID_VERSION
#define TRAPEZOID_VERSION "unknown"
#endif

namespace {

// The name the program was started by, for its messages.
std::string ProgramName(const char* argv0) {
    std::string name = argv0 != nullptr ? argv0 : "";
    name = name.substr(name.find_last_of("/\\") + 1);
    if (name.size() > 4 && name.ends_with(".exe")) {
        name.resize(name.size() - 4);
    }
    return name.empty() ? "trapezoid-calculator" : name;
}

std::string HelpText(const std::string& program) {
    return "Употреба: " + program +
           " [ОПЦИЯ]...\n"
           "  или:     " +
           program +
           " --solve ДАДЕНА... (от една до пет)\n"
           "           [--pdf ФАЙЛ]\n"
           "Решава правоъгълен трапец ABCD по три негови елемента.\n"
           "Без аргументи отваря прозореца на калкулатора.\n"
           "\n"
           "  --solve ДАДЕНА...        пресмята останалите елементи и извежда\n"
           "                           решението на стандартния изход\n"
           "  --pdf ФАЙЛ               записва решението с чертежа и в PDF файл\n"
           "  -h, --help               извежда тази помощ и излиза\n"
           "      --version            извежда версията и излиза\n"
           "\n"
           "Елементите (малките и главните букви се различават):\n"
           "  a   по-голямата основа AB     b   бедрото BC\n"
           "  c   по-малката основа DC      h   височината AD\n"
           "  P   периметърът               S   лицето\n"
           "  m   разликата a − c           MN  средната основа (a + c)/2\n"
           "  AC  диагоналът AC             BD  диагоналът BD\n"
           "  B   острият ъгъл ∠ABC (пише се и ∠B)\n"
           "  C   тъпият ъгъл ∠BCD (пише се и ∠C); дава се един от двата ъгъла\n"
           "Дават се три независими елемента в произволен ред. Три от a, b, c, h,\n"
           "P и S, които образуват вид задача, се решават като в прозореца:\n"
           "  a,b,c  a,b,h  a,c,h  b,c,h  P,a,b  P,a,c  P,a,h  P,b,c\n"
           "  P,b,h  P,c,h  S,a,c  S,a,h  S,b,h  S,c,h  S,P,h\n"
           "Видът решава и a < c: тогава AB е по-малката основа и ∠ABC е тъп.\n"
           "При два елемента се извежда какво определят те.\n"
           "Дължината се чете като в полетата на прозореца, но цялата трябва да е\n"
           "число, по-голямо от 0: 4.5 или 4,5 при десетична запетая, 1e3, &HFF;\n"
           "m = 0 е правоъгълник, както ∠B = 90°.\n"
           "Ъгълът е в градуси: 45, 45°, 33,5 или 33°33′26″ (и 33°33'26\"),\n"
           "като 0° < ∠B ≤ 90° и 90° ≤ ∠C < 180°; 90° е правоъгълник.\n"
           "Числата се извеждат в регионалния формат на потребителя.\n"
           "\n"
           "Дадените може да са и като в учебника, всяка в свой аргумент:\n"
           "  r           радиусът на вписаната окръжност (тогава тя е вписана)\n"
           "  AO, BO, HB  отсечка между две от A, B, C, D, H (петата на височината\n"
           "              от C) и O (пресечната точка на диагоналите)\n"
           "  ∠ACB, ACB   ъгъл при средната точка; tgB, sinB, cosB, cotgB, tg∠CAB\n"
           "  7/2, √3, 2√3, 3√2/2, 2sqrt3, 2sqrt(3)   точни стойности\n"
           "  h=c, a=3c, a=3/2c, C=5B, a:c=5:2, BO:OD=7:3, h+b=18, c−h=2\n"
           "  a+c=b+h     в трапеца е вписана окръжност\n"
           "  ∠ACB=90, ∠AOB=90, AC⊥BD   перпендикулярни прави\n"
           "Три независими дадени определят трапеца; само ъгли и отношения\n"
           "определят формата му; един ъгъл дава другия.\n"
           "В обвивката дадените с (, ) или | се пишат в кавички: 'h=2sqrt(3)';\n"
           "всяка има и запис без тях: h=2sqrt3.\n"
           "\n"
           "Изходен код:\n"
           "  0  решението е изведено\n"
           "  1  няма трапец с тези дадени (и когато те са зависими или си\n"
           "     противоречат) или числата не могат да се пресметнат\n"
           "  2  грешен аргумент (нечетима дадена, непознато име) или PDF\n"
           "     файлът не може да се запише\n"
           "\n"
           "Примери:\n"
           "  " +
           program +
           " --solve a=10 b=6 c=5\n"
           "  " +
           program +
           " --solve a=12 c=8 B=45\n"
           "  " +
           program +
           " --solve MN=14 h=6\n"
           "  " +
           program +
           " --solve a=10 B=60 ACB=90       (h = 5√3/2, c = 15/2, S = 175√3/8)\n"
           "  " +
           program +
           " --solve P=40 b=12 a+c=b+h      (h = 8, r = 4, a = 10 + 2√5, S = 80)\n"
           "  " +
           program +
           " --solve a=12 h=6 ∠ABD=∠DBC     (b = c = 15/2, S = 117/2)\n"
           "  " +
           program +
           " --solve a=9 c=4 AC⊥BD          (h = 6, b = √61)\n"
           "  " +
           program +
           " --solve a:c=3:1 h=c            (само ъглите; нужна е дължина)\n"
           "  " +
           program +
           " --solve a=7 c=4 h=√3           (∠ABC = 30°, b = 2√3)\n"
           "  " +
           program + " --solve c=3 h=4 tgB=4/3         (m = 3, a = 6, b = 5)\n";
}

std::string VersionText(const std::string& program) {
    return program +
           " " TRAPEZOID_VERSION
           "\n"
           "Copyright (C) 2026 Trapezoid calculator developers\n"
           "Лиценз GPLv3+: GNU GPL версия 3 или по-нова <https://gnu.org/licenses/gpl.html>.\n"
           "Това е свободен софтуер: можете да го променяте и разпространявате.\n"
           "НЯМА НИКАКВИ ГАРАНЦИИ, доколкото позволява законът.\n";
}

void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

void WriteLines(std::string text) {
    if (!text.ends_with('\n')) {
        text += '\n';
    }
    Write(stdout, text);
}

// Three of a, b, c, h, P and S that form a kind: the kind's worked solution.
// Any other givens: what they determine, else why there is no trapezoid
// (dependent, contradicting or impossible givens).
// Givens as a textbook states them: the solution of conditions.
trapezoid::ConditionSolution Solved(const CommandLine& command,
                                    const trapezoid::NumberSettings& settings) {
    if (!command.conditions.empty()) {
        return trapezoid::SolveConditions(command.conditions, settings);
    }
    trapezoid::WorkedSolution worked =
        command.kind >= 0
            ? trapezoid::BuildWorkedSolution(command.kind, command.given, command.texts, settings)
            : trapezoid::ElementWorkedSolution(trapezoid::SolveElements(command.elements, settings),
                                               settings);
    const int exit_code = worked.solved ? 0 : 1;
    return {std::move(worked), exit_code};
}

}  // namespace

int RunCommandLine(int argc, char** argv) {
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);  // the texts are UTF-8
#endif
    const std::string program = ProgramName(argc > 0 ? argv[0] : nullptr);
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const trapezoid::NumberSettings settings = SystemNumberSettings();
    const CommandLine command = ParseCommandLine(arguments, settings);
    switch (command.action) {
        case CommandLineAction::Help:
            Write(stdout, HelpText(program));
            return 0;
        case CommandLineAction::Version:
            Write(stdout, VersionText(program));
            return 0;
        case CommandLineAction::Solve: {
            const auto [solution, exit_code] = Solved(command, settings);
            WriteLines(solution.text);
            if (!command.pdf_path.empty()) {
                const std::string error =
                    WritePdfWithoutDisplay(command.pdf_path, solution, settings);
                if (!error.empty()) {
                    Write(stderr, program + ": " + error + "\n");
                    return 2;
                }
            }
            return exit_code;
        }
        case CommandLineAction::Error:
            break;
    }
    Write(stderr, program + ": " + command.error + "\n");
    return command.error_code;
}
