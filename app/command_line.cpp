// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.hpp"

#include <algorithm>
#include <optional>

namespace {

using trapezoid::kQuantityCount;

// What the options have set while the arguments are read.
struct Reading {
    bool solve = false;
    bool help = false;
    bool version = false;
    std::optional<std::string_view> pdf;
    std::vector<std::string_view> quantities;  // "name=value" arguments, in order
};

// An option of the command line. To add one, give it a row here and a field
// in Reading (and in CommandLine when it reaches the run).
struct OptionSpec {
    std::string_view name;
    bool takes_value;
    void (*apply)(Reading& reading, std::string_view value);
};

constexpr OptionSpec kOptions[] = {
    {"--solve", false, [](Reading& r, std::string_view) { r.solve = true; }},
    {"--help", false, [](Reading& r, std::string_view) { r.help = true; }},
    {"-h", false, [](Reading& r, std::string_view) { r.help = true; }},
    {"--version", false, [](Reading& r, std::string_view) { r.version = true; }},
    {"--pdf", true, [](Reading& r, std::string_view file) { r.pdf = file; }},
};

// The toolkit's own options, which it takes with one dash or two.
// clang-format off
constexpr std::string_view kToolkitOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "reverse", "session", "style", "stylesheet", "widgetcount",
    "display", "geometry", "title", "name", "visual", "ncols", "cmap", "nograb", "dograb", "sync",
    "testability", "fontengine", "dialogs", "icon", "font", "fn", "bg", "background", "fg",
    "foreground", "btn", "button", "im", "inputstyle",
};
// clang-format on

std::string Quoted(std::string_view text) {
    return "„" + std::string(text) + "“";
}

// The option's name: what stands before "=" in "--pdf=file".
std::string_view OptionName(std::string_view argument) {
    return argument.substr(0, argument.find('='));
}

const OptionSpec* FindOption(std::string_view name) {
    for (const OptionSpec& option : kOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

bool IsToolkitOption(std::string_view name) {
    name.remove_prefix(name.starts_with("--") ? 2 : 1);
    return std::find(std::begin(kToolkitOptions), std::end(kToolkitOptions), name) !=
           std::end(kToolkitOptions);
}

// "a=10", "A=10": a word of letters, "=" and a value. So are no values of the
// toolkit's options ("-platform xcb:dpi=96" has a colon before its "=").
bool LooksLikeQuantity(std::string_view argument) {
    const std::size_t equals = argument.find('=');
    return equals != 0 && equals != std::string_view::npos &&
           std::all_of(
               argument.begin(), argument.begin() + static_cast<std::ptrdiff_t>(equals),
               [](char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); });
}

int QuantityOf(std::string_view symbol) {
    const auto& symbols = trapezoid::kQuantitySymbols;
    const auto at = std::find(symbols.begin(), symbols.end(), symbol);
    return at == symbols.end() ? -1 : static_cast<int>(at - symbols.begin());
}

CommandLine Failure(std::string message) {
    CommandLine result;
    result.error = std::move(message);
    return result;
}

// Reads the options; an empty text when they are sound, else the error.
std::string ReadOptions(const std::vector<std::string_view>& arguments, Reading& reading) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (!argument.starts_with('-')) {
            reading.quantities.push_back(argument);
            continue;
        }
        const std::string_view name = OptionName(argument);
        const OptionSpec* option = FindOption(name);
        if (option == nullptr) {
            return "непозната опция " + Quoted(name) + "; вижте --help";
        }
        std::string_view value;
        if (name.size() < argument.size()) {
            if (!option->takes_value) {
                return "опцията " + Quoted(name) + " не приема стойност";
            }
            value = argument.substr(name.size() + 1);
        } else if (option->takes_value) {
            if (i + 1 == arguments.size()) {
                return "опцията " + Quoted(name) + " иска стойност";
            }
            value = arguments[++i];
        }
        option->apply(reading, value);
    }
    return {};
}

std::string KindList() {
    std::string list;
    for (const trapezoid::KindInfo& kind : trapezoid::kKinds) {
        list += (list.empty() ? "" : "; ") + std::string(kind.list_text);
    }
    return list;
}

