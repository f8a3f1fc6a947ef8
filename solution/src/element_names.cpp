// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "trapezoid/elements.hpp"

namespace trapezoid {
namespace {

struct NameEntry {
    std::string_view name;
    ElementName element;
};

constexpr std::array<NameEntry, 14> kNames = {{
    {"a", {Element::A}},
    {"b", {Element::B}},
    {"c", {Element::C}},
    {"h", {Element::H}},
    {"P", {Element::P}},
    {"S", {Element::S}},
    {"m", {Element::M}},
    {"AC", {Element::AC}},
    {"BD", {Element::BD}},
    {"MN", {Element::MN}},
    {"B", {Element::Angle, false}},
    {"∠B", {Element::Angle, false}},
    {"C", {Element::Angle, true}},
    {"∠C", {Element::Angle, true}},
}};

constexpr std::array<std::string_view, kElementCount> kSymbols = {"a", "b",  "c",  "h",  "P", "S",
                                                                  "m", "AC", "BD", "MN", "∠B"};

constexpr std::array<std::string_view, kElementCount> kWords = {
    "по-голямата основа a", "бедрото b",          "по-малката основа c",     "височината h",
    "периметърът P",        "лицето S",           "разликата на основите m", "диагоналът AC",
    "диагоналът BD",        "средната основа MN", "острият ъгъл ∠B",
};

}  // namespace

std::optional<ElementName> FindElementName(std::string_view name) {
    for (const NameEntry& entry : kNames) {
        if (entry.name == name) {
            return entry.element;
        }
    }
    return std::nullopt;
}

std::string_view ElementSymbol(Element element, bool obtuse) {
    if (element == Element::Angle && obtuse) {
        return "∠C";
    }
    return kSymbols[static_cast<std::size_t>(ElementIndex(element))];
}

std::string_view ElementWords(Element element, bool obtuse) {
    if (element == Element::Angle && obtuse) {
        return "тъпият ъгъл ∠C";
    }
    return kWords[static_cast<std::size_t>(ElementIndex(element))];
}

}  // namespace trapezoid
