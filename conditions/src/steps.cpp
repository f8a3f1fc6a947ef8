// SPDX-License-Identifier: GPL-3.0-or-later
// The reasons of the frequent conditions, as a textbook writes them.
#include <algorithm>
#include <set>

#include "solving.hpp"
#include "writing.hpp"

namespace trapezoid::conditions {
namespace {

using Kind = Quantity::Kind;

bool Ends(const Quantity& angle, char vertex, std::string_view ends) {
    const std::string& p = angle.points;
    return p.size() == 3 && p[1] == vertex &&
           std::set<char>{p[0], p[2]} == std::set<char>(ends.begin(), ends.end());
}

bool Unit(const Term& term, double sign) {
    return term.coefficient_value == sign;
}

bool IsValue(const Given& given, double value) {
    return given.value && given.value->value == value && given.terms.size() == 1 &&
           Unit(given.terms.front(), 1.0);
}

// Two terms x − y = 0 of the given kind, matched either way round.
bool IsEquality(const Given& given, Kind kind, const auto& first, const auto& second) {
    if (given.value || given.terms.size() != 2 || given.terms[0].quantity.kind != kind ||
        given.terms[1].quantity.kind != kind ||
        given.terms[0].coefficient_value != -given.terms[1].coefficient_value) {
        return false;
    }
    const Quantity& x = given.terms[0].quantity;
    const Quantity& y = given.terms[1].quantity;
    return (first(x) && second(y)) || (first(y) && second(x));
}

bool SegmentIs(const Quantity& q, std::string_view pair) {
    return q.kind == Kind::Segment && std::set<char>(q.points.begin(), q.points.end()) ==
                                          std::set<char>(pair.begin(), pair.end());
}

// Names from the eleven elements, whose plain values need no step.
bool IsElement(const Quantity& q) {
    static const std::set<std::string> kElements = {"a",  "b",  "c",  "h",  "m",  "P",  "S", "MN",
                                                    "AC", "CA", "BD", "DB", "∠B", "∠C", "r"};
    return kElements.contains(q.symbol);
}

std::string TermsText(const Given& given, const NumberSettings& settings) {
    std::string text;
    for (const Term& term : given.terms) {
        const bool negative = term.coefficient_value < 0.0;
        text += text.empty() ? (negative ? "−" : "") : (negative ? " − " : " + ");
        const exact::Surd size = negative ? exact::Negate(term.coefficient) : term.coefficient;
        if (size != exact::Surd(1)) {
            const std::string& typed = term.coefficient_text;
            text +=
                (typed.empty() || typed.starts_with("−") ? ExactText(size, settings) : typed) + "·";
        }
        text += term.quantity.symbol;
    }
    return text;
}

// The equation as written: "h + b = 18", "a = 3/2·c", "a : c = 5 : 2".
std::string EquationText(const Given& given, const NumberSettings& settings) {
    if (given.ratio && given.terms.size() == 2) {
        return given.terms[0].quantity.symbol + " : " + given.terms[1].quantity.symbol + " = " +
               given.ratio->first + " : " + given.ratio->second;
    }
    if (!given.value) {
        // The terms after the first go to the right: "a = 3/2·c", "a + c = b + h".
        Given left = given, right = given;
        left.terms.clear();
        right.terms.clear();
        for (const Term& term : given.terms) {
            if (term.coefficient_value > 0.0) {
                left.terms.push_back(term);
            } else {
                right.terms.push_back({exact::Negate(term.coefficient), -term.coefficient_value,
                                       term.quantity, term.coefficient_text});
            }
        }
        if (!left.terms.empty() && !right.terms.empty()) {
            return TermsText(left, settings) + " = " + TermsText(right, settings);
        }
        return TermsText(given, settings) + " = 0";
    }
    const bool angle = MeasureOf(given.terms.front().quantity) == Measure::Angle;
    return TermsText(given, settings) + " = " + given.value->text + (angle ? "°" : "");
}

// The sides a function of ∠B or ∠C is the ratio of: "h/m", "−m/b".
std::string RatioOfSides(const Quantity& q) {
    const bool at_b = q.points == "ABC" || q.points == "CBA";
    if (!at_b && q.points != "BCD" && q.points != "DCB") {
        return "";
    }
    const std::string minus = at_b ? "" : "−";
    switch (q.kind) {
        case Kind::Tangent:
            return minus + "h/m";
        case Kind::Cotangent:
            return minus + "m/h";
        case Kind::Sine:
            return "h/b";
        case Kind::Cosine:
            return minus + "m/b";
        default:
            return "";
    }
}

std::string ReasonOf(const Given& given, const NumberSettings& settings) {
    const Quantity& first = given.terms.front().quantity;
    if (IsValue(given, 90.0) && first.kind == Kind::Angle) {
        if (Ends(first, 'C', "AB")) {
            return "△ACB е правоъгълен и CH е височината към хипотенузата ⇒ CH² = AH·HB ⇒ "
                   "h² = c·m";
        }
        if (first.points[1] == 'O' && first.points != "AOC" && first.points != "COA" &&
            first.points != "BOD" && first.points != "DOB") {
            return "△ABD ∼ △DAC ⇒ AD/AB = DC/AD ⇒ h² = a·c";
        }
    }
    const auto angle_at = [](char vertex, std::string_view ends) {
        return [=](const Quantity& q) { return q.kind == Kind::Angle && Ends(q, vertex, ends); };
    };
    if (IsEquality(given, Kind::Angle, angle_at('B', "AD"), angle_at('B', "DC"))) {
        return "∠ABD = ∠BDC (кръстни ъгли) ⇒ △BCD е равнобедрен ⇒ b = c";
    }
    if (IsEquality(given, Kind::Angle, angle_at('C', "BA"), angle_at('C', "AD"))) {
        return "△ABC е равнобедрен ⇒ a = b";
    }
    const auto segment = [](std::string_view pair) {
        return [=](const Quantity& q) { return SegmentIs(q, pair); };
    };
    if (IsEquality(given, Kind::Segment, segment("AC"), segment("BC"))) {
        return "△ACB е равнобедрен ⇒ H е среда на AB ⇒ c = m";
    }
    if (given.ratio && given.terms.size() == 2) {
        const Quantity& second = given.terms[1].quantity;
        const bool along_bd = SegmentIs(first, "BO") && SegmentIs(second, "OD");
        const bool along_ac = SegmentIs(first, "AO") && SegmentIs(second, "OC");
        const bool reversed = (SegmentIs(first, "OD") && SegmentIs(second, "BO")) ||
                              (SegmentIs(first, "OC") && SegmentIs(second, "AO"));
        if (along_bd || along_ac || reversed) {
            const auto& [p, q] = *given.ratio;
            return "△ABO ∼ △CDO ⇒ a : c = " + (reversed ? q + " : " + p : p + " : " + q);
        }
    }
    if (given.terms.size() == 1 && given.value && first.kind != Kind::Segment &&
        first.kind != Kind::Radius && Ends(first, 'A', "CB")) {
        return "tg ∠CAB = h/c";
    }
    if (given.terms.size() == 1 && given.value && IsElement(first)) {
        return "";
    }
    if (const std::string ratio = RatioOfSides(first);
        !ratio.empty() && given.value && given.terms.size() == 1) {
        return first.symbol + " = " + ratio + " = " + given.value->text;
    }
    return EquationText(given, settings);
}

}  // namespace

std::vector<std::string> ReasonSteps(const std::vector<Given>& givens,
                                     const NumberSettings& settings) {
    std::vector<std::string> steps;
    bool circle = false;
    for (const Given& given : givens) {
        if (given.effect != Given::Effect::Equation || given.terms.empty()) {
            continue;
        }
        if (given.inscribed && !circle) {
            circle = true;
            steps.push_back("в трапеца е вписана окръжност ⇒ a + c = b + h; r = h/2");
            if (!given.value) {
                continue;
            }
        }
        if (std::string reason = ReasonOf(given, settings); !reason.empty()) {
            steps.push_back(std::move(reason));
        }
    }
    return steps;
}

}  // namespace trapezoid::conditions