std::optional<int> KindOf(const std::array<bool, kQuantityCount>& given) {
    for (int kind = 0; kind < trapezoid::kKindCount; ++kind) {
        const auto& givens = trapezoid::kKinds[static_cast<std::size_t>(kind)].givens;
        if (std::all_of(givens.begin(), givens.end(), [&](int i) { return given[i]; })) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string NamesOf(const std::array<bool, kQuantityCount>& given) {
    std::string names;
    for (int i = 0; i < kQuantityCount; ++i) {
        if (given[i]) {
            names += (names.empty() ? "" : ", ") + std::string(trapezoid::kQuantitySymbols[i]);
        }
    }
    return names;
}

bool IsNumberAboveZero(std::string_view text, const trapezoid::NumberSettings& settings) {
    try {
        const trapezoid::QuantityReading reading = trapezoid::ReadQuantityText(text, settings);
        return reading.unread.empty() && reading.value > 0;
    } catch (const trapezoid::ArithmeticError&) {
        return true;  // above the range of a double: the solve says so
    }
}

CommandLine ReadQuantities(const Reading& reading, const trapezoid::NumberSettings& settings) {
    CommandLine result;
    int count = 0;
    for (const std::string_view argument : reading.quantities) {
        const std::size_t equals = argument.find('=');
        if (equals == std::string_view::npos) {
            return Failure(Quoted(argument) +
                           " не е величина във вида име=стойност, например a=10");
        }
        const std::string_view name = argument.substr(0, equals);
        const std::string_view value = argument.substr(equals + 1);
        const int index = QuantityOf(name);
        if (index < 0) {
            return Failure("непозната величина " + Quoted(name) +
                           "; величините са a, b, c, h, P и S (малките и главните букви се "
                           "различават)");
        }
        const auto slot = static_cast<std::size_t>(index);
        if (result.given[slot]) {
            return Failure("величината " + std::string(name) + " е дадена два пъти");
        }
        if (!IsNumberAboveZero(value, settings)) {
            return Failure("стойността " + Quoted(value) + " на " + std::string(name) +
                           " не е число, по-голямо от 0");
        }
        result.given[slot] = true;
        result.texts[slot] = value;
        ++count;
    }
    if (count != 3) {
        return Failure((count == 1 ? std::string("дадена е 1 величина")
                                   : "дадени са " + std::to_string(count) + " величини") +
                       ", а се дават точно три, например --solve a=10 b=6 c=5");
    }
    const std::optional<int> kind = KindOf(result.given);
    if (!kind) {
        return Failure("величините " + NamesOf(result.given) + " не са вид задача; видовете са " +
                       KindList());
    }
    result.kind = *kind;
    result.action = CommandLineAction::Solve;
    return result;
}

}  // namespace

bool WantsCommandLine(const std::vector<std::string_view>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](std::string_view argument) {
        const std::string_view name = OptionName(argument);
        return FindOption(name) != nullptr || (name.starts_with("--") && !IsToolkitOption(name)) ||
               LooksLikeQuantity(argument);
    });
}

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments,
                             const trapezoid::NumberSettings& settings) {
    Reading reading;
    if (std::string error = ReadOptions(arguments, reading); !error.empty()) {
        return Failure(std::move(error));
    }
    CommandLine result;
    if (reading.help) {
        result.action = CommandLineAction::Help;
    } else if (reading.version) {
        result.action = CommandLineAction::Version;
    } else if (reading.pdf && (!reading.solve || reading.pdf->empty())) {
        result.error = reading.solve ? "--pdf иска име на файл, например --pdf решение.pdf"
                                     : "--pdf се дава заедно с --solve, например "
                                       "--solve a=10 b=6 c=5 --pdf решение.pdf";
    } else if (reading.solve) {
        result = ReadQuantities(reading, settings);
        result.pdf_path = reading.pdf.value_or("");
    } else if (!reading.quantities.empty()) {
        result.error = "величините се дават след --solve, например --solve a=10 b=6 c=5";
    } else {
        result.error = "няма какво да се прави; вижте --help";
    }
    return result;
}
