// SPDX-License-Identifier: GPL-3.0-or-later
// Reading one given into an equation Σ k·quantity = value.
#include <algorithm>
#include <cmath>

#include "reading.hpp"

namespace trapezoid::conditions {
namespace {

std::string Quoted(std::string_view text) {
    return "„" + std::string(text) + "“";
}

GivenReading Unreadable(std::string_view typed) {
    return {std::nullopt,
            Quoted(typed) +
                ": не може да се прочете; пише се например a=7/2, h=2√3, tgB=3/4, "
                "a=3c, a:c=5:2, h+b=18, a+c=b+h или AC⊥BD.",
            true};
}

GivenReading Impossible(std::string_view typed, std::string_view why) {
    return {std::nullopt, Quoted(typed) + ": " + std::string(why), false};
}

// One side of an equation: terms k·NAME and at most one value, joined by +
// and -. A bad name leaves its letters in `unknown`.
struct Side {
    std::vector<Term> terms;
    std::optional<TypedValue> value;
    std::string unknown;
};

// The degree mark after an angle's value.
void DropDegreeMark(std::string_view& text) {
    for (const std::string_view mark : {"°", "º"}) {
        if (text.starts_with(mark)) {
            text.remove_prefix(mark.size());
        }
    }
}

std::optional<Side> ReadSide(std::string_view text) {
    Side side;
    bool first = true;
    while (!text.empty() || first) {
        bool negative = false;
        if (!first) {
            if (text.front() != '+' && text.front() != '-') {
                return std::nullopt;
            }
            negative = text.front() == '-';
            text.remove_prefix(1);
        }
        first = false;
        std::optional<TypedValue> coefficient = TakeValue(text);
        DropDegreeMark(text);
        std::optional<Quantity> quantity = TakeQuantity(text);
        if (quantity && quantity->symbol.empty()) {
            side.unknown = quantity->points;
            return side;
        }
        if (!quantity) {
            if (!coefficient || side.value) {
                return std::nullopt;
            }
            if (negative) {
                coefficient->value = -coefficient->value;
                coefficient->exact = coefficient->exact
                                         ? std::optional(exact::Negate(*coefficient->exact))
                                         : std::nullopt;
                coefficient->text = "−" + coefficient->text;
            }
            side.value = coefficient;
            continue;
        }
        Term term{exact::Surd(1), 1.0, *quantity, ""};
        if (coefficient) {
            if (!coefficient->exact) {
                return std::nullopt;
            }
            term.coefficient = *coefficient->exact;
            term.coefficient_value = coefficient->value;
            term.coefficient_text = coefficient->text;
        }
        if (negative) {
            term.coefficient = exact::Negate(term.coefficient);
            term.coefficient_value = -term.coefficient_value;
        }
        side.terms.push_back(std::move(term));
    }
    return side;
}

bool IsInscribedCircle(const std::vector<Term>& terms) {
    // a + c − b − h, in any order and on either side.
    const auto sign_of = [&](std::string_view symbol) {
        const auto found = std::find_if(terms.begin(), terms.end(),
                                        [&](const Term& t) { return t.quantity.symbol == symbol; });
        if (found == terms.end() || std::abs(std::abs(found->coefficient_value) - 1.0) > 0.0) {
            return 0;
        }
        return found->coefficient_value > 0.0 ? 1 : -1;
    };
    const int a = sign_of("a");
    return terms.size() == 4 && a != 0 && sign_of("c") == a && sign_of("b") == -a &&
           sign_of("h") == -a;
}

// "X:Y=p:q" as q·X − p·Y = 0.
GivenReading ReadRatio(std::string_view left, std::string_view right, std::string_view typed) {
    const std::size_t left_mark = left.find(':');
    const std::size_t right_mark = right.find(':');
    if (right_mark == std::string_view::npos) {
        return Unreadable(typed);
    }
    std::string_view first_name = left.substr(0, left_mark);
    std::string_view second_name = left.substr(left_mark + 1);
    auto first = TakeQuantity(first_name);
    auto second = TakeQuantity(second_name);
    const auto p = ReadValue(right.substr(0, right_mark));
    const auto q = ReadValue(right.substr(right_mark + 1));
    if (!first || !second || !first_name.empty() || !second_name.empty() || !p || !q || !p->exact ||
        !q->exact) {
        return Unreadable(typed);
    }
    if (first->symbol.empty() || second->symbol.empty()) {
        return {std::nullopt, Quoted(typed) + ": няма такъв елемент.", true};
    }
    if (MeasureOf(*first) != MeasureOf(*second)) {
        return {std::nullopt,
                Quoted(typed) + ": дължина се сравнява само с дължина, а ъгъл само с ъгъл.", true};
    }
    if (!(p->value > 0.0) || !(q->value > 0.0)) {
        return Impossible(typed, "отношението трябва да е на положителни числа.");
    }
    Given given;
    given.text = std::string(typed);
    given.terms.push_back({*q->exact, q->value, *first, q->text});
    given.terms.push_back({exact::Negate(*p->exact), -p->value, *second, p->text});
    given.ratio = {p->text, q->text};
    return {given, "", false};
}

}  // namespace

GivenReading ReadGiven(std::string_view typed_text) {
    const std::string text = WithoutBlanks(typed_text);
    if (text.find("⊥") != std::string::npos) {
        auto given = ReadPerpendicular(text, text);
        if (!given) {
            return {std::nullopt,
                    Quoted(text) +
                        ": перпендикулярни могат да са две от правите AB, BC, CD, DA, "
                        "AC и BD.",
                    true};
        }
        if (given->effect == Given::Effect::NoTrapezoid) {
            return {std::nullopt,
                    Quoted(text) +
                        ": в правоъгълен трапец тези прави не са перпендикулярни; "
                        "няма такъв трапец.",
                    false};
        }
        return {given, "", false};
    }
    const std::size_t sign = text.find('=');
    if (sign == std::string::npos || text.find('=', sign + 1) != std::string::npos) {
        return Unreadable(text);
    }
    const std::string_view left = std::string_view(text).substr(0, sign);
    const std::string_view right = std::string_view(text).substr(sign + 1);
    if (left.find(':') != std::string_view::npos) {
        return ReadRatio(left, right, text);
    }
    const auto left_side = ReadSide(left);
    const auto right_side = ReadSide(right);
    if (!left_side || !right_side) {
        return Unreadable(text);
    }
    if (!left_side->unknown.empty() || !right_side->unknown.empty()) {
        const std::string& name =
            left_side->unknown.empty() ? right_side->unknown : left_side->unknown;
        return {std::nullopt,
                Quoted(text) + ": " + Quoted(name) +
                    " не е елемент; имената са a, b, c, h, P, S, m, r, MN, B, C, отсечки като "
                    "AO и ъгли като ∠CAB.",
                true};
    }
    Given given;
    given.text = text;
    given.terms = left_side->terms;
    for (Term term : right_side->terms) {
        term.coefficient = exact::Negate(term.coefficient);
        term.coefficient_value = -term.coefficient_value;
        given.terms.push_back(std::move(term));
    }
    if (left_side->value && right_side->value) {
        return Unreadable(text);
    }
    given.value = right_side->value;
    if (left_side->value) {
        given.value = left_side->value;
        for (Term& term : given.terms) {
            term.coefficient = exact::Negate(term.coefficient);
            term.coefficient_value = -term.coefficient_value;
        }
    }
    if (given.terms.empty() || (given.terms.size() == 1 && !given.value)) {
        return Unreadable(text);
    }
    const Measure measure = MeasureOf(given.terms.front().quantity);
    for (const Term& term : given.terms) {
        if (MeasureOf(term.quantity) != measure) {
            return {std::nullopt,
                    Quoted(text) + ": дължина се сравнява само с дължина, а ъгъл само с ъгъл.",
                    true};
        }
        given.inscribed = given.inscribed || term.quantity.kind == Quantity::Kind::Radius;
    }
    given.inscribed = given.inscribed || (!given.value && IsInscribedCircle(given.terms));
    // One element with its value: a length above 0, an angle within 0° and 180°.
    if (given.terms.size() == 1 && given.value) {
        const double value = given.value->value / given.terms.front().coefficient_value;
        if ((measure == Measure::Length || measure == Measure::Area) && !(value > 0.0)) {
            return Impossible(text, "стойността трябва да е по-голяма от 0.");
        }
        if (measure == Measure::Angle && !(value > 0.0 && value < 180.0)) {
            return Impossible(text, "ъгълът трябва да е между 0° и 180°.");
        }
    }
    return {given, "", false};
}

std::vector<GivenReading> ReadGivens(std::string_view text) {
    std::vector<GivenReading> readings;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(';'), text.size());
        const std::string_view one = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (WithoutBlanks(one).empty()) {
            continue;
        }
        readings.push_back(ReadGiven(one));
        if (!readings.back().given) {
            break;
        }
    }
    return readings;
}

}  // namespace trapezoid::conditions
