// SPDX-License-Identifier: GPL-3.0-or-later
#include "solution_text.hpp"

#include <algorithm>

namespace trapezoid::detail {
namespace {

// Longest exact form that a drawing's label shows.
constexpr std::size_t kLongestLabel = 8;

std::string_view Symbol(std::size_t index) {
    return kQuantitySymbols[index];
}

// The givens of `kind`, or the computed quantities, in QuantityIndex order.
std::vector<std::size_t> Quantities(int kind, bool given) {
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        if (IsGiven(kind, static_cast<int>(i)) == given) {
            chosen.push_back(i);
        }
    }
    return chosen;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string joined;
    for (const std::string& part : parts) {
        joined += (joined.empty() ? "" : std::string(separator)) + part;
    }
    return joined;
}

struct HelperWords {
    Kind kind;  // the kind whose helper it is; for m, every kind
    std::string_view name;
    std::string_view words;
};

constexpr std::string_view kProjection = "m = HB, проекцията на бедрото върху основата a";

constexpr HelperWords kHelperWords[] = {
    {Kind::PAB, "d", "d = h − m, разликата между височината и проекцията HB"},
    {Kind::PAB, "q", "q = h·m, произведението на височината и проекцията HB"},
    {Kind::PAH, "d", "d = b − m, разликата между бедрото и проекцията HB"},
    {Kind::PAC, "u", "u = b + h, сборът на бедрото и височината"},
    {Kind::PCH, "u", "u = b + m, сборът на бедрото и проекцията HB"},
    {Kind::PBC, "x", "x = h + m, сборът на височината и проекцията HB"},
    {Kind::PBC, "r", "r = |h − m|, разликата между височината и проекцията HB"},
    {Kind::SPH, "t", "t = a + c, сборът на основите"},
};

// How a helper value is named in words; empty for a quantity.
std::string_view WordsFor(int kind, std::string_view name) {
    if (name == "m") {
        return kProjection;
    }
    for (const HelperWords& helper : kHelperWords) {
        if (KindIndex(helper.kind) == kind && helper.name == name) {
            return helper.words;
        }
    }
    return {};
}

// "√11 ≈ 3,3166248", "5", "≈ 3,1291713": a value as the answer writes it.
std::string Written(const SolvedValues& solved, std::size_t index, const ValueWriter& writer) {
    const DualValue& value = solved.values[index];
    if (solved.given[index]) {
        return writer.Given(value);
    }
    std::string ending = writer.Ending(value, solved.forms[index]);
    return ending.rfind("= ", 0) == 0 ? ending.substr(2) : ending;
}

}  // namespace

void WriteForms(SolvedValues& solved, const ValueWriter& writer) {
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        if (!solved.given[i] && !solved.written[i]) {
            solved.forms[i] = writer.Exact(solved.values[i]);
            solved.written[i] = true;
        }
    }
}

std::string GivenLine(int kind, const std::array<std::string, kQuantityCount>& texts,
                      const ValueWriter& writer) {
    std::vector<std::string> givens;
    for (const std::size_t i : Quantities(kind, true)) {
        std::string written;
        try {
            const QuantityReading reading = ReadQuantityText(texts[i], writer.settings());
            written =
                writer.Given(DualValue(reading.value, exact::Surd::FromDecimal(reading.decimal)));
        } catch (const ArithmeticError&) {
            written = texts[i];  // beyond the range of a double: as typed
        }
        givens.push_back(std::string(Symbol(i)) + " = " + written);
    }
    return "Дадено: " + Joined(givens, "; ");
}

std::string SoughtLine(int kind) {
    std::vector<std::string> sought;
    for (const std::size_t i : Quantities(kind, false)) {
        sought.emplace_back(Symbol(i));
    }
    return "Търси се: " + Joined(sought, ", ");
}

std::string StepLine(int kind, const SolveStep& step, std::set<std::string>& named) {
    const std::string_view words = WordsFor(kind, step.name);
    if (words.empty() || !named.insert(step.name).second) {
        return step.text;
    }
    return std::string(words) + ": " + step.text;
}

bool IsSignCheck(const SolveStep& step) {
    return step.name.find("′") != std::string::npos;
}

std::string AnswerLine(const SolvedValues& solved, const ValueWriter& writer) {
    std::vector<std::string> answers;
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        if (!solved.given[i]) {
            answers.push_back(std::string(Symbol(i)) + " " +
                              writer.Ending(solved.values[i], solved.forms[i]));
        }
    }
    return "Отговор: " + Joined(answers, "; ");
}

SolvedFigure FigureOf(const SolvedValues& solved, const ValueWriter& writer, std::string heading) {
    SolvedFigure figure;
    figure.heading = std::move(heading);
    for (std::size_t i = 0; i < figure.lengths.size(); ++i) {
        figure.lengths[i] = solved.values[i].value();
        figure.written[i] = Written(solved, i, writer);
        std::string exact;
        if (solved.given[i]) {
            exact = figure.written[i];
        } else if (const auto& form = solved.forms[i]) {
            exact = form->text;
        }
        if (exact::CodePoints(exact) <= kLongestLabel) {
            figure.exact[i] = exact;
        }
    }
    return figure;
}

}  // namespace trapezoid::detail
