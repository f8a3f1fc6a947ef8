// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing.hpp"

#include <cmath>

namespace trapezoid::elements {

std::string NumberText(double value, const NumberSettings& settings) {
    return detail::ValueWriter(settings, 7).Decimal(value);
}

std::string PutIn(Element element, double value, const NumberSettings& settings, bool in_formula) {
    if (element == Element::Angle) {
        return AngleText(value);
    }
    const std::string number = NumberText(value, settings);
    return value < 0.0 && in_formula ? "(" + number + ")" : number;
}

namespace {

// A fraction or a product with a root, "3√3/2", needs parentheses when
// squared, multiplied or divided by.
bool BindsTightly(std::string_view before, std::string_view after) {
    return after.starts_with("²") || after.starts_with("·") || after.starts_with("/") ||
           after.starts_with(" /") || before.ends_with("·") || before.ends_with("/ ") ||
           before.ends_with("/");
}

std::string PutIn(Element element, const Dual& value, const detail::ValueWriter& writer,
                  bool in_formula, std::string_view before, std::string_view after) {
    if (element == Element::Angle) {
        return AngleText(value.value());
    }
    if (!in_formula) {
        return writer.Decimal(value.value());
    }
    const detail::Substitution put = detail::SubstitutionOf(writer, value, writer.Exact(value));
    return put.fraction && BindsTightly(before, after) ? "(" + put.text + ")" : put.text;
}

}  // namespace

std::string FillIn(std::string_view pattern, const Values<Dual>& values,
                   const detail::ValueWriter& writer, bool in_formula) {
    std::string text;
    while (!pattern.empty()) {
        const std::size_t open = pattern.find('{');
        const std::size_t close = pattern.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            text += pattern;
            break;
        }
        text += pattern.substr(0, open);
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const std::optional<ElementName> element =
            name == "∠" ? ElementName{Element::Angle} : FindElementName(name);
        if (element) {
            text += PutIn(element->element, Of(values, element->element), writer, in_formula, text,
                          pattern.substr(close + 1));
        }
        pattern.remove_prefix(close + 1);
    }
    return text;
}

std::string ValueEnding(Element element, const Dual& value, const detail::ValueWriter& writer) {
    if (element == Element::Angle) {
        return AngleEnding(value.value());
    }
    return writer.Ending(value);
}

}  // namespace trapezoid::elements
