// SPDX-License-Identifier: GPL-3.0-or-later
// The givens' equations, their independence, and the solving of three of
// them: one length equation sets the scale, the other two fix the shape.
#include <algorithm>
#include <cmath>

#include "equations.hpp"

namespace trapezoid::conditions {
namespace {

int DegreeOf(const Equation& equation) {
    switch (MeasureOf(equation.terms.front().quantity)) {
        case Measure::Length:
            return 1;
        case Measure::Area:
            return 2;
        default:
            return 0;
    }
}

bool SetsScale(const Equation& equation) {
    return equation.degree > 0 && equation.value_double != 0.0;
}

// The left side alone: Σ k·quantity.
double LeftSide(const Equation& equation, double a, double c, double h) {
    return Residual(equation, a, c, h) + equation.value_double;
}

using Point3 = Vector3;

template <class Function>
Point3 GradientOf(const Function& function, const Point3& at) {
    Point3 gradient{};
    for (std::size_t i = 0; i < 3; ++i) {
        Point3 up = at, down = at;
        const double step = 1e-6 * at[i];
        up[i] += step;
        down[i] -= step;
        gradient[i] =
            (function(up[0], up[1], up[2]) - function(down[0], down[1], down[2])) / (2.0 * step);
    }
    return gradient;
}

Point3 Gradient(const Equation& equation, const Point3& at) {
    return GradientOf([&](double a, double c, double h) { return LeftSide(equation, a, c, h); },
                      at);
}

// What independence is judged by: x = k·y and x : y = p : q by the ratio
// x/y, whose every level is a shape, as the level 0 of x − k·y is.
Point3 ShapeGradient(const Equation& equation, const Point3& at) {
    if (equation.value_double != 0.0 || equation.terms.size() != 2) {
        return Gradient(equation, at);
    }
    return GradientOf(
        [&](double a, double c, double h) {
            return Evaluate<double>(equation.terms[0].quantity, a, c, h) /
                   Evaluate<double>(equation.terms[1].quantity, a, c, h);
        },
        at);
}

double Dot(const Point3& x, const Point3& y) {
    return x[0] * y[0] + x[1] * y[1] + x[2] * y[2];
}

// Newton's method in (a, c, h) on the relative residuals.
Trapezoid Polish(const std::array<const Equation*, 3>& equations, Trapezoid t) {
    for (int iteration = 0; iteration < 4; ++iteration) {
        Vector3 f{};
        for (std::size_t i = 0; i < 3; ++i) {
            f[i] = Relative(*equations[i], t.a, t.c, t.h);
        }
        const auto step = SolveLinear(RelativeJacobian(equations, t), f);
        if (!step) {
            break;
        }
        const Trapezoid next{t.a - (*step)[0], t.c - (*step)[1], t.h - (*step)[2]};
        if (!(next.a > next.c && next.c > 0.0 && next.h > 0.0)) {
            break;
        }
        t = next;
    }
    return t;
}

}  // namespace

Matrix3 RelativeJacobian(const std::array<const Equation*, 3>& equations, const Trapezoid& at) {
    Matrix3 rows{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double size = Magnitude(*equations[i], at.a, at.c, at.h);
        rows[i] = Gradient(*equations[i], {at.a, at.c, at.h});
        for (double& entry : rows[i]) {
            entry /= size;
        }
    }
    return rows;
}

double Determinant(const Matrix3& x) {
    return x[0][0] * (x[1][1] * x[2][2] - x[1][2] * x[2][1]) -
           x[0][1] * (x[1][0] * x[2][2] - x[1][2] * x[2][0]) +
           x[0][2] * (x[1][0] * x[2][1] - x[1][1] * x[2][0]);
}

std::optional<Vector3> SolveLinear(const Matrix3& m, const Vector3& f) {
    const double whole = Determinant(m);
    if (!std::isfinite(whole) || whole == 0.0) {
        return std::nullopt;
    }
    Vector3 solution{};
    for (std::size_t column = 0; column < 3; ++column) {
        Matrix3 replaced = m;
        for (std::size_t i = 0; i < 3; ++i) {
            replaced[i][column] = f[i];
        }
        solution[column] = Determinant(replaced) / whole;
    }
    return solution;
}

Equation InscribedCircle(int given) {
    Equation equation;
    for (const auto& [points, sign] :
         {std::pair{"AB", 1.0}, {"CD", 1.0}, {"BC", -1.0}, {"AD", -1.0}}) {
        equation.terms.push_back({exact::Surd(static_cast<long long>(sign)),
                                  sign,
                                  {Quantity::Kind::Segment, points, ""},
                                  ""});
    }
    equation.degree = 1;
    equation.given = given;
    return equation;
}

Equation Probe(std::string points, double value, bool times_a) {
    Equation equation;
    equation.terms.push_back({exact::Surd(1), 1.0, {Quantity::Kind::Segment, points, ""}, ""});
    if (times_a) {
        equation.terms.push_back({exact::Surd(0), -value, {Quantity::Kind::Segment, "AB", ""}, ""});
    } else {
        equation.value_double = value;
    }
    equation.degree = 1;
    equation.exact = false;
    return equation;
}

std::vector<Equation> EquationsOf(const std::vector<Given>& givens) {
    std::vector<Equation> equations;
    bool circle = false;
    for (std::size_t i = 0; i < givens.size(); ++i) {
        const Given& given = givens[i];
        if (given.effect != Given::Effect::Equation || given.terms.empty()) {
            continue;
        }
        Equation equation;
        equation.terms = given.terms;
        if (given.value) {
            equation.value = given.value->exact.value_or(exact::Surd(0));
            equation.value_double = given.value->value;
            equation.exact = given.value->exact.has_value();
        }
        equation.degree = DegreeOf(equation);
        equation.given = static_cast<int>(i);
        const bool radius = std::any_of(given.terms.begin(), given.terms.end(), [](const Term& t) {
            return t.quantity.kind == Quantity::Kind::Radius;
        });
        equations.push_back(std::move(equation));
        if (radius && !circle) {
            circle = true;
            equations.push_back(InscribedCircle(static_cast<int>(i)));
        }
    }
    return equations;
}

double Magnitude(const Equation& equation, double a, double c, double h) {
    double size = std::abs(equation.value_double);
    for (const Term& term : equation.terms) {
        size += std::abs(term.coefficient_value * Evaluate<double>(term.quantity, a, c, h));
    }
    return size > 0.0 ? size : 1.0;
}

double Relative(const Equation& equation, double a, double c, double h) {
    return Residual(equation, a, c, h) / Magnitude(equation, a, c, h);
}

bool Holds(const Equation& equation, double a, double c, double h) {
    return std::abs(Relative(equation, a, c, h)) <= 1e-9;
}

std::vector<std::size_t> Independent(const std::vector<const Equation*>& equations) {
    // Gram–Schmidt on the gradients at two unremarkable trapezoids.
    static constexpr std::array<Point3, 2> kSamples = {
        {{1.0, 0.4137, 0.7291}, {1.7, 0.2391, 2.1173}}};
    std::array<std::vector<Point3>, 2> bases;
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < equations.size() && chosen.size() < 3; ++i) {
        std::array<Point3, 2> remainders{};
        bool independent = false;
        for (std::size_t s = 0; s < kSamples.size(); ++s) {
            Point3 row = ShapeGradient(*equations[i], kSamples[s]);
            if (!SetsScale(*equations[i])) {
                // Without a length it speaks of the shape alone: only the
                // part of its gradient across the rays from the origin counts.
                const Point3& ray = kSamples[s];
                const double along = Dot(row, ray) / Dot(ray, ray);
                for (std::size_t k = 0; k < 3; ++k) {
                    row[k] -= along * ray[k];
                }
            }
            const double norm = std::sqrt(Dot(row, row));
            if (!(norm > 0.0)) {
                continue;
            }
            for (double& entry : row) {
                entry /= norm;
            }
            for (const Point3& base : bases[s]) {
                const double along = Dot(row, base);
                for (std::size_t k = 0; k < 3; ++k) {
                    row[k] -= along * base[k];
                }
            }
            remainders[s] = row;
            independent = independent || std::sqrt(Dot(row, row)) > 1e-5;
        }
        if (independent) {
            chosen.push_back(i);
            for (std::size_t s = 0; s < kSamples.size(); ++s) {
                const double norm = std::sqrt(Dot(remainders[s], remainders[s]));
                for (double& entry : remainders[s]) {
                    entry /= norm > 0.0 ? norm : 1.0;
                }
                bases[s].push_back(remainders[s]);
            }
        }
    }
    return chosen;
}

