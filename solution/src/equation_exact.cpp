// SPDX-License-Identifier: GPL-3.0-or-later
// Linear and quadratic equations, solved in closed form; exactly where the
// coefficients are exact and the roots need at most one square root.
#include <algorithm>
#include <cmath>

#include "equation_solve.hpp"
#include "equations.hpp"
#include "writing.hpp"

namespace trapezoid::elements {
namespace {

// A coefficient as a factor: "3", "(1 + √3)", "2√3".
std::string CoefficientText(const Dual& magnitude, const detail::ValueWriter& writer) {
    const std::optional<detail::ExactForm> form = writer.Exact(magnitude);
    if (!form) {
        return writer.Decimal(magnitude.value());
    }
    return form->shape == exact::Shape::RootSum ? "(" + form->text + ")" : form->text;
}

// "3·m² − 4·m + 1 = 0", the terms with a zero coefficient left out.
std::string PolynomialText(const std::array<Dual, 3>& q, std::string_view x,
                           const detail::ValueWriter& writer) {
    const std::array<std::string, 3> powers = {std::string(x) + "²", std::string(x), ""};
    std::string text;
    for (std::size_t i = 0; i < 3; ++i) {
        if (q[i].value() == 0.0) {
            continue;
        }
        const bool negative = q[i].value() < 0.0;
        const std::string number = CoefficientText(negative ? -q[i] : q[i], writer);
        const std::string term = powers[i].empty() ? number
                                 : number == "1"   ? powers[i]
                                                   : number + "·" + powers[i];
        if (text.empty()) {
            text = (negative ? "−" : "") + term;
        } else {
            text += (negative ? " − " : " + ") + term;
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

// The exact roots by the formulas of the school, when they have a form.
std::vector<exact::Surd> ExactRoots(const std::array<Dual, 3>& q) {
    const auto [q2, q1, q0] = q;
    if (!q2.exact() || !q1.exact() || !q0.exact()) {
        return {};
    }
    if (q2.value() == 0.0) {
        const Dual root = -q0 / q1;
        return root.exact() ? std::vector<exact::Surd>{*root.exact()} : std::vector<exact::Surd>{};
    }
    const Dual discriminant = q1 * q1 - 4.0 * q2 * q0;
    const Dual root_of_discriminant = Sqrt(discriminant);
    std::vector<exact::Surd> roots;
    for (const Dual& root :
         {(-q1 - root_of_discriminant) / (2.0 * q2), (-q1 + root_of_discriminant) / (2.0 * q2)}) {
        if (root.exact()) {
            roots.push_back(*root.exact());
        }
    }
    return roots;
}

// The root with the exact form that agrees with it, if there is one.
Dual RootWithForm(double root, const std::vector<exact::Surd>& forms) {
    for (const exact::Surd& form : forms) {
        const double value = form.ToDouble();
        if (std::abs(value - root) <= 1e-9 * std::max(1.0, std::abs(root))) {
            return Dual(root, form);
        }
    }
    return Dual(root, std::nullopt);
}

}  // namespace

std::optional<EquationRoots> SolveExactEquation(ElementSet known, const Values<Dual>& values,
                                                const detail::ValueWriter& writer) {
    for (const Equation<Dual>& equation : kEquations<Dual>) {
        if (!known.Contains(equation.inputs) || known.Has(equation.unknown)) {
            continue;
        }
        const std::array<Dual, 3> q = equation.coefficients(values);
        const std::string_view x = ElementSymbol(equation.unknown);
        EquationRoots result;
        result.unknown = equation.unknown;
        result.start = known;
        result.start.Add(equation.unknown);
        result.too_large = !std::isfinite(q[0].value()) || !std::isfinite(q[1].value()) ||
                           !std::isfinite(q[2].value());
        if (result.too_large) {
            return result;
        }
        result.step =
            std::string(q[0].value() == 0.0 ? "линейно уравнение за " : "квадратно уравнение за ") +
            std::string(x) + ": " + std::string(equation.relation) + " ⇒ " +
            PolynomialText(q, x, writer);
        const std::vector<double> roots = RealRoots({q[0].value(), q[1].value(), q[2].value()});
        const std::vector<exact::Surd> forms = ExactRoots(q);
        if (roots.empty()) {
            result.step += "; няма реален корен";
        }
        for (std::size_t i = 0; i < roots.size(); ++i) {
            const std::string index = roots.size() == 1 ? "" : (i == 0 ? "₁" : "₂");
            const Dual root = RootWithForm(roots[i], forms);
            result.step += (i == 0 ? " ⇒ " : "; ") + std::string(x) + index + " " +
                           ValueEnding(equation.unknown, root, writer);
            if (AllowedValue(equation.unknown, roots[i])) {
                result.roots.push_back(root);
            }
        }
        return result;
    }
    return std::nullopt;
}

}  // namespace trapezoid::elements
