// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the figure's elements: letters, segments of two points,
// angles of three and their functions.
#include <algorithm>
#include <array>
#include <cctype>

#include "reading.hpp"

namespace trapezoid::conditions {
namespace {

constexpr std::string_view kPoints = "ABCDHO";
constexpr std::string_view kAngleMark = "∠";

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

bool SamePoints(std::string_view points, std::string_view pair) {
    return points == pair || (points.size() == 2 && points[0] == pair[1] && points[1] == pair[0]);
}

bool DistinctPoints(std::string_view points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (kPoints.find(points[i]) == std::string_view::npos ||
            points.find(points[i], i + 1) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

Quantity Segment(std::string points) {
    // The sides are the elements.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kSides = {
        {{"AB", "a"}, {"BC", "b"}, {"CD", "c"}, {"AD", "h"}, {"CH", "h"}, {"HB", "m"}}};
    std::string symbol = points;
    for (const auto& [pair, letter] : kSides) {
        if (SamePoints(points, pair)) {
            symbol = letter;
        }
    }
    return {Quantity::Kind::Segment, std::move(points), std::move(symbol)};
}

Quantity Angle(std::string points) {
    std::string symbol(kAngleMark);
    if (points == "ABC" || points == "CBA") {
        symbol += "B";
    } else if (points == "BCD" || points == "DCB") {
        symbol += "C";
    } else {
        symbol += points;
    }
    return {Quantity::Kind::Angle, std::move(points), std::move(symbol)};
}

// An angle after its function's name or after ∠: three points, or B or C.
std::optional<Quantity> TakeAngle(std::string_view& text) {
    std::string_view rest = text;
    TakePrefix(rest, kAngleMark);
    std::size_t length = 0;
    while (length < rest.size() && length < 4 && kPoints.find(rest[length]) != std::string::npos) {
        ++length;
    }
    std::string points(rest.substr(0, length));
    if (length == 1 && (points == "B" || points == "C")) {
        points = points == "B" ? "ABC" : "BCD";
    } else if (length != 3 || !DistinctPoints(points)) {
        return std::nullopt;
    }
    text = rest.substr(length);
    return Angle(points);
}

struct Function {
    std::string_view name;
    Quantity::Kind kind;
    std::string_view written;
};
constexpr std::array<Function, 6> kFunctions = {{{"cotg", Quantity::Kind::Cotangent, "cotg"},
                                                 {"ctg", Quantity::Kind::Cotangent, "cotg"},
                                                 {"tg", Quantity::Kind::Tangent, "tg"},
                                                 {"tan", Quantity::Kind::Tangent, "tg"},
                                                 {"sin", Quantity::Kind::Sine, "sin"},
                                                 {"cos", Quantity::Kind::Cosine, "cos"}}};

Quantity Unknown(std::string_view letters) {
    return {Quantity::Kind::Segment, std::string(letters), ""};
}

}  // namespace

Measure MeasureOf(const Quantity& quantity) {
    switch (quantity.kind) {
        case Quantity::Kind::Area:
            return Measure::Area;
        case Quantity::Kind::Angle:
            return Measure::Angle;
        case Quantity::Kind::Tangent:
        case Quantity::Kind::Sine:
        case Quantity::Kind::Cosine:
        case Quantity::Kind::Cotangent:
            return Measure::Number;
        default:
            return Measure::Length;
    }
}

std::optional<Quantity> TakeQuantity(std::string_view& text) {
    for (const Function& function : kFunctions) {
        std::string_view rest = text;
        if (TakePrefix(rest, function.name)) {
            auto angle = TakeAngle(rest);
            if (!angle) {
                return Unknown(text);
            }
            text = rest;
            return Quantity{function.kind, angle->points,
                            std::string(function.written) + " " + angle->symbol};
        }
    }
    if (text.starts_with(kAngleMark)) {
        if (auto angle = TakeAngle(text)) {
            return angle;
        }
        return Unknown(text);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const char first = text.front();
    static constexpr std::string_view kLetters = "abchmr";
    if (kLetters.find(first) != std::string_view::npos) {
        text.remove_prefix(1);
        switch (first) {
            case 'a':
                return Segment("AB");
            case 'b':
                return Segment("BC");
            case 'c':
                return Segment("CD");
            case 'h':
                return Segment("AD");
            case 'm':
                return Segment("HB");
            default:
                return Quantity{Quantity::Kind::Radius, "", "r"};
        }
    }
    if (first == 'P' || first == 'S') {
        text.remove_prefix(1);
        return first == 'P' ? Quantity{Quantity::Kind::Perimeter, "", "P"}
                            : Quantity{Quantity::Kind::Area, "", "S"};
    }
    if (text.starts_with("MN")) {
        text.remove_prefix(2);
        return Quantity{Quantity::Kind::Midline, "", "MN"};
    }
    std::size_t length = 0;
    while (length < text.size() && std::isupper(static_cast<unsigned char>(text[length]))) {
        ++length;
    }
    if (length == 0) {
        // Other letters name nothing.
        while (length < text.size() && std::isalpha(static_cast<unsigned char>(text[length]))) {
            ++length;
        }
        return length == 0 ? std::nullopt : std::optional(Unknown(text.substr(0, length)));
    }
    const std::string letters(text.substr(0, length));
    if (length == 2 && DistinctPoints(letters)) {
        text.remove_prefix(2);
        return Segment(letters);
    }
    if (length == 1 || length == 3) {
        std::string_view rest = text;
        if (auto angle = TakeAngle(rest)) {
            text = rest;
            return angle;
        }
    }
    return Unknown(letters);
}

std::optional<Given> ReadPerpendicular(std::string_view text, std::string_view typed) {
    const std::size_t mark = text.find("⊥");
    const std::string_view first = text.substr(0, mark);
    const std::string_view second = text.substr(mark + std::string_view("⊥").size());
    static constexpr std::array<std::string_view, 6> kLines = {"AB", "BC", "CD", "DA", "AC", "BD"};
    const auto line = [](std::string_view name) {
        return std::find_if(kLines.begin(), kLines.end(),
                            [&](std::string_view l) { return SamePoints(name, l); });
    };
    if (line(first) == kLines.end() || line(second) == kLines.end()) {
        return std::nullopt;
    }
    const auto pair = [&](std::string_view x, std::string_view y) {
        return (SamePoints(first, x) && SamePoints(second, y)) ||
               (SamePoints(first, y) && SamePoints(second, x));
    };
    Given given;
    given.text = std::string(typed);
    if (pair("DA", "AB") || pair("DA", "CD")) {
        given.effect = Given::Effect::Nothing;
    } else if (pair("AC", "BC") || pair("AC", "BD")) {
        // A right angle: at C between CA and CB, or at O between the diagonals.
        const Quantity angle = Angle(pair("AC", "BC") ? "ACB" : "AOB");
        given.terms.push_back({exact::Surd(1), 1.0, angle, ""});
        given.value = TypedValue{90.0, exact::Surd(90), "90"};
    } else {
        given.effect = Given::Effect::NoTrapezoid;
    }
    return given;
}

}  // namespace trapezoid::conditions
