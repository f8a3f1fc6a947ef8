// SPDX-License-Identifier: GPL-3.0-or-later
#include "kind_conditions.hpp"

#include <algorithm>
#include <cmath>

namespace {

using trapezoid::Kind;
using namespace trapezoid::QuantityIndex;

// Givens and limits in the report's short form.
class Writer {
  public:
    explicit Writer(const GivenValues& given) : given_(given) {}

    QString operator()(double value) const {
        return QString::fromStdString(trapezoid::FormatReportNumber(value, given_.settings));
    }

    // Two givens with their values: "основа a = 6 и бедро b = 5".
    QString Two(const char* first, double x, const char* second, double y) const {
        return QStringLiteral("%1 = %2 и %3 = %4")
            .arg(QString::fromUtf8(first), (*this)(x), QString::fromUtf8(second), (*this)(y));
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

QString LegShorterThanHeight(const GivenValues& g, const Writer& n) {
    return QStringLiteral(
               "бедрото b = %1 е по-късо от височината h = %2; то трябва да е поне колкото нея "
               "(при b = h фигурата е правоъгълник).")
        .arg(n(g.b), n(g.h));
}

QString PerimeterOutOfReach(const QString& others, const QString& difference, double value,
                            const GivenValues& g, const Writer& n) {
    return QStringLiteral("при %1 периметърът P = %2 не е възможен: |%3| = %4 надвишава b·√2 = %5.")
        .arg(others, n(g.P), difference, n(std::abs(value)), n(g.b * std::sqrt(2.0)));
}

QString PerimeterTooSmall(const QString& others, const QString& limit, double value,
                          const GivenValues& g, const Writer& n) {
    return QStringLiteral("Периметърът P = %1 е твърде малък за %2: трябва P %3 = %4.")
        .arg(n(g.P), others, limit, n(value));
}

QString AreaTooSmall(const QString& others, const QString& limit, double value,
                     const GivenValues& g, const Writer& n) {
    return QStringLiteral("Лицето S = %1 е твърде малко за %2: трябва S > %3 = %4.")
        .arg(n(g.S), others, limit, n(value));
}

}  // namespace

QString RootCondition(Kind kind, const GivenValues& g) {
    const Writer n(g);
    switch (kind) {
        case Kind::ABC:
            return QStringLiteral("бедрото b = %1 е по-късо от разликата на основите |a − c| = %2.")
                .arg(n(g.b), n(std::abs(g.a - g.c)));
        case Kind::ABH:
        case Kind::BCH:
        case Kind::PBH:
        case Kind::SBH:
            return LegShorterThanHeight(g, n);
        case Kind::PAB:
            return PerimeterOutOfReach(n.Two("основа a", g.a, "бедро b", g.b),
                                       QStringLiteral("P − 2·a − b"), (g.P - 2 * g.a) - g.b, g, n);
        case Kind::PBC:
            return PerimeterOutOfReach(n.Two("бедро b", g.b, "основа c", g.c),
                                       QStringLiteral("P − b − 2·c"), (g.P - g.b) - 2 * g.c, g, n);
        case Kind::SPH:
            return QStringLiteral(
                       "бедрото b = P − h − 2·S / h = %1, което остава от периметъра P = %2 при "
                       "лице S = %3, е по-късо от височината h = %4: трябва P ≥ 2·h + 2·S / h = "
                       "%5.")
                .arg(n((g.P - g.h) - 2 * g.S / g.h), n(g.P), n(g.S), n(g.h),
                     n(2 * g.h + 2 * g.S / g.h));
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

QString DivisorCondition(Kind kind, const GivenValues& g) {
    const Writer n(g);
    const QString equal =
        QStringLiteral("периметърът P = %1 е равен на %2 = %3, а трябва да е по-голям от %4 = %5.");
    switch (kind) {
        case Kind::PAC:
            return equal.arg(n(g.P), QStringLiteral("сбора на основите a + c"), n(g.a + g.c),
                             QStringLiteral("2·max(a, c)"), n(2 * std::max(g.a, g.c)));
        case Kind::PAH:
            return equal.arg(n(g.P), QStringLiteral("2·a + h"), n(2 * g.a + g.h),
                             QStringLiteral("a + h + √(a² + h²)"),
                             n(g.a + g.h + Hypotenuse(g.a, g.h)));
        case Kind::PCH:
            return equal.arg(n(g.P), QStringLiteral("2·c + h"), n(2 * g.c + g.h),
                             QStringLiteral("c + h + √(c² + h²)"),
                             n(g.c + g.h + Hypotenuse(g.c, g.h)));
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

QString NotPositiveReason(Kind kind, int quantity, bool sign_dropped, const GivenValues& g) {
    const Writer n(g);
    switch (kind) {
        case Kind::ABC:
            if (quantity == H) {
                return QStringLiteral(
                           "Бедрото b = %1 трябва да е по-дълго от разликата на основите "
                           "|a − c| = %2.")
                    .arg(n(g.b), n(std::abs(g.a - g.c)));
            }
            break;
        case Kind::ABH:
            if (quantity == C) {
                return QStringLiteral(
                           "Бедрото b = %1 е твърде дълго за %2: трябва b < √(a² + h²) = %3.")
                    .arg(n(g.b), n.Two("основа a", g.a, "височина h", g.h),
                         n(Hypotenuse(g.a, g.h)));
            }
            break;
        case Kind::PAB:
            if (quantity == C) {
                return PerimeterTooSmall(n.Two("основа a", g.a, "бедро b", g.b),
                                         QStringLiteral("> a + b + √(b² − a²)"),
                                         g.a + g.b + LegFrom(g.b, g.a), g, n);
            }
            if (quantity == H) {
                return PerimeterTooSmall(QStringLiteral("основа a = %1").arg(n(g.a)),
                                         QStringLiteral("> 2·a"), 2 * g.a, g, n);
            }
            break;
        case Kind::PAC:
            if (quantity == B || quantity == H) {
                return PerimeterTooSmall(n.Two("основи a", g.a, "c", g.c),
                                         QStringLiteral("> 2·max(a, c)"), 2 * std::max(g.a, g.c), g,
                                         n);
            }
            break;
        case Kind::PAH:
            if (quantity == C && sign_dropped) {
                return QStringLiteral(
                           "Периметърът P = %1 е твърде голям за %2: трябва P ≤ 2·(a + h) = %3.")
                    .arg(n(g.P), n.Two("основа a", g.a, "височина h", g.h), n(2 * (g.a + g.h)));
            }
            if (quantity == B || quantity == C) {
                return PerimeterTooSmall(n.Two("основа a", g.a, "височина h", g.h),
                                         QStringLiteral("> a + h + √(a² + h²)"),
                                         g.a + g.h + Hypotenuse(g.a, g.h), g, n);
            }
            break;
        case Kind::PBC:
            if (quantity == A) {
                return PerimeterTooSmall(n.Two("бедро b", g.b, "основа c", g.c),
                                         QStringLiteral("> b + c + √(b² − c²)"),
                                         g.b + g.c + LegFrom(g.b, g.c), g, n);
            }
            if (quantity == H) {
                return PerimeterTooSmall(QStringLiteral("основа c = %1").arg(n(g.c)),
                                         QStringLiteral("> 2·c"), 2 * g.c, g, n);
            }
            break;
        case Kind::PBH:
            if (quantity == A || quantity == C) {
                return PerimeterTooSmall(n.Two("бедро b", g.b, "височина h", g.h),
                                         QStringLiteral("> b + h + √(b² − h²)"),
                                         g.b + g.h + LegFrom(g.b, g.h), g, n);
            }
            break;
        case Kind::PCH:
            if (quantity == A || quantity == B) {
                return PerimeterTooSmall(n.Two("основа c", g.c, "височина h", g.h),
                                         QStringLiteral("> c + h + √(c² + h²)"),
                                         g.c + g.h + Hypotenuse(g.c, g.h), g, n);
            }
            break;
        case Kind::SAH:
            if (quantity == C) {
                return AreaTooSmall(n.Two("основа a", g.a, "височина h", g.h),
                                    QStringLiteral("a·h / 2"), g.a * g.h / 2, g, n);
            }
            break;
        case Kind::SBH:
            if (quantity == C) {
                return AreaTooSmall(n.Two("бедро b", g.b, "височина h", g.h),
                                    QStringLiteral("h·√(b² − h²) / 2"), g.h * LegFrom(g.b, g.h) / 2,
                                    g, n);
            }
            break;
        case Kind::SCH:
            if (quantity == A) {
                return AreaTooSmall(n.Two("основа c", g.c, "височина h", g.h),
                                    QStringLiteral("c·h / 2"), g.c * g.h / 2, g, n);
            }
            break;
        case Kind::SPH: {
            const QString others = n.Two("лице S", g.S, "височина h", g.h);
            const double t = 2 * g.S / g.h;
            if (quantity == B) {
                return PerimeterTooSmall(others, QStringLiteral("≥ 2·h + 2·S / h"), 2 * g.h + t, g,
                                         n);
            }
            if (quantity == C) {
                return QStringLiteral(
                           "Периметърът P = %1 е твърде голям за %2: трябва P < h + 2·S / h + "
                           "√((2·S / h)² + h²) = %3.")
                    .arg(n(g.P), others, n(g.h + t + Hypotenuse(t, g.h)));
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
