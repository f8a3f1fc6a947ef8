// SPDX-License-Identifier: GPL-3.0-or-later
// Equations of higher degree, solved numerically in the height.
#include <algorithm>
#include <cmath>
#include <limits>

#include "equation_solve.hpp"
#include "kind_run.hpp"
#include "writing.hpp"

namespace trapezoid::elements {
namespace {

constexpr int kGridPoints = 400;
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

// The smallest |f| between low and high, by golden section.
double SmallestMagnitude(const Residual& f, double low, double high) {
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    for (int i = 0; i < 100 && high - low > 1e-15 * high; ++i) {
        const double left = high - ratio * (high - low);
        const double right = low + ratio * (high - low);
        const double f_left = std::abs(f(left));
        const double f_right = std::abs(f(right));
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

std::vector<Sample> Samples(const Residual& f, double bound) {
    std::vector<Sample> samples;
    for (int i = 1; i <= kGridPoints; ++i) {
        const double h = bound * i / kGridPoints;
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

std::vector<double> Roots(const Residual& f, double bound) {
    const double tolerance = 1e-9 * std::abs(Of(f.values, f.third));
    const std::vector<Sample> s = Samples(f, bound);
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
            keep(SmallestMagnitude(f, s[i - 1].h, s[i + 1].h));
        }
    }
    std::sort(roots.begin(), roots.end());
    const auto same = [](double x, double y) { return std::abs(x - y) <= 1e-9 * std::abs(y); };
    roots.erase(std::unique(roots.begin(), roots.end(), same), roots.end());
    return roots;
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
    const auto [a, b, c, h, P, S] = six;
    switch (element) {
        case Element::M:
            return a - c;
        case Element::AC:
            return std::sqrt(c * c + h * h);
        case Element::BD:
            return std::sqrt(a * a + h * h);
        case Element::MN:
            return (a + c) / 2.0;
        case Element::Angle:
            return AngleOfLegs(h, a - c);
        default:
            return six[static_cast<std::size_t>(ElementIndex(element))];
    }
}

std::optional<EquationRoots> SolveNumerically(ElementSet known, const Values<double>& values,
                                              const NumberSettings& settings) {
    for (int e = 0; e < kElementCount; ++e) {
        const Element third = ElementAt(e);
        if (!known.Has(third) || third == Element::H) {
            continue;
        }
        ElementSet start = known;
        start.Remove(third);
        start.Add(Element::H);
        const Plan plan = PlanTowardsKind(start);
        if (!plan.kind) {
            continue;
        }
        const double bound = HeightBound(known, values);
        if (!std::isfinite(bound)) {
            continue;
        }
        EquationRoots result;
        result.unknown = Element::H;
        result.start = start;
        result.numeric = true;
        result.roots = Roots(Residual{plan, third, values}, bound);

        std::vector<std::string> others;
        for (int o = 0; o < kElementCount; ++o) {
            if (start.Has(ElementAt(o)) && ElementAt(o) != Element::H) {
                others.push_back(std::string(ElementSymbol(ElementAt(o))));
            }
        }
        result.step = "уравнение за h: от " + Joined(others, " и ") +
                      " и h трапецът се намира, както е показано по-долу, и трябва " +
                      ElementWithValue(third, Of(values, third), settings) + "; 0 < h ≤ " +
                      NumberText(bound, settings) +
                      ". Уравнението не е линейно или квадратно и е решено числено";
        std::vector<std::string> found;
        for (const double root : result.roots) {
            found.push_back("h ≈ " + NumberText(root, settings));
        }
        result.step += found.empty() ? "; няма корен." : ": " + Joined(found, " и ") + ".";
        return result;
    }
    return std::nullopt;
}

}  // namespace trapezoid::elements
