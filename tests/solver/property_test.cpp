// SPDX-License-Identifier: GPL-3.0-or-later
// Random proper right trapezoids solved from every kind: each kind recovers
// the other three quantities, and at large sizes every written digit matches
// the formulas evaluated step by step in their stated order.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "solve_support.hpp"

namespace trapezoid::test {
namespace {

using Status = SolveOutcome::Status;
using Values = std::array<double, kQuantityCount>;

// a, b, c, h, P, S of the trapezoid with short base c, projection m and height h.
Values Trapezoid(double c, double m, double h) {
    const double a = c + m;
    const double b = std::sqrt(h * h + m * m);
    return {a, b, c, h, ((a + c) + b) + h, ((a + c) * h) / 2};
}

// Trapezoids with c, m and h drawn between `low` and 100 times `low`; legs of
// nearly equal length are skipped, since kind P,b,c cannot tell h from m there.
std::vector<Values> RandomTrapezoids(std::size_t count, double low) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> side(low, 100 * low);
    std::vector<Values> trapezoids;
    while (trapezoids.size() < count) {
        const double c = side(random);
        const double m = side(random);
        const double h = side(random);
        if (std::fabs(h - m) >= 0.01 * low) {
            trapezoids.push_back(Trapezoid(c, m, h));
        }
    }
    return trapezoids;
}

std::array<std::string, 3> GivenTexts(Kind kind, const Values& v) {
    std::array<std::string, 3> texts;
    for (int i = 0; i < 3; ++i) {
        texts[i] = ShortestText(v[GivensOf(kind)[i]]);
    }
    return texts;
}

Values ReadBack(const Texts& texts) {
    Values values;
    for (int i = 0; i < kQuantityCount; ++i) {
        values[i] = ParseQuantityText(texts[i], PlainSettings());
    }
    return values;
}

bool Close(double got, double want) {
    return std::fabs(got - want) <= 1e-9 * std::fabs(want) + 1e-7;
}

bool AllClose(const Values& got, const Values& want) {
    for (int i = 0; i < kQuantityCount; ++i) {
        if (!Close(got[i], want[i])) {
            return false;
        }
    }
    return true;
}

bool HoldsNoInfinityOrNan(std::string text) {
    for (char& ch : text) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos;
}

// The numbers of the report lines 2 to 7.
std::array<double, 6> ReportNumbers(const std::string& report) {
    std::array<double, 6> numbers{};
    std::size_t at = report.find("\r\n");
    for (double& number : numbers) {
        const std::size_t value = report.find("= ", at) + 2;
        at = report.find("\r\n", value);
        number = ParseQuantityText(report.substr(value, at - value), PlainSettings());
    }
    return numbers;
}

TEST(Property, EveryKindRecoversTheOtherThreeQuantitiesOfARandomTrapezoid) {
    for (const Values& want : RandomTrapezoids(2000, 1)) {
        // Kind P,b,c's other solution: the legs h and m exchanged.
        const double m = want[0] - want[2];
        const Values swapped = Trapezoid(want[2], want[3], m);
        for (const Kind kind : AllKinds()) {
            const auto givens = GivenTexts(kind, want);
            SCOPED_TRACE(Describe(kind, givens));
            const SolveOutcome outcome = SolveKind(kind, givens);
            ASSERT_EQ(outcome.status, Status::Solved);
            for (const std::string& text : outcome.texts) {
                EXPECT_TRUE(HoldsNoInfinityOrNan(text)) << text;
            }
            const Values got = ReadBack(outcome.texts);
            if (kind != Kind::PBC) {
                EXPECT_TRUE(AllClose(got, want));
                continue;
            }
            ASSERT_TRUE(outcome.report.has_value());
            EXPECT_TRUE(HoldsNoInfinityOrNan(*outcome.report));
            EXPECT_TRUE(AllClose(got, want) || AllClose(got, swapped));
            const auto n = ReportNumbers(*outcome.report);
            const Values first = {n[0], want[1], want[2], n[1], want[4], n[2]};
            const Values second = {n[3], want[1], want[2], n[4], want[4], n[5]};
            EXPECT_TRUE((AllClose(first, want) && AllClose(second, swapped)) ||
                        (AllClose(first, swapped) && AllClose(second, want)));
        }
    }
}

// The formulas of every kind, one double operation at a time in their order.
struct Reference {
    Values values;
    std::array<double, 3> second{};  // kind P,b,c: a, h, S of the second solution
};

Reference Solved(Kind kind, const Values& given) {
    double a = given[0], b = given[1], c = given[2], h = given[3], P = given[4], S = given[5];
    double m = 0;
    Reference out;
    switch (kind) {
        case Kind::ABC:
            m = a - c;
            h = std::sqrt(b * b - m * m);
            break;
        case Kind::ABH:
            m = std::sqrt(b * b - h * h);
            c = a - m;
            break;
        case Kind::ACH:
            m = a - c;
            b = std::sqrt(m * m + h * h);
            break;
        case Kind::BCH:
            m = std::sqrt(b * b - h * h);
            a = c + m;
            break;
        case Kind::PAB: {
            const double d = (P - 2 * a) - b;
            const double q = (b * b - d * d) / 2;
            m = (-d + std::sqrt(d * d + 4 * q)) / 2;
            h = std::sqrt(b * b - m * m);
            c = a - m;
            break;
        }
        case Kind::PAC: {
            m = a - c;
            const double u = (P - a) - c;
            b = (u + ((a - c) * (a - c)) / u) / 2;
            h = std::sqrt(b * b - m * m);
            break;
        }
        case Kind::PAH: {
            const double d = (P - 2 * a) - h;
            b = (d + (h * h) / d) / 2;
            m = std::sqrt(b * b - h * h);
            c = a - m;
            break;
        }
        case Kind::PBC: {
            const double x = (P - b) - 2 * c;
            const double r = std::sqrt(x * x - 2 * (x * x - b * b));
            m = (x - r) / 2;
            a = c + m;
            h = ((P - a) - b) - c;
            m = (x + r) / 2;
            const double h2 = ((P - 2 * c) - b) - m;
            out.second = {c + m, h2, ((2 * c + m) * h2) / 2};
            break;
        }
        case Kind::PBH:
            m = std::sqrt(b * b - h * h);
            c = (((P - b) - h) - m) / 2;
            a = c + m;
            break;
        case Kind::PCH: {
            const double u = (P - 2 * c) - h;
            b = (u + (h * h) / u) / 2;
            a = ((P - c) - b) - h;
            break;
        }
        case Kind::SAC:
            m = a - c;
            h = (2 * S) / (a + c);
            b = std::sqrt(m * m + h * h);
            break;
        case Kind::SAH:
            c = (2 * S) / h - a;
            m = a - c;
            b = std::sqrt(m * m + h * h);
            break;
        case Kind::SBH:
            m = std::sqrt(b * b - h * h);
            c = ((2 * S) / h - m) / 2;
            a = c + m;
            break;
        case Kind::SCH:
            a = (2 * S) / h - c;
            m = a - c;
            b = std::sqrt(m * m + h * h);
            break;
        case Kind::SPH: {
            const double t = (2 * S) / h;
            b = (P - h) - t;
            m = std::sqrt(b * b - h * h);
            c = (t - m) / 2;
            a = t - c;
            break;
        }
    }
    const auto& givens = GivensOf(kind);
    if (std::find(givens.begin(), givens.end(), QuantityIndex::P) == givens.end()) {
        P = kind == Kind::BCH ? ((a + c) + h) + b : ((a + c) + b) + h;
    }
    if (std::find(givens.begin(), givens.end(), QuantityIndex::S) == givens.end()) {
        S = ((a + c) * h) / 2;
    }
    out.values = {a, b, c, h, P, S};
    return out;
}

// From 2^31 on, one unit in the last place exceeds 1e-7, so the seven-decimal
// texts tell every double apart: any step taken in another order shows.
TEST(Property, EveryKindWritesTheDigitsOfItsFormulasInTheirOrder) {
    for (const Values& trapezoid : RandomTrapezoids(500, 0x1p31)) {
        for (const Kind kind : AllKinds()) {
            const auto givens = GivenTexts(kind, trapezoid);
            SCOPED_TRACE(Describe(kind, givens));
            const SolveOutcome outcome = SolveKind(kind, givens);
            ASSERT_EQ(outcome.status, Status::Solved);
            const Reference want = Solved(kind, trapezoid);
            for (int i = 0; i < kQuantityCount; ++i) {
                EXPECT_EQ(outcome.texts[i], ExpectedQuantityText(want.values[i], PlainSettings()))
                    << "quantity " << kQuantitySymbols[i];
            }
            if (kind == Kind::PBC) {
                const auto n = ReportNumbers(outcome.report.value());
                const std::array<double, 6> report = {want.values[0], want.values[3],
                                                      want.values[5], want.second[0],
                                                      want.second[1], want.second[2]};
                for (int i = 0; i < 6; ++i) {
                    EXPECT_EQ(n[i], ReadPlain(FormatReportNumber(report[i], PlainSettings())));
                }
            }
        }
    }
}

}  // namespace
}  // namespace trapezoid::test
