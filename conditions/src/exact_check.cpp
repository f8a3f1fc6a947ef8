// SPDX-License-Identifier: GPL-3.0-or-later
// Checking exact values against an equation in exact arithmetic, where it
// stays within one square root: lengths, the area, tangents and cotangents,
// right angles and the angles whose tangent is exact.
#include <array>

#include "equations.hpp"

namespace trapezoid::conditions {
namespace {

using Maybe = std::optional<exact::Surd>;

Maybe Plus(const Maybe& x, const Maybe& y) {
    return x && y ? exact::Add(*x, *y) : std::nullopt;
}
Maybe Minus(const Maybe& x, const Maybe& y) {
    return x && y ? exact::Subtract(*x, *y) : std::nullopt;
}
Maybe Times(const Maybe& x, const Maybe& y) {
    return x && y ? exact::Multiply(*x, *y) : std::nullopt;
}
Maybe Over(const Maybe& x, const Maybe& y) {
    return x && y ? exact::Divide(*x, *y) : std::nullopt;
}
Maybe Root(const Maybe& x) {
    return x ? exact::SquareRoot(*x) : std::nullopt;
}
Maybe Magnitude(const Maybe& x) {
    return x && x->Sign() < 0 ? exact::Negate(*x) : x;
}

struct ExactFigure {
    exact::Surd a, c, h;

    std::array<Maybe, 2> At(char name) const {
        const exact::Surd zero;
        switch (name) {
            case 'A':
                return {zero, zero};
            case 'B':
                return {a, zero};
            case 'C':
                return {c, h};
            case 'D':
                return {zero, h};
            case 'H':
                return {c, zero};
            default: {
                const Maybe sum = exact::Add(a, c);
                return {Over(exact::Multiply(a, c), sum), Over(exact::Multiply(a, h), sum)};
            }
        }
    }

    Maybe Length(char p, char q) const {
        const auto x = At(p), y = At(q);
        const Maybe dx = Minus(x[0], y[0]), dy = Minus(x[1], y[1]);
        return Root(Plus(Times(dx, dx), Times(dy, dy)));
    }

    // |u × v| and u · v of the two arms of the angle at points[1].
    std::array<Maybe, 2> Arms(const std::string& points) const {
        const auto p = At(points[0]), v = At(points[1]), q = At(points[2]);
        const Maybe ux = Minus(p[0], v[0]), uy = Minus(p[1], v[1]);
        const Maybe wx = Minus(q[0], v[0]), wy = Minus(q[1], v[1]);
        return {Magnitude(Minus(Times(ux, wy), Times(uy, wx))), Plus(Times(ux, wx), Times(uy, wy))};
    }

    Maybe Value(const Quantity& q) const {
        using Kind = Quantity::Kind;
        const exact::Surd two(2);
        switch (q.kind) {
            case Kind::Segment:
                return Length(q.points[0], q.points[1]);
            case Kind::Perimeter:
                return Plus(Plus(exact::Add(a, c), h), Length('B', 'C'));
            case Kind::Area:
                return Over(Times(exact::Add(a, c), h), two);
            case Kind::Midline:
                return Over(exact::Add(a, c), two);
            case Kind::Radius:
                return exact::Divide(h, two);
            default:
                break;
        }
        const auto [cross, dot] = Arms(q.points);
        switch (q.kind) {
            case Kind::Tangent:
                return Over(cross, dot);
            case Kind::Cotangent:
                return Over(dot, cross);
            default:
                break;
        }
        const auto arm = [&](char end) { return Length(q.points[1], end); };
        const Maybe lengths = Times(arm(q.points[0]), arm(q.points[2]));
        return q.kind == Kind::Sine     ? Over(cross, lengths)
               : q.kind == Kind::Cosine ? Over(dot, lengths)
                                        : std::nullopt;
    }
};

// tg of the angles whose tangent is exact, in degrees.
Maybe TangentOf(const exact::Surd& degrees) {
    const Maybe root3 = exact::SquareRoot(exact::Surd(3));
    const Maybe third = Over(root3, exact::Surd(3));
    const std::array<std::pair<long long, Maybe>, 6> known = {{{30, third},
                                                               {45, exact::Surd(1)},
                                                               {60, root3},
                                                               {120, exact::Negate(*root3)},
                                                               {135, exact::Surd(-1)},
                                                               {150, exact::Negate(*third)}}};
    for (const auto& [angle, tangent] : known) {
        if (degrees == exact::Surd(angle)) {
            return tangent;
        }
    }
    return std::nullopt;
}

std::optional<bool> Zero(const Maybe& x) {
    return x ? std::optional(x->Sign() == 0) : std::nullopt;
}

std::optional<bool> AngleHolds(const Equation& equation, const ExactFigure& figure) {
    const auto& terms = equation.terms;
    if (terms.size() == 1 && terms[0].coefficient == exact::Surd(1)) {
        const auto [cross, dot] = figure.Arms(terms[0].quantity.points);
        if (equation.value == exact::Surd(90)) {
            return Zero(dot);
        }
        return Zero(Minus(Times(TangentOf(equation.value), dot), cross));
    }
    // ∠X = ∠Y: the same tangent, and both acute or both obtuse.
    if (terms.size() == 2 && equation.value.Sign() == 0 && terms[0].coefficient == exact::Surd(1) &&
        terms[1].coefficient == exact::Surd(-1)) {
        const auto [cross1, dot1] = figure.Arms(terms[0].quantity.points);
        const auto [cross2, dot2] = figure.Arms(terms[1].quantity.points);
        const auto same = Zero(Minus(Times(cross1, dot2), Times(cross2, dot1)));
        if (!same || !dot1 || !dot2) {
            return std::nullopt;
        }
        return *same && dot1->Sign() == dot2->Sign();
    }
    return std::nullopt;
}

}  // namespace

std::optional<bool> HoldsExactly(const Equation& equation, const exact::Surd& a,
                                 const exact::Surd& c, const exact::Surd& h) {
    if (!equation.exact) {
        return std::nullopt;
    }
    const ExactFigure figure{a, c, h};
    if (equation.terms.front().quantity.kind == Quantity::Kind::Angle) {
        return AngleHolds(equation, figure);
    }
    Maybe sum = exact::Negate(equation.value);
    for (const Term& term : equation.terms) {
        sum = Plus(sum, Times(term.coefficient, figure.Value(term.quantity)));
    }
    return Zero(sum);
}

}  // namespace trapezoid::conditions
