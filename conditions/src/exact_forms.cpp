// SPDX-License-Identifier: GPL-3.0-or-later
// Exact values of a solution: the trapezoid refined to fifty digits, and
// each of a, c and h matched against short forms (p + q√r)/s, each match
// confirmed to thirty-five digits.
#include <cmath>

#include "equations.hpp"

namespace trapezoid::conditions {
namespace {

constexpr int kLargestDivisor = 12;
constexpr int kLargestRootMultiple = 30;
constexpr long long kLargestDenominator = 10000;

bool Close(const Wide& x, const Wide& y) {
    using boost::multiprecision::abs;
    const Wide size = std::max(Wide(1), abs(x));
    return abs(x - y) <= size * Wide("1e-35");
}

bool SquareFree(long long n) {
    for (long long d = 2; d * d <= n; ++d) {
        if (n % (d * d) == 0) {
            return false;
        }
    }
    return n > 1;
}

// p/q by the continued fraction of x, denominators up to kLargestDenominator.
std::optional<exact::Surd> RationalOf(const Wide& x) {
    using boost::multiprecision::floor;
    Wide rest = x;
    exact::Integer p0 = 0, q0 = 1, p1 = 1, q1 = 0;
    for (int term = 0; term < 40; ++term) {
        const Wide whole = floor(rest);
        const exact::Integer digit = static_cast<exact::Integer>(whole);
        const exact::Integer p = digit * p1 + p0, q = digit * q1 + q0;
        if (q > kLargestDenominator) {
            return std::nullopt;
        }
        if (Close(x, Wide(p) / Wide(q))) {
            return exact::Surd(exact::Rational(p, q));
        }
        p0 = p1, q0 = q1, p1 = p, q1 = q;
        if (rest == whole) {
            return std::nullopt;
        }
        rest = 1 / (rest - whole);
    }
    return std::nullopt;
}

}  // namespace

std::array<Wide, 3> Widen(const std::array<const Equation*, 3>& equations, const Trapezoid& t) {
    std::array<Wide, 3> wide = {Wide(t.a), Wide(t.c), Wide(t.h)};
    const Matrix3 jacobian = RelativeJacobian(equations, t);
    for (int iteration = 0; iteration < 8; ++iteration) {
        Vector3 f{};
        for (std::size_t i = 0; i < 3; ++i) {
            const Wide residual = Residual<Wide>(*equations[i], wide[0], wide[1], wide[2]);
            f[i] = static_cast<double>(residual) / Magnitude(*equations[i], t.a, t.c, t.h);
        }
        const auto step = SolveLinear(jacobian, f);
        if (!step || ((*step)[0] == 0.0 && (*step)[1] == 0.0 && (*step)[2] == 0.0)) {
            break;
        }
        for (std::size_t i = 0; i < 3; ++i) {
            wide[i] -= Wide((*step)[i]);
        }
    }
    return wide;
}

std::optional<exact::Surd> Recognise(const Wide& x, const std::vector<long long>& radicands) {
    if (auto rational = RationalOf(x)) {
        return rational;
    }
    std::vector<long long> roots;
    for (long long r = 2; r < 60; ++r) {
        if (SquareFree(r)) {
            roots.push_back(r);
        }
    }
    for (const long long r : radicands) {
        if (r < 100000 && SquareFree(r) &&
            std::find(roots.begin(), roots.end(), r) == roots.end()) {
            roots.push_back(r);
        }
    }
    const double near = static_cast<double>(x);
    for (int s = 1; s <= kLargestDivisor; ++s) {
        for (const long long r : roots) {
            const double root = std::sqrt(static_cast<double>(r));
            for (int q = -kLargestRootMultiple; q <= kLargestRootMultiple; ++q) {
                const double p = std::round(s * near - q * root);
                if (q == 0 || std::abs(s * near - p - q * root) > 1e-7 * std::max(1.0, s * near)) {
                    continue;
                }
                if (!Close(Wide(s) * x, Wide(p) + Wide(q) * sqrt(Wide(r)))) {
                    continue;
                }
                const auto term =
                    exact::Multiply(exact::Surd(q), *exact::SquareRoot(exact::Surd(r)));
                const auto sum = exact::Add(exact::Surd(static_cast<long long>(p)), *term);
                return exact::Divide(*sum, exact::Surd(s));
            }
        }
    }
    return std::nullopt;
}

}  // namespace trapezoid::conditions
