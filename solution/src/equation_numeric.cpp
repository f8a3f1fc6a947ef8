// SPDX-License-Identifier: GPL-3.0-or-later
// Equations of higher degree, solved numerically in the height.
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "equation_solve.hpp"
#include "kind_run.hpp"
#include "writing.hpp"

namespace trapezoid::elements {
namespace {

// The grid: evenly over the interval, closer and closer towards 0 for flat
// trapezoids, and h = L·sin θ with θ even for each length L that h must not
// pass (b, AC, BD), where a leg √(L² − h²) changes fastest.
constexpr int kEvenPoints = 200;
constexpr int kPointsTowardsZero = 150;
constexpr int kPointsTowardsEdge = 150;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// f(h): the third given as the trapezoid of h and the other two gives it,
// less its given value.
struct Residual {
    Plan plan;
    Element third;
    Values<double> values;

    double operator()(double h) const {
        Values<double> trial = values;
        Of(trial, Element::H) = h;
        if (ApplyPlan(plan, trial)) {
            return kNoValue;
        }
        const double found = ElementOfQuantities(third, RunKindQuietly(*plan.kind, trial));
        const double difference = found - Of(values, third);
        return std::isfinite(difference) ? difference : kNoValue;
    }
};

// The largest height the known elements allow.
double HeightBound(ElementSet known, const Values<double>& values) {
    double bound = std::numeric_limits<double>::infinity();
    for (const Element longer : {Element::B, Element::AC, Element::BD}) {
        if (known.Has(longer)) {
            bound = std::min(bound, Of(values, longer));
        }
    }
    if (known.Has(Element::P)) {
        bound = std::min(bound, Of(values, Element::P) / 2.0);
    }
    for (const Element base : {Element::A, Element::C}) {
        if (known.Has(Element::S) && known.Has(base)) {
            bound = std::min(bound, 2.0 * Of(values, Element::S) / Of(values, base));
        }
    }
    return bound;
}

double Bisect(const Residual& f, double low, double high, double f_low) {
    for (int i = 0; i < 200 && low < high; ++i) {
        const double middle = low + (high - low) / 2.0;
        if (middle <= low || middle >= high) {
            break;
        }
        const double f_middle = f(middle);
        if (std::isnan(f_middle)) {
            break;
        }
        if ((f_middle < 0.0) == (f_low < 0.0)) {
            low = middle;
            f_low = f_middle;
        } else {
            high = middle;
        }
    }
    return std::abs(f_low) <= std::abs(f(high)) ? low : high;
}

// Where f comes closest to 0 between low and high, from the side of `sign`
// (by golden section): past 0 when two roots lie close together there.
double Closest(const Residual& f, double low, double high, double sign) {
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    for (int i = 0; i < 100 && high - low > 1e-15 * high; ++i) {
        const double left = high - ratio * (high - low);
        const double right = low + ratio * (high - low);
        const double f_left = sign * f(left);
        const double f_right = sign * f(right);
        if (std::isnan(f_left) || std::isnan(f_right)) {
            break;
        }
        (f_left < f_right ? high : low) = f_left < f_right ? right : left;
    }
    return low + (high - low) / 2.0;
}

struct Sample {
    double h;
    double f;
};

// Where f stops having a value between a sample with a value and one
// without: the last point with a value, so that a root close to the edge of
// the allowed region (c or m tending to 0) still shows a change of sign.
Sample EdgeOfValues(const Residual& f, Sample with, Sample without) {
    for (int i = 0; i < 80; ++i) {
        const double middle = with.h + (without.h - with.h) / 2.0;
        if (middle == with.h || middle == without.h) {
            break;
        }
        const double f_middle = f(middle);
        (std::isnan(f_middle) ? without : with) = Sample{middle, f_middle};
    }
    return with;
}

std::vector<double> GridPoints(double bound, ElementSet known, const Values<double>& values) {
    std::vector<double> points;
    for (int i = 1; i <= kEvenPoints; ++i) {
        points.push_back(bound * i / kEvenPoints);
    }
    for (int i = 0; i < kPointsTowardsZero; ++i) {
        points.push_back(bound * std::pow(10.0, -6.0 + 6.0 * i / kPointsTowardsZero));
    }
    for (const Element edge : {Element::B, Element::AC, Element::BD}) {
        const double length = Of(values, edge);
        if (known.Has(edge) && length <= bound) {
            for (int i = 1; i <= kPointsTowardsEdge; ++i) {
                points.push_back(length *
                                 std::sin(std::numbers::pi / 2.0 * i / kPointsTowardsEdge));
            }
        }
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

std::vector<Sample> Samples(const Residual& f, const std::vector<double>& points) {
    std::vector<Sample> samples;
    for (const double h : points) {
        const Sample sample{h, f(h)};
        if (!samples.empty() && std::isnan(samples.back().f) != std::isnan(sample.f)) {
            const bool back_has_value = !std::isnan(samples.back().f);
            const Sample edge = back_has_value ? EdgeOfValues(f, samples.back(), sample)
                                               : EdgeOfValues(f, sample, samples.back());
            samples.push_back(edge);
        }
        samples.push_back(sample);
    }
    return samples;
}

bool SameSign(double x, double y) {
    return (x < 0.0) == (y < 0.0);
}

std::vector<double> Roots(const Residual& f, const std::vector<double>& points) {
    const double tolerance = 1e-9 * std::abs(Of(f.values, f.third));
    const std::vector<Sample> s = Samples(f, points);
    std::vector<double> roots;
    const auto keep = [&](double root) {
        if (std::abs(f(root)) <= tolerance) {
            roots.push_back(root);
        }
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool next = i + 1 < s.size() && !std::isnan(s[i + 1].f);
        const bool previous = i > 0 && !std::isnan(s[i - 1].f);
        if (s[i].f == 0.0) {
            roots.push_back(s[i].h);
        } else if (std::isnan(s[i].f)) {
            continue;
        } else if (next && s[i + 1].f != 0.0 && !SameSign(s[i].f, s[i + 1].f)) {
            keep(Bisect(f, s[i].h, s[i + 1].h, s[i].f));
        } else if (next && previous && std::abs(s[i].f) < std::abs(s[i - 1].f) &&
                   std::abs(s[i].f) < std::abs(s[i + 1].f) && SameSign(s[i - 1].f, s[i].f) &&
                   SameSign(s[i + 1].f, s[i].f)) {
            // Two roots close together, or one where f only touches 0.
            const double sign = s[i].f < 0.0 ? -1.0 : 1.0;
            const double closest = Closest(f, s[i - 1].h, s[i + 1].h, sign);
            const double f_closest = f(closest);
            if (!std::isnan(f_closest) && f_closest != 0.0 && !SameSign(f_closest, s[i].f)) {
                keep(Bisect(f, s[i - 1].h, closest, s[i - 1].f));
                keep(Bisect(f, closest, s[i + 1].h, f_closest));
            } else {
                keep(closest);
            }
        }
    }
    std::sort(roots.begin(), roots.end());
    const auto same = [](double x, double y) { return std::abs(x - y) <= 1e-9 * std::abs(y); };
    roots.erase(std::unique(roots.begin(), roots.end(), same), roots.end());
    return roots;
}

// How steeply a kind's formulas can change near a trapezoid, so that the
// equation is set up through the gentlest: the kinds without P divide only
// by h and a + c; P,a,h divides by b − m, which is tiny for a flat trapezoid;
// P,b,c has two trapezoids.
int Steepness(int kind) {
    constexpr std::array<int, kKindCount> kSteepness = {0, 0, 0, 0, 3, 2, 4, 5,
                                                        2, 2, 1, 1, 1, 1, 1};
    return kSteepness[static_cast<std::size_t>(kind)];
}

std::string Joined(const std::vector<std::string>& parts, std::string_view last) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : (i + 1 == parts.size() ? std::string(last) : ", ")) + parts[i];
    }
    return text;
}

}  // namespace