std::vector<Trapezoid> SolveThree(const std::array<const Equation*, 3>& equations) {
    const auto scaling = std::find_if(equations.begin(), equations.end(),
                                      [](const Equation* e) { return SetsScale(*e); });
    if (scaling == equations.end()) {
        return {};
    }
    const Equation& scale = **scaling;
    std::vector<const Equation*> shape;
    for (const Equation* equation : equations) {
        if (equation != &scale) {
            shape.push_back(equation);
        }
    }
    // The long base a of the trapezoid of shape (x, y) that meets `scale`.
    const auto base = [&](double x, double y) {
        const double ratio = scale.value_double / LeftSide(scale, 1.0, x, y);
        return ratio > 0.0 ? std::pow(ratio, 1.0 / scale.degree) : std::nan("");
    };
    const auto function = [&](const Equation& equation, double x, double y) {
        if (!SetsScale(equation)) {
            return Relative(equation, 1.0, x, y);
        }
        return LeftSide(equation, 1.0, x, y) * std::pow(base(x, y), equation.degree) /
                   equation.value_double -
               1.0;
    };
    const auto roots = FindShapeRoots([&](double x, double y) {
        return std::array<double, 2>{function(*shape[0], x, y), function(*shape[1], x, y)};
    });
    std::vector<Trapezoid> found;
    for (const auto& [x, y] : roots) {
        const double a = base(x, y);
        const Trapezoid t = Polish(equations, {a, a * x, a * y});
        const bool holds = std::all_of(equations.begin(), equations.end(),
                                       [&](const Equation* e) { return Holds(*e, t.a, t.c, t.h); });
        const bool known = std::any_of(found.begin(), found.end(), [&](const Trapezoid& k) {
            return std::abs(k.a - t.a) <= 1e-9 * k.a && std::abs(k.c - t.c) <= 1e-9 * k.a &&
                   std::abs(k.h - t.h) <= 1e-9 * k.a;
        });
        // A rectangle (a = c) or a triangle (c = 0) met within rounding is none.
        const bool proper = t.a - t.c > 1e-10 * t.a && t.c > 1e-10 * t.a && t.h > 0.0;
        if (holds && !known && proper) {
            found.push_back(t);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Trapezoid& x, const Trapezoid& y) { return x.a < y.a; });
    return found;
}

std::vector<std::array<double, 2>> SolveShape(const Equation& first, const Equation& second) {
    std::vector<std::array<double, 2>> shapes;
    for (const auto& shape : FindShapeRoots([&](double x, double y) {
             return std::array<double, 2>{Relative(first, 1.0, x, y), Relative(second, 1.0, x, y)};
         })) {
        if (Holds(first, 1.0, shape[0], shape[1]) && Holds(second, 1.0, shape[0], shape[1])) {
            shapes.push_back(shape);
        }
    }
    return shapes;
}

}  // namespace trapezoid::conditions
