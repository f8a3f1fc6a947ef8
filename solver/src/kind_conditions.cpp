// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>

#include "trapezoid/conditions.hpp"

namespace trapezoid {
namespace {

using namespace QuantityIndex;

// Givens and limits in the report's short form.
class Writer {
  public:
    explicit Writer(const GivenValues& given) : given_(given) {}

    std::string operator()(double value) const {
        return FormatReportNumber(value, given_.settings);
    }

    // " = 12,5" after a formula; nothing when the value is beyond a double.
    std::string Equals(double value) const {
        return std::isfinite(value) ? " = " + (*this)(value) : "";
    }

    // Two givens with their values: "основа a = 6 и бедро b = 5".
    std::string Two(const char* first, double x, const char* second, double y) const {
        return std::string(first) + " = " + (*this)(x) + " и " + second + " = " + (*this)(y);
    }

  private:
    const GivenValues& given_;
};

// √(x² − y²), or 0 where rounding makes the radicand negative.
double LegFrom(double x, double y) {
    return std::sqrt(std::max(0.0, x * x - y * y));
}

double Hypotenuse(double x, double y) {
    return std::sqrt(x * x + y * y);
}

std::string LegShorterThanHeight(const GivenValues& g, const Writer& n) {
    return "бедрото b = " + n(g.b) + " е по-късо от височината h = " + n(g.h) +
           "; то трябва да е поне колкото нея (при b = h фигурата е правоъгълник).";
}

std::string PerimeterOutOfReach(const std::string& others, const char* difference, double value,
                                const GivenValues& g, const Writer& n) {
    return "при " + others + " периметърът P = " + n(g.P) + " не е възможен: |" + difference +
           "| = " + n(std::abs(value)) + " надвишава b·√2 = " + n(g.b * std::sqrt(2.0)) + ".";
}

std::string PerimeterTooSmall(const std::string& others, const char* limit, double value,
                              const GivenValues& g, const Writer& n) {
    return "Периметърът P = " + n(g.P) + " е твърде малък за " + others + ": трябва P " + limit +
           n.Equals(value) + ".";
}

std::string PerimeterTooLarge(const std::string& others, const char* limit, double value,
                              const GivenValues& g, const Writer& n) {
    return "Периметърът P = " + n(g.P) + " е твърде голям за " + others + ": трябва P " + limit +
           n.Equals(value) + ".";
}

std::string AreaTooSmall(const std::string& others, const char* limit, double value,
                         const GivenValues& g, const Writer& n) {
    return "Лицето S = " + n(g.S) + " е твърде малко за " + others + ": трябва S > " + limit +
           n.Equals(value) + ".";
}

// The perimeter equals the sum that a divisor subtracts from it.
std::string PerimeterEqualTo(const char* sum, double sum_value, const char* limit,
                             double limit_value, const GivenValues& g, const Writer& n) {
    return "периметърът P = " + n(g.P) + " е равен на " + sum + n.Equals(sum_value) +
           ", а трябва да е по-голям от " + limit + n.Equals(limit_value) + ".";
}

}  // namespace

std::string RootCondition(Kind kind, const GivenValues& g) {
    const Writer n(g);
    switch (kind) {
        case Kind::ABC:
            return "бедрото b = " + n(g.b) +
                   " е по-късо от разликата на основите |a − c| = " + n(std::abs(g.a - g.c)) + ".";
        case Kind::ABH:
        case Kind::BCH:
        case Kind::PBH:
        case Kind::SBH:
            return LegShorterThanHeight(g, n);
        case Kind::PAB:
            return PerimeterOutOfReach(n.Two("основа a", g.a, "бедро b", g.b), "P − 2·a − b",
                                       (g.P - 2 * g.a) - g.b, g, n);
        case Kind::PBC:
            return PerimeterOutOfReach(n.Two("бедро b", g.b, "основа c", g.c), "P − b − 2·c",
                                       (g.P - g.b) - 2 * g.c, g, n);
        case Kind::SPH:
            return "бедрото b = P − h − 2·S / h = " + n((g.P - g.h) - 2 * g.S / g.h) +
                   ", което остава от периметъра P = " + n(g.P) + " при лице S = " + n(g.S) +
                   ", е по-късо от височината h = " + n(g.h) +
                   ": трябва P ≥ 2·h + 2·S / h = " + n(2 * g.h + 2 * g.S / g.h) + ".";
        case Kind::ACH:
        case Kind::PAC:
        case Kind::PAH:
        case Kind::PCH:
        case Kind::SAC:
        case Kind::SAH:
        case Kind::SCH:
            break;  // roots of sums of squares, or of squares in exact arithmetic
    }
    return {};
}

std::string DivisorCondition(Kind kind, const GivenValues& g) {
    const Writer n(g);
    switch (kind) {
        case Kind::PAC:
            return PerimeterEqualTo("сбора на основите a + c", g.a + g.c, "2·max(a, c)",
                                    2 * std::max(g.a, g.c), g, n);
        case Kind::PAH:
            return PerimeterEqualTo("2·a + h", 2 * g.a + g.h, "a + h + √(a² + h²)",
                                    g.a + g.h + Hypotenuse(g.a, g.h), g, n);
        case Kind::PCH:
            return PerimeterEqualTo("2·c + h", 2 * g.c + g.h, "c + h + √(c² + h²)",
                                    g.c + g.h + Hypotenuse(g.c, g.h), g, n);
        case Kind::ABC:
        case Kind::ABH:
        case Kind::ACH:
        case Kind::BCH:
        case Kind::PAB:
        case Kind::PBC:
        case Kind::PBH:
        case Kind::SAC:
        case Kind::SAH:
        case Kind::SBH:
        case Kind::SCH:
        case Kind::SPH:
            break;  // divisors are 2, h or a + c, all above 0
    }
    return {};
}

std::string NotPositiveReason(Kind kind, int quantity, bool sign_dropped, const GivenValues& g) {
    const Writer n(g);
    switch (kind) {
        case Kind::ABC:
            if (quantity == H) {
                return "Бедрото b = " + n(g.b) +
                       " трябва да е по-дълго от разликата на основите |a − c| = " +
                       n(std::abs(g.a - g.c)) + ".";
            }
            break;
        case Kind::ABH:
            if (quantity == C) {
                return "Бедрото b = " + n(g.b) + " е твърде дълго за " +
                       n.Two("основа a", g.a, "височина h", g.h) +
                       ": трябва b < √(a² + h²) = " + n(Hypotenuse(g.a, g.h)) + ".";
            }
            break;
        case Kind::PAB:
            if (quantity == C) {
                return PerimeterTooSmall(n.Two("основа a", g.a, "бедро b", g.b),
                                         "> a + b + √(b² − a²)", g.a + g.b + LegFrom(g.b, g.a), g,
                                         n);
            }
            if (quantity == H) {
                return PerimeterTooSmall("основа a = " + n(g.a), "> 2·a", 2 * g.a, g, n);
            }
            break;
        case Kind::PAC:
            if (quantity == B || quantity == H) {
                return PerimeterTooSmall(n.Two("основи a", g.a, "c", g.c), "> 2·max(a, c)",
                                         2 * std::max(g.a, g.c), g, n);
            }
            break;
        case Kind::PAH:
            if (quantity == C && sign_dropped) {
                return PerimeterTooLarge(n.Two("основа a", g.a, "височина h", g.h), "≤ 2·(a + h)",
                                         2 * (g.a + g.h), g, n);
            }
            if (quantity == B || quantity == C) {
                return PerimeterTooSmall(n.Two("основа a", g.a, "височина h", g.h),
                                         "> a + h + √(a² + h²)", g.a + g.h + Hypotenuse(g.a, g.h),
                                         g, n);
            }
            break;
        case Kind::PBC:
            if (quantity == A) {
                return PerimeterTooSmall(n.Two("бедро b", g.b, "основа c", g.c),
                                         "> b + c + √(b² − c²)", g.b + g.c + LegFrom(g.b, g.c), g,
                                         n);
            }
            if (quantity == H) {
                return PerimeterTooSmall("основа c = " + n(g.c), "> 2·c", 2 * g.c, g, n);
            }
            break;
        case Kind::PBH:
            if (quantity == A || quantity == C) {
                return PerimeterTooSmall(n.Two("бедро b", g.b, "височина h", g.h),
                                         "> b + h + √(b² − h²)", g.b + g.h + LegFrom(g.b, g.h), g,
                                         n);
            }
            break;
        case Kind::PCH:
            if (quantity == A || quantity == B) {
                return PerimeterTooSmall(n.Two("основа c", g.c, "височина h", g.h),
                                         "> c + h + √(c² + h²)", g.c + g.h + Hypotenuse(g.c, g.h),
                                         g, n);
            }
            break;
        case Kind::SAH:
            if (quantity == C) {
                return AreaTooSmall(n.Two("основа a", g.a, "височина h", g.h), "a·h / 2",
                                    g.a * g.h / 2, g, n);
            }
            break;
        case Kind::SBH:
            if (quantity == C) {
                return AreaTooSmall(n.Two("бедро b", g.b, "височина h", g.h), "h·√(b² − h²) / 2",
                                    g.h * LegFrom(g.b, g.h) / 2, g, n);
            }
            break;
        case Kind::SCH:
            if (quantity == A) {
                return AreaTooSmall(n.Two("основа c", g.c, "височина h", g.h), "c·h / 2",
                                    g.c * g.h / 2, g, n);
            }
            break;
        case Kind::SPH: {
            const std::string others = n.Two("лице S", g.S, "височина h", g.h);
            const double t = 2 * g.S / g.h;
            if (quantity == B) {
                return PerimeterTooSmall(others, "≥ 2·h + 2·S / h", 2 * g.h + t, g, n);
            }
            if (quantity == C) {
                return PerimeterTooLarge(others, "< h + 2·S / h + √((2·S / h)² + h²)",
                                         g.h + t + Hypotenuse(t, g.h), g, n);
            }
            break;
        }
        case Kind::ACH:
        case Kind::BCH:
        case Kind::SAC:
            break;  // only numbers too small for a double make a result 0
    }
    return {};
}

}  // namespace trapezoid