double ElementOfQuantities(Element element, const std::array<double, kQuantityCount>& six) {
    // The relations that the answer's "Още" goes through, planned once.
    static const Plan kFromQuantities = [] {
        ElementSet quantities;
        for (int q = 0; q < kQuantityCount; ++q) {
            quantities.Add(ElementAt(q));
        }
        return PlanEverything(quantities);
    }();
    Values<double> values{};
    for (int q = 0; q < kQuantityCount; ++q) {
        Of(values, ElementAt(q)) = six[static_cast<std::size_t>(q)];
    }
    for (const int relation : kFromQuantities.relations) {
        ApplyRelation(relation, values);  // a value not allowed is still the value
    }
    return Of(values, element);
}

std::optional<EquationRoots> SolveNumerically(ElementSet known, const Values<double>& values,
                                              const NumberSettings& settings) {
    std::optional<Element> third;
    Plan plan;
    for (int e = 0; e < kElementCount; ++e) {
        const Element candidate = ElementAt(e);
        if (!known.Has(candidate) || candidate == Element::H) {
            continue;
        }
        ElementSet start = known;
        start.Remove(candidate);
        start.Add(Element::H);
        const Plan trial = PlanTowardsKind(start);
        if (trial.kind && (!third || Steepness(*trial.kind) < Steepness(*plan.kind))) {
            third = candidate;
            plan = trial;
        }
    }
    const double bound = HeightBound(known, values);
    if (!third || !std::isfinite(bound)) {
        return std::nullopt;
    }
    ElementSet start = known;
    start.Remove(*third);
    start.Add(Element::H);
    EquationRoots result;
    result.unknown = Element::H;
    result.start = start;
    result.numeric = true;
    for (const double root :
         Roots(Residual{plan, *third, values}, GridPoints(bound, known, values))) {
        result.roots.push_back(Dual(root, std::nullopt));
    }

    std::vector<std::string> others;
    for (int o = 0; o < kElementCount; ++o) {
        if (start.Has(ElementAt(o)) && ElementAt(o) != Element::H) {
            others.push_back(std::string(ElementSymbol(ElementAt(o))));
        }
    }
    result.step =
        "уравнение за h: от " + Joined(others, " и ") +
        " и h трапецът се намира, както е показано по-долу, и трябва " +
        std::string(ElementSymbol(*third)) + " " +
        ValueEnding(*third, GivenValue(Of(values, *third)), detail::ValueWriter(settings, 7)) +
        "; 0 < h ≤ " + NumberText(bound, settings) +
        ". Уравнението не е линейно или квадратно и е решено числено";
    std::vector<std::string> found;
    for (const Dual& root : result.roots) {
        found.push_back("h ≈ " + NumberText(root.value(), settings));
    }
    result.step += found.empty() ? "; няма корен." : ": " + Joined(found, " и ") + ".";
    return result;
}

}  // namespace trapezoid::elements
