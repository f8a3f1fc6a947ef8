// SPDX-License-Identifier: GPL-3.0-or-later
// Random trapezoids, each described by three random conditions with their
// values: every solve finds the trapezoid again among its answers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "trapezoid/conditions/solve.hpp"

namespace trapezoid::conditions {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

struct Figure {
    double a, c, h;
    std::array<double, 2> At(char p) const {
        switch (p) {
            case 'A':
                return {0, 0};
            case 'B':
                return {a, 0};
            case 'C':
                return {c, h};
            case 'D':
                return {0, h};
            case 'H':
                return {c, 0};
            default:
                return {a * c / (a + c), a * h / (a + c)};
        }
    }
    double Length(std::string_view s) const {
        const auto p = At(s[0]), q = At(s[1]);
        return std::hypot(p[0] - q[0], p[1] - q[1]);
    }
    double Angle(std::string_view s) const {
        const auto p = At(s[0]), v = At(s[1]), q = At(s[2]);
        const double ux = p[0] - v[0], uy = p[1] - v[1], wx = q[0] - v[0], wy = q[1] - v[1];
        return std::atan2(std::abs(ux * wy - uy * wx), ux * wx + uy * wy) / kDegree;
    }
};

std::string Number(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15f", value);
    return buffer;
}

// One random condition that the figure meets, as typed; with `length` one
// that gives a length (a segment, a sum, P or S).
std::string RandomCondition(const Figure& f, std::mt19937& random, bool length) {
    static const std::vector<std::string> kSegments = {"AB", "BC", "CD", "AD", "HB", "AC", "BD",
                                                       "AO", "OC", "BO", "OD", "DH", "OH"};
    static const std::vector<std::string> kAngles = {"ABC", "BCD", "CAB", "ACB", "ABD",
                                                     "DBC", "AOB", "ACD", "BDC", "HCB"};
    static const std::vector<std::pair<std::string, std::string>> kLetters = {
        {"a", "AB"}, {"b", "BC"}, {"c", "CD"}, {"h", "AD"}, {"m", "HB"}};
    const auto pick = [&](const auto& list) {
        return list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(random)];
    };
    static const std::vector<int> kLengthKinds = {0, 4, 6, 7};
    const int kind = length ? pick(kLengthKinds) : std::uniform_int_distribution<int>(0, 7)(random);
    switch (kind) {
        case 0: {
            const std::string s = pick(kSegments);
            return s + "=" + Number(f.Length(s));
        }
        case 1: {
            const std::string s = pick(kAngles);
            return "∠" + s + "=" + Number(f.Angle(s));
        }
        case 2:
            return "tgB=" + Number(std::tan(f.Angle("ABC") * kDegree));
        case 3: {
            const std::string x = pick(kSegments);
            std::string y = pick(kSegments);
            while (y == x) {
                y = pick(kSegments);
            }
            return x + ":" + y + "=" + Number(f.Length(x) / f.Length(y)) + ":1";
        }
        case 4: {
            const auto x = pick(kLetters), y = pick(kLetters);
            return x.first + "+" + y.first + "=" + Number(f.Length(x.second) + f.Length(y.second));
        }
        case 5: {
            const auto x = pick(kLetters);
            auto y = pick(kLetters);
            while (y == x) {
                y = pick(kLetters);
            }
            return x.first + "=" + Number(f.Length(x.second) / f.Length(y.second)) + y.first;
        }
        case 6:
            return "P=" + Number(f.a + f.c + f.h + f.Length("BC"));
        default:
            return "S=" + Number((f.a + f.c) * f.h / 2.0);
    }
}

// One of the textbook's conditions, the trapezoid reshaped to meet it.
std::string SpecialCondition(Figure& f, int which) {
    switch (which) {
        case 0:
            f.h = std::sqrt(f.c * (f.a - f.c));
            return "AC⊥BC";
        case 1:
            f.h = std::sqrt(f.a * f.c);
            return "AC⊥BD";
        case 2:
            f.c = f.a / 2.0;
            return "AC=BC";
        case 3:
            f.c = 0.7 * f.a;  // b = c needs c > m
            f.h = std::sqrt(f.c * f.c - (f.a - f.c) * (f.a - f.c));
            return "∠ABD=∠DBC";
        default:
            f.h = 2.0 * f.a * f.c / (f.a + f.c);
            return "a+c=b+h";
    }
}

TEST(ConditionsProperty, EveryTrapezoidIsFoundAgainFromRandomConditions) {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> exponent(-1.5, 2.0);
    int solved = 0, dependent = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const double c = std::exp(exponent(random));
        Figure figure{c + std::exp(exponent(random)), c, std::exp(exponent(random))};
        std::vector<Given> givens;
        std::string typed;
        // Every third trapezoid meets one of the textbook's conditions.
        const bool special = trial % 3 == 0;
        if (special) {
            typed = SpecialCondition(figure, trial / 3 % 5) + " ";
            givens.push_back(*ReadGiven(typed).given);
        }
        while (givens.size() < 3) {
            const bool length = givens.size() == (special ? 1U : 0U);
            const std::string text = RandomCondition(figure, random, length);
            if (typed.find(text) != std::string::npos) {
                continue;
            }
            const GivenReading reading = ReadGiven(text);
            ASSERT_TRUE(reading.given) << text << ": " << reading.message;
            givens.push_back(*reading.given);
            typed += text + " ";
        }
        const GivenSolution solution = SolveGivens(givens, NumberSettings{});
        if (solution.status == GivenSolution::Status::Dependent ||
            solution.status == GivenSolution::Status::Contradicting) {
            ++dependent;  // two conditions say the same: nothing to find
            continue;
        }
        EXPECT_EQ(solution.status, GivenSolution::Status::Fixed) << typed << solution.message;
        bool found = false;
        for (const FoundTrapezoid& t : solution.trapezoids) {
            const auto near = [](double x, double y) { return std::abs(x - y) <= 1e-6 * y; };
            found = found || (near(t.a.value, figure.a) && near(t.c.value, figure.c) &&
                              near(t.h.value, figure.h));
        }
        EXPECT_TRUE(found) << typed;
        ++solved;
    }
    // Random conditions sometimes say the same twice (tgB and h = k·m).
    EXPECT_GT(solved, 340);
    EXPECT_LT(dependent, 60);
}

}  // namespace
}  // namespace trapezoid::conditions
