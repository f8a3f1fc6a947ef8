// SPDX-License-Identifier: GPL-3.0-or-later
// Linear and quadratic equations, solved in closed form.
#include <algorithm>
#include <cmath>

#include "equation_solve.hpp"
#include "equations.hpp"
#include "writing.hpp"

namespace trapezoid::elements {
namespace {

// "3·m² − 4·m + 1 = 0", the terms with a zero coefficient left out.
std::string PolynomialText(const std::array<double, 3>& q, std::string_view x,
                           const NumberSettings& settings) {
    const std::array<std::string, 3> powers = {std::string(x) + "²", std::string(x), ""};
    std::string text;
    for (std::size_t i = 0; i < 3; ++i) {
        if (q[i] == 0.0) {
            continue;
        }
        const std::string number = NumberText(std::abs(q[i]), settings);
        const std::string term = powers[i].empty() ? number : number + "·" + powers[i];
        if (text.empty()) {
            text = (q[i] < 0.0 ? "−" : "") + term;
        } else {
            text += (q[i] < 0.0 ? " − " : " + ") + term;
        }
    }
    return text + " = 0";
}

// The real roots of q2·x² + q1·x + q0 = 0, ascending; a double root once.
std::vector<double> RealRoots(const std::array<double, 3>& q) {
    const auto [q2, q1, q0] = q;
    if (q2 == 0.0) {
        return q1 == 0.0 ? std::vector<double>{} : std::vector<double>{-q0 / q1};
    }
    const double discriminant = q1 * q1 - 4.0 * q2 * q0;
    const double scale = std::max(q1 * q1, std::abs(4.0 * q2 * q0));
    if (discriminant < -1e-12 * scale) {
        return {};
    }
    if (discriminant <= 1e-12 * scale) {
        return {-q1 / (2.0 * q2)};
    }
    // The root whose two terms add up first, the other by Vieta: no cancellation.
    const double t = -(q1 + std::copysign(std::sqrt(discriminant), q1)) / 2.0;
    std::vector<double> roots = {t / q2, q0 / t};
    std::sort(roots.begin(), roots.end());
    return roots;
}

}  // namespace

std::optional<EquationRoots> SolveExactEquation(ElementSet known, const Values<double>& values,
                                                const NumberSettings& settings) {
    for (const Equation<double>& equation : kEquations<double>) {
        if (!known.Contains(equation.inputs) || known.Has(equation.unknown)) {
            continue;
        }
        const std::array<double, 3> q = equation.coefficients(values);
        const std::string_view x = ElementSymbol(equation.unknown);
        EquationRoots result;
        result.unknown = equation.unknown;
        result.start = known;
        result.start.Add(equation.unknown);
        result.step =
            std::string(q[0] == 0.0 ? "линейно уравнение за " : "квадратно уравнение за ") +
            std::string(x) + ": " + std::string(equation.relation) + " ⇒ " +
            PolynomialText(q, x, settings);
        const std::vector<double> roots = RealRoots(q);
        if (roots.empty()) {
            result.step += "; няма реален корен";
        }
        for (std::size_t i = 0; i < roots.size(); ++i) {
            const std::string index = roots.size() == 1 ? "" : (i == 0 ? "₁" : "₂");
            result.step += (i == 0 ? " ⇒ " : "; ") + std::string(x) + index + " " +
                           ValueEnding(roots[i], settings);
            if (AllowedValue(equation.unknown, roots[i])) {
                result.roots.push_back(roots[i]);
            }
        }
        return result;
    }
    return std::nullopt;
}

}  // namespace trapezoid::elements
