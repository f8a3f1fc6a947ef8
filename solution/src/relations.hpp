// SPDX-License-Identifier: GPL-3.0-or-later
// The relations of the figure, each solved for one element from others: the
// table a derivation goes through, in the order it tries them. The formulas
// are written once, over the value type.
#pragma once

#include <string_view>

#include "element_values.hpp"
#include "exact_element_values.hpp"

namespace trapezoid::elements {

template <class V>
struct Relation {
    Element target;
    ElementSet inputs;
    // Only for "Още" and for what two givens determine; a derivation towards
    // a kind never needs them.
    bool describes_only;
    std::string_view reason;   // "от правоъгълния триъгълник HBC"
    std::string_view letters;  // "b·sin ∠B"
    std::string_view numbers;  // "{b}·sin {∠}": the letters with the values put in
    // Why a value that is not allowed means no trapezoid, with the values put
    // in; empty when it cannot happen.
    std::string_view impossible;
    V (*formula)(const Values<V>&);
};

namespace formulas {
using E = Element;
// clang-format off
template <class V> V A(const Values<V>& v) { return Of(v, E::A); }
template <class V> V B(const Values<V>& v) { return Of(v, E::B); }
template <class V> V C(const Values<V>& v) { return Of(v, E::C); }
template <class V> V H(const Values<V>& v) { return Of(v, E::H); }
template <class V> V P(const Values<V>& v) { return Of(v, E::P); }
template <class V> V S(const Values<V>& v) { return Of(v, E::S); }
template <class V> V M(const Values<V>& v) { return Of(v, E::M); }
template <class V> V AC(const Values<V>& v) { return Of(v, E::AC); }
template <class V> V BD(const Values<V>& v) { return Of(v, E::BD); }
template <class V> V MN(const Values<V>& v) { return Of(v, E::MN); }
template <class V> V Beta(const Values<V>& v) { return Of(v, E::Angle); }
// clang-format on
}  // namespace formulas

inline constexpr std::string_view kFromBases = "от AH = DC";
inline constexpr std::string_view kFromMidline = "от MN = (a + c)/2";
inline constexpr std::string_view kFromHbc = "от правоъгълния триъгълник HBC";
inline constexpr std::string_view kFromAcd = "от правоъгълния триъгълник ACD";
inline constexpr std::string_view kFromAbd = "от правоъгълния триъгълник ABD";
inline constexpr std::string_view kFromArea = "от S = (a + c)·h/2";
inline constexpr std::string_view kFromAreaMidline = "от S = MN·h";
inline constexpr std::string_view kFromPerimeter = "от P = a + b + c + h";

template <class V>
inline const auto kRelations = [] {
    using E = Element;
    using namespace formulas;
    using R = Relation<V>;
    // clang-format off
    return std::array{
        R{E::M, {E::A, E::C}, false, kFromBases, "a − c", "{a} − {c}", "",
          [](const Values<V>& v) { return A(v) - C(v); }},
        R{E::C, {E::A, E::M}, false, kFromBases, "a − m", "{a} − {m}",
          "m = HB = {m} не е по-късо от основата a = {a}",
          [](const Values<V>& v) { return A(v) - M(v); }},
        R{E::A, {E::C, E::M}, false, kFromBases, "c + m", "{c} + {m}", "",
          [](const Values<V>& v) { return C(v) + M(v); }},
        R{E::A, {E::MN, E::C}, false, kFromMidline, "2·MN − c", "2·{MN} − {c}",
          "основата c = {c} не е по-къса от a + c = 2·MN = 2·{MN}",
          [](const Values<V>& v) { return 2.0 * MN(v) - C(v); }},
        R{E::C, {E::MN, E::A}, false, kFromMidline, "2·MN − a", "2·{MN} − {a}",
          "основата a = {a} не е по-къса от a + c = 2·MN = 2·{MN}",
          [](const Values<V>& v) { return 2.0 * MN(v) - A(v); }},
        R{E::H, {E::AC, E::C}, false, kFromAcd, "√(AC² − c²)", "√({AC}² − {c}²)",
          "диагоналът AC = {AC} не е по-дълъг от основата c = {c}",
          [](const Values<V>& v) { return Sqrt(AC(v) * AC(v) - C(v) * C(v)); }},
        R{E::C, {E::AC, E::H}, false, kFromAcd, "√(AC² − h²)", "√({AC}² − {h}²)",
          "диагоналът AC = {AC} не е по-дълъг от височината h = {h}",
          [](const Values<V>& v) { return Sqrt(AC(v) * AC(v) - H(v) * H(v)); }},
        R{E::H, {E::BD, E::A}, false, kFromAbd, "√(BD² − a²)", "√({BD}² − {a}²)",
          "диагоналът BD = {BD} не е по-дълъг от основата a = {a}",
          [](const Values<V>& v) { return Sqrt(BD(v) * BD(v) - A(v) * A(v)); }},
        R{E::A, {E::BD, E::H}, false, kFromAbd, "√(BD² − h²)", "√({BD}² − {h}²)",
          "диагоналът BD = {BD} не е по-дълъг от височината h = {h}",
          [](const Values<V>& v) { return Sqrt(BD(v) * BD(v) - H(v) * H(v)); }},
        R{E::H, {E::B, E::M}, false, kFromHbc, "√(b² − m²)", "√({b}² − {m}²)",
          "бедрото b = {b} не е по-дълго от m = HB = {m}",
          [](const Values<V>& v) { return Sqrt(B(v) * B(v) - M(v) * M(v)); }},
        R{E::M, {E::B, E::H}, false, kFromHbc, "√(b² − h²)", "√({b}² − {h}²)",
          "височината h = {h} е по-дълга от бедрото b = {b}",
          [](const Values<V>& v) { return Sqrt(B(v) * B(v) - H(v) * H(v)); }},
        R{E::B, {E::H, E::M}, false, kFromHbc, "√(h² + m²)", "√({h}² + {m}²)", "",
          [](const Values<V>& v) { return Sqrt(H(v) * H(v) + M(v) * M(v)); }},
        R{E::H, {E::M, E::Angle}, false, kFromHbc, "m·tg ∠B", "{m}·tg {∠}",
          "при остър ъгъл ∠B = {∠} основата a трябва да е по-дълга от c, а m = a − c = {m}",
          [](const Values<V>& v) { return M(v) * TanDegrees(Beta(v)); }},
        R{E::H, {E::B, E::Angle}, false, kFromHbc, "b·sin ∠B", "{b}·sin {∠}", "",
          [](const Values<V>& v) { return B(v) * SinDegrees(Beta(v)); }},
        R{E::M, {E::H, E::Angle}, false, kFromHbc, "h / tg ∠B", "{h} / tg {∠}", "",
          [](const Values<V>& v) { return H(v) / TanDegrees(Beta(v)); }},
        R{E::M, {E::B, E::Angle}, false, kFromHbc, "b·cos ∠B", "{b}·cos {∠}", "",
          [](const Values<V>& v) { return B(v) * CosDegrees(Beta(v)); }},
        R{E::B, {E::H, E::Angle}, false, kFromHbc, "h / sin ∠B", "{h} / sin {∠}", "",
          [](const Values<V>& v) { return H(v) / SinDegrees(Beta(v)); }},
        R{E::B, {E::M, E::Angle}, false, kFromHbc, "m / cos ∠B", "{m} / cos {∠}",
          "при остър ъгъл ∠B = {∠} основата a трябва да е по-дълга от c, а m = a − c = {m}",
          [](const Values<V>& v) { return M(v) / CosDegrees(Beta(v)); }},
        R{E::H, {E::S, E::MN}, false, kFromAreaMidline, "S / MN", "{S} / {MN}", "",
          [](const Values<V>& v) { return S(v) / MN(v); }},
        R{E::S, {E::MN, E::H}, false, kFromAreaMidline, "MN·h", "{MN}·{h}", "",
          [](const Values<V>& v) { return MN(v) * H(v); }},
        R{E::H, {E::S, E::A, E::C}, false, kFromArea, "2·S / (a + c)", "2·{S} / ({a} + {c})",
          "a + c = {a} + {c} не е положително",
          [](const Values<V>& v) { return 2.0 * S(v) / (A(v) + C(v)); }},
        R{E::A, {E::S, E::C, E::H}, false, kFromArea, "2·S / h − c", "2·{S} / {h} − {c}",
          "лицето S = {S} не е по-голямо от c·h/2 = {c}·{h}/2",
          [](const Values<V>& v) { return 2.0 * S(v) / H(v) - C(v); }},
        R{E::C, {E::S, E::A, E::H}, false, kFromArea, "2·S / h − a", "2·{S} / {h} − {a}",
          "лицето S = {S} не е по-голямо от a·h/2 = {a}·{h}/2",
          [](const Values<V>& v) { return 2.0 * S(v) / H(v) - A(v); }},
        R{E::S, {E::A, E::C, E::H}, false, kFromArea, "(a + c)·h / 2", "({a} + {c})·{h} / 2", "",
          [](const Values<V>& v) { return (A(v) + C(v)) * H(v) / 2.0; }},
        R{E::P, {E::A, E::B, E::C, E::H}, false, kFromPerimeter, "a + b + c + h",
          "{a} + {b} + {c} + {h}", "",
          [](const Values<V>& v) { return A(v) + B(v) + C(v) + H(v); }},
        R{E::A, {E::P, E::B, E::C, E::H}, false, kFromPerimeter, "P − b − c − h",
          "{P} − {b} − {c} − {h}", "периметърът P = {P} не е по-голям от b + c + h = {b} + {c} + {h}",
          [](const Values<V>& v) { return P(v) - B(v) - C(v) - H(v); }},
        R{E::B, {E::P, E::A, E::C, E::H}, false, kFromPerimeter, "P − a − c − h",
          "{P} − {a} − {c} − {h}", "периметърът P = {P} не е по-голям от a + c + h = {a} + {c} + {h}",
          [](const Values<V>& v) { return P(v) - A(v) - C(v) - H(v); }},
        R{E::C, {E::P, E::A, E::B, E::H}, false, kFromPerimeter, "P − a − b − h",
          "{P} − {a} − {b} − {h}", "периметърът P = {P} не е по-голям от a + b + h = {a} + {b} + {h}",
          [](const Values<V>& v) { return P(v) - A(v) - B(v) - H(v); }},
        R{E::H, {E::P, E::A, E::B, E::C}, false, kFromPerimeter, "P − a − b − c",
          "{P} − {a} − {b} − {c}", "периметърът P = {P} не е по-голям от a + b + c = {a} + {b} + {c}",
          [](const Values<V>& v) { return P(v) - A(v) - B(v) - C(v); }},
        R{E::MN, {E::A, E::C}, true, "средната основа", "(a + c)/2", "({a} + {c})/2", "",
          [](const Values<V>& v) { return (A(v) + C(v)) / 2.0; }},
        R{E::MN, {E::A, E::M}, true, kFromMidline, "a − m/2", "{a} − {m}/2", "",
          [](const Values<V>& v) { return A(v) - M(v) / 2.0; }},
        R{E::MN, {E::C, E::M}, true, kFromMidline, "c + m/2", "{c} + {m}/2", "",
          [](const Values<V>& v) { return C(v) + M(v) / 2.0; }},
        R{E::MN, {E::S, E::H}, true, kFromAreaMidline, "S / h", "{S} / {h}", "",
          [](const Values<V>& v) { return S(v) / H(v); }},
        R{E::AC, {E::C, E::H}, true, kFromAcd, "√(c² + h²)", "√({c}² + {h}²)", "",
          [](const Values<V>& v) { return Sqrt(C(v) * C(v) + H(v) * H(v)); }},
        R{E::BD, {E::A, E::H}, true, kFromAbd, "√(a² + h²)", "√({a}² + {h}²)", "",
          [](const Values<V>& v) { return Sqrt(A(v) * A(v) + H(v) * H(v)); }},
        R{E::Angle, {E::H, E::M}, true, kFromHbc, "tg ∠B = h/m", "{h}/{m}", "",
          [](const Values<V>& v) { return AngleOfLegs(H(v), M(v)); }},
        R{E::Angle, {E::H, E::B}, true, kFromHbc, "sin ∠B = h/b", "{h}/{b}", "",
          [](const Values<V>& v) { return ArcsinDegrees(H(v) / B(v)); }},
        R{E::Angle, {E::M, E::B}, true, kFromHbc, "cos ∠B = m/b", "{m}/{b}", "",
          [](const Values<V>& v) { return ArccosDegrees(M(v) / B(v)); }},
    };
    // clang-format on
}();

// Whether a value of `element` can belong to a trapezoid: lengths, P and S
// above 0; m (= a − c) any number; ∠ABC between 0° and 180°.
inline bool AllowedValue(Element element, double value) {
    if (element == Element::M) {
        return std::isfinite(value);
    }
    if (element == Element::Angle) {
        return value > 0.0 && value < 180.0;
    }
    return value > 0.0 && std::isfinite(value);
}

}  // namespace trapezoid::elements
