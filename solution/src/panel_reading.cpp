// SPDX-License-Identifier: GPL-3.0-or-later
#include "trapezoid/panel_reading.hpp"

namespace trapezoid {
namespace {

// The code point at `at` in UTF-8 and its length in bytes; a stray byte
// stands for itself.
std::pair<char32_t, std::size_t> CodePointAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || at + length > text.size()) {
        return {lead, 1};
    }
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        code = (code << 6) | (byte(i) & 0x3F);
    }
    return {code, length};
}

// Spaces, tabs, line breaks and the Unicode space separators.
bool IsSpace(char32_t code) {
    return (code >= 0x09 && code <= 0x0D) || code == 0x20 || code == 0x85 || code == 0xA0 ||
           code == 0x1680 || (code >= 0x2000 && code <= 0x200A) || code == 0x2028 ||
           code == 0x2029 || code == 0x202F || code == 0x205F || code == 0x3000;
}

bool IsBlank(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto [code, length] = CodePointAt(text, at);
        if (!IsSpace(code)) {
            return false;
        }
        at += length;
    }
    return true;
}

// "по-голямата основа a" → "По-голямата основа a": the words start with a
// small Latin or Cyrillic letter.
std::string Capitalised(std::string_view words) {
    std::string text(words);
    if (text.empty()) {
        return text;
    }
    const auto [code, length] = CodePointAt(words, 0);
    if (code >= U'a' && code <= U'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    } else if (code >= U'а' && code <= U'я') {
        const char32_t capital = code - (U'а' - U'А');
        text.replace(
            0, length,
            {static_cast<char>(0xC0 | (capital >> 6)), static_cast<char>(0x80 | (capital & 0x3F))});
    }
    return text;
}

PanelField FieldAt(int index) {
    const ElementName name = index == kElementCount ? ElementName{Element::Angle, true}
                                                    : ElementName{ElementAt(index), false};
    const std::string symbol(ElementSymbol(name.element, name.obtuse));
    return {name, symbol, symbol + ":", Capitalised(ElementWords(name.element, name.obtuse)),
            name.element == Element::Angle ? "°" : ""};
}

}  // namespace

const std::vector<PanelField>& PanelFields() {
    static const std::vector<PanelField> fields = [] {
        std::vector<PanelField> all;
        for (int index = 0; index < kPanelFieldCount; ++index) {
            all.push_back(FieldAt(index));
        }
        return all;
    }();
    return fields;
}

namespace {

constexpr std::size_t kMostGivens = 5;

// The name a given of a textbook's form takes for a field: "a", "AC", "B", "C".
std::string ConditionName(const PanelField& field) {
    if (field.name.element == Element::Angle) {
        return field.name.obtuse ? "C" : "B";
    }
    return field.symbol;
}

// Every filled field and the line "Условия" as givens of a textbook's form.
PanelReading ReadConditions(const std::vector<std::string>& texts, const NumberSettings& settings) {
    const std::vector<PanelField>& fields = PanelFields();
    PanelReading reading;
    for (std::size_t index = 0; index < fields.size() && index < texts.size(); ++index) {
        const std::string& text = texts[index];
        if (IsBlank(text)) {
            continue;
        }
        const int at = static_cast<int>(index);
        // A number the elements refuse keeps their hint ("0", "100" for ∠B).
        if (IsPlainNumber(text, settings)) {
            const ElementReading element = ReadElement(fields[index].name, text, settings);
            if (!element.given) {
                return {{}, {}, element.error, at};
            }
        }
        conditions::GivenReading given =
            conditions::ReadGiven(ConditionName(fields[index]) + "=" + text);
        if (!given.given) {
            return {{}, {}, given.message, at};
        }
        reading.conditions.push_back(std::move(*given.given));
    }
    const std::size_t line = static_cast<std::size_t>(kConditionsLine);
    if (line < texts.size() && !IsBlank(texts[line])) {
        for (conditions::GivenReading& given : conditions::ReadGivens(texts[line])) {
            if (!given.given) {
                return {{}, {}, given.message, kConditionsLine};
            }
            reading.conditions.push_back(std::move(*given.given));
        }
    }
    if (reading.conditions.size() > kMostGivens) {
        return {{},
                {},
                "Дайте от една до пет дадени (дадени: " +
                    std::to_string(reading.conditions.size()) + ").",
                -1};
    }
    return reading;
}

// A field with an exact value such as "√3" or "7/2", or a filled line
// "Условия": the givens are of a textbook's form.
bool TakesConditions(const std::vector<std::string>& texts, const NumberSettings& settings) {
    const std::size_t line = static_cast<std::size_t>(kConditionsLine);
    if (line < texts.size() && !IsBlank(texts[line])) {
        return true;
    }
    for (std::size_t index = 0; index < line && index < texts.size(); ++index) {
        const std::string& text = texts[index];
        if (!IsBlank(text) && !IsPlainNumber(text, settings) && conditions::ReadValue(text)) {
            return true;
        }
    }
    return false;
}

}  // namespace

const PanelConditionsLine& ConditionsLine() {
    static const PanelConditionsLine line = {
        "Условия:",
        "Условия",
        "Връзки и условия, разделени с „;“, например: h=c; a:c=5:2; a=3/2c; ∠ACB=90; AC⊥BD; "
        "∠ABD=∠DBC; a+c=b+h; h+b=18; tgB=3/4; r=2. Полетата приемат и точни стойности: √3, "
        "3√2/2, 7/2, 2sqrt3.",
        {{"∠", "Вмъкни знак за ъгъл ∠"},
         {"⊥", "Вмъкни знак за перпендикулярност ⊥"},
         {"√", "Вмъкни знак за корен √"}}};
    return line;
}

PanelReading ReadPanel(const std::vector<std::string>& texts, const NumberSettings& settings) {
    const std::vector<PanelField>& fields = PanelFields();
    const auto text_of = [&](std::size_t index) -> std::string_view {
        return index < texts.size() ? std::string_view(texts[index]) : std::string_view();
    };
    const std::size_t acute_angle = static_cast<std::size_t>(ElementIndex(Element::Angle));
    if (!IsBlank(text_of(fields.size() - 1)) && !IsBlank(text_of(acute_angle))) {
        return {
            {}, {}, "Попълнете само един от ъглите ∠B и ∠C: ∠C = 180° − ∠B.", kPanelFieldCount - 1};
    }
    if (TakesConditions(texts, settings)) {
        return ReadConditions(texts, settings);
    }
    PanelReading reading;
    int filled = 0;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        if (IsBlank(text_of(index))) {
            continue;
        }
        ++filled;
        const ElementReading element = ReadElement(fields[index].name, text_of(index), settings);
        if (!element.given) {
            return {{}, {}, element.error, static_cast<int>(index)};
        }
        reading.givens.push_back(*element.given);
    }
    if (filled < 2 || filled > 3) {
        return {{},
                {},
                "Попълнете две или три полета (попълнени: " + std::to_string(filled) + ").",
                -1};
    }
    return reading;
}

}  // namespace trapezoid
