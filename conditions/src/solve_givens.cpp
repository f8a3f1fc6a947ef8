// SPDX-License-Identifier: GPL-3.0-or-later
// What the givens fix: a trapezoid, a family, a shape or an angle, or why
// there is none.
#include <algorithm>
#include <cmath>

#include "solving.hpp"
#include "writing.hpp"

namespace trapezoid::conditions {
namespace {

using Status = GivenSolution::Status;

std::string Quoted(std::string_view text) {
    return "„" + std::string(text) + "“";
}

bool SetsScale(const Equation& equation) {
    return equation.degree > 0 && equation.value_double != 0.0;
}

double AngleB(double x, double y) {
    return std::atan2(y, 1.0 - x) * 180.0 / boost::math::constants::pi<double>();
}

std::string AnglesText(double b) {
    return "∠ABC " + AngleEnding(b) + " и ∠BCD " + AngleEnding(180.0 - b);
}

constexpr std::string_view kNone = "Няма правоъгълен трапец с тези дадени.";

// "Няма правоъгълен трапец с дадените „a=10“, „c=4“ и „b=3“."
std::string NoneWith(const std::vector<Given>& givens) {
    std::string names;
    for (std::size_t i = 0; i < givens.size(); ++i) {
        names += (i == 0 ? "" : i + 1 == givens.size() ? " и " : ", ") + Quoted(givens[i].text);
    }
    return "Няма правоъгълен трапец с дадените " + names + ".";
}

GivenSolution Refusal(Status status, std::string message) {
    GivenSolution solution;
    solution.status = status;
    solution.message = std::move(message);
    return solution;
}

bool AtBOrC(const Quantity& q) {
    return q.points == "ABC" || q.points == "CBA" || q.points == "BCD" || q.points == "DCB";
}

// The trapezoid with a = 1, m = 1/2 and the angle ∠ABC (in degrees).
Trapezoid WithAngle(double b) {
    const double m = 0.5;
    return {1.0, 1.0 - m, m * std::tan(b * boost::math::constants::pi<double>() / 180.0)};
}

// Every ∠ABC within 0° and 90° that meets an equation in ∠B and ∠C alone.
std::vector<double> AnglesMeeting(const Equation& equation) {
    const auto f = [&](double b) {
        const Trapezoid t = WithAngle(b);
        return Relative(equation, t.a, t.c, t.h);
    };
    std::vector<double> angles;
    constexpr int kSteps = 720;
    double low = 90.0 / kSteps, f_low = f(low);
    for (int step = 2; step < kSteps; ++step) {
        double high = 90.0 * step / kSteps, f_high = f(high);
        if (f_low == 0.0 || (f_low < 0.0) != (f_high < 0.0)) {
            double x = low, y = high, fx = f_low;
            for (int halving = 0; halving < 60; ++halving) {
                const double middle = (x + y) / 2.0, fm = f(middle);
                if ((fm < 0.0) == (fx < 0.0) && fm != 0.0) {
                    x = middle, fx = fm;
                } else {
                    y = middle;
                }
            }
            const Trapezoid t = WithAngle(x);
            if (Holds(equation, t.a, t.c, t.h)) {
                angles.push_back(x);
            }
        }
        low = high, f_low = f_high;
    }
    return angles;
}

GivenSolution Single(const Given& given, const Equation& equation) {
    const bool angles_only = std::all_of(given.terms.begin(), given.terms.end(), [](const Term& t) {
        return t.quantity.kind != Quantity::Kind::Segment && AtBOrC(t.quantity);
    });
    if (!angles_only) {
        return Refusal(Status::TooFew,
                       Quoted(given.text) + ": една дадена не стига; нужни са още две.");
    }
    const std::vector<double> angles = AnglesMeeting(equation);
    if (angles.empty()) {
        return Refusal(Status::NoTrapezoid,
                       Quoted(given.text) + ": няма правоъгълен трапец с такъв ъгъл.");
    }
    GivenSolution solution = Refusal(
        Status::SingleAngle, AnglesText(angles.front()) + "; за трапеца са нужни още две дадени.");
    solution.angles_b = angles;
    return solution;
}

GivenSolution Shape(const Equation& first, const Equation& second) {
    const auto shapes = SolveShape(first, second);
    if (shapes.empty()) {
        return Refusal(Status::NoTrapezoid, std::string(kNone));
    }
    GivenSolution solution;
    solution.status = Status::ShapeOnly;
    std::string angles;
    for (const auto& [x, y] : shapes) {
        solution.angles_b.push_back(AngleB(x, y));
        angles += (angles.empty() ? "" : " или ") + AnglesText(solution.angles_b.back());
    }
    solution.message =
        "Дадените определят само формата на трапеца: " + angles + "; нужна е още една дължина.";
    return solution;
}

// The elements two givens may fix, with their symbols.
std::vector<std::pair<std::string, Quantity>> Elements() {
    using Kind = Quantity::Kind;
    std::vector<std::pair<std::string, Quantity>> elements;
    for (const auto& [symbol, points] : {std::pair{"a", "AB"},
                                         {"b", "BC"},
                                         {"c", "CD"},
                                         {"h", "AD"},
                                         {"m", "HB"},
                                         {"AC", "AC"},
                                         {"BD", "BD"}}) {
        elements.push_back({symbol, {Kind::Segment, points, symbol}});
    }
    elements.push_back({"P", {Kind::Perimeter, "", "P"}});
    elements.push_back({"S", {Kind::Area, "", "S"}});
    elements.push_back({"MN", {Kind::Midline, "", "MN"}});
    elements.push_back({"∠ABC", {Kind::Angle, "ABC", "∠B"}});
    return elements;
}

GivenSolution TwoGivens(const std::vector<const Equation*>& equations,
                        const NumberSettings& settings) {
    const std::vector<Trapezoid> members = FamilyMembers(equations, 4);
    if (members.empty()) {
        return Refusal(Status::NoTrapezoid, std::string(kNone));
    }
    GivenSolution solution;
    solution.status = Status::TwoGivens;
    for (const auto& element : Elements()) {
        // Named, not bound: a lambda below takes the quantity.
        const std::string& symbol = element.first;
        const Quantity& quantity = element.second;
        const double first = Evaluate<double>(quantity, members[0].a, members[0].c, members[0].h);
        const bool same = members.size() > 1 &&
                          std::all_of(members.begin(), members.end(), [&](const Trapezoid& t) {
                              const double value = Evaluate<double>(quantity, t.a, t.c, t.h);
                              return std::abs(value - first) <= 1e-7 * std::abs(first);
                          });
        if (same) {
            solution.fixed.push_back(symbol + " " +
                                     (quantity.kind == Quantity::Kind::Angle
                                          ? AngleEnding(first)
                                          : "= " + DecimalText(first, settings)));
        }
    }
    std::string fixed;
    for (const std::string& element : solution.fixed) {
        fixed += (fixed.empty() ? "" : ", ") + element;
    }
    solution.message =
        fixed.empty() ? "Двете дадени не стигат; нужна е още една дадена."
                      : "Двете дадени определят " + fixed + "; за трапеца е нужна още една дадена.";
    return solution;
}

// Fewer independent equations than equations: the one that follows from the
// others either agrees with them or breaks them.
GivenSolution Deficient(const std::vector<Given>& givens,
                        const std::vector<const Equation*>& equations,
                        const std::vector<std::size_t>& independent) {
    std::vector<const Equation*> kept;
    std::optional<std::size_t> extra;
    for (std::size_t i = 0; i < equations.size(); ++i) {
        if (std::find(independent.begin(), independent.end(), i) != independent.end()) {
            kept.push_back(equations[i]);
        } else if (!extra) {
            extra = i;
        }
    }
    const std::string& text = givens[static_cast<std::size_t>(equations[*extra]->given)].text;
    const std::vector<Trapezoid> members =
        kept.size() == 3 ? SolveThree({kept[0], kept[1], kept[2]}) : FamilyMembers(kept, 1);
    if (members.empty()) {
        return Refusal(Status::NoTrapezoid, std::string(kNone));
    }
    const bool agrees = std::any_of(members.begin(), members.end(), [&](const Trapezoid& t) {
        return std::all_of(equations.begin(), equations.end(),
                           [&](const Equation* e) { return Holds(*e, t.a, t.c, t.h); });
    });
    if (agrees) {
        return Refusal(Status::Dependent, "Дадените зависят една от друга: " + Quoted(text) +
                                              " следва от останалите; нужна е друга дадена.");
    }
    return Refusal(Status::Contradicting, "Дадените си противоречат: " + Quoted(text) +
                                              " не е вярно за трапеца на останалите.");
}

}  // namespace

GivenSolution SolveFixed(const std::vector<Given>& givens,
                         const std::vector<const Equation*>& equations,
                         const std::vector<std::size_t>& independent,
                         const NumberSettings& settings);

GivenSolution SolveGivens(const std::vector<Given>& givens, const NumberSettings& settings) {
    std::string adds_nothing;
    for (const Given& given : givens) {
        if (given.effect == Given::Effect::NoTrapezoid) {
            return Refusal(Status::NoTrapezoid, Quoted(given.text) +
                                                    ": в правоъгълен трапец тези прави не са "
                                                    "перпендикулярни; няма такъв трапец.");
        }
        if (given.effect == Given::Effect::Nothing && adds_nothing.empty()) {
            adds_nothing = Quoted(given.text) + " е вярно за всеки правоъгълен трапец. ";
        }
    }
    const std::vector<Equation> all = EquationsOf(givens);
    std::vector<const Equation*> equations;
    for (const Equation& equation : all) {
        equations.push_back(&equation);
    }
    const std::vector<std::size_t> independent = Independent(equations);
    GivenSolution solution;
    if (equations.empty()) {
        solution = Refusal(Status::TooFew, "Няма дадени; нужни са три.");
    } else if (independent.size() < std::min<std::size_t>(equations.size(), 3) ||
               equations.size() > 3) {
        solution = equations.size() > 3 && independent.size() == 3
                       ? SolveFixed(givens, equations, independent, settings)
                       : Deficient(givens, equations, independent);
    } else if (equations.size() == 1) {
        solution = Single(givens[static_cast<std::size_t>(equations[0]->given)], *equations[0]);
    } else if (equations.size() == 2) {
        solution = SetsScale(*equations[0]) || SetsScale(*equations[1])
                       ? TwoGivens(equations, settings)
                       : Shape(*equations[0], *equations[1]);
    } else {
        solution = SolveFixed(givens, equations, independent, settings);
    }
    if (!adds_nothing.empty() && solution.status != Status::Fixed) {
        solution.message = adds_nothing + solution.message;
    }
    if (solution.status == Status::TwoGivens || solution.status == Status::ShapeOnly) {
        solution.steps = ReasonSteps(givens, settings);
    }
    if (solution.status == Status::NoTrapezoid && solution.message.starts_with(kNone)) {
        solution.message = NoneWith(givens);
    }
    solution.inscribed = std::any_of(givens.begin(), givens.end(),
                                     [](const Given& given) { return given.inscribed; });
    return solution;
}

int ExitCode(GivenSolution::Status status) {
    switch (status) {
        case Status::Fixed:
        case Status::TwoGivens:
        case Status::ShapeOnly:
        case Status::SingleAngle:
            return 0;
        default:
            return 1;
    }
}

}  // namespace trapezoid::conditions
