// SPDX-License-Identifier: GPL-3.0-or-later
// The exact forms a derivation's values get: an angle's functions, an angle
// found from its functions, and a given.
#include <gtest/gtest.h>

#include "exact_element_values.hpp"

namespace trapezoid::elements {
namespace {

Dual Exact(double value, exact::Surd form) {
    return Dual(value, std::move(form));
}

std::string Form(const Dual& value) {
    return value.exact() ? exact::Write(*value.exact(), ",") : "none";
}

TEST(ExactElementValues, SpecialAnglesAndTheirFunctionsAreExactAndNoOthers) {
    const exact::Surd half = *exact::Divide(exact::Surd(1), exact::Surd(2));
    const exact::Surd root2_half =
        *exact::Divide(*exact::SquareRoot(exact::Surd(2)), exact::Surd(2));
    const exact::Surd root3 = *exact::SquareRoot(exact::Surd(3));
    const struct {
        const char* what;
        Dual value;
        const char* form;
    } rows[] = {
        {"cos 60°", CosDegrees(Exact(60, 60)), "0,5"},
        {"cos 90°", CosDegrees(Exact(90, 90)), "0"},
        {"sin 45°", SinDegrees(Exact(45, 45)), "√2/2"},
        {"tg 60°", TanDegrees(Exact(60, 60)), "√3"},
        {"tg 33°", TanDegrees(Exact(33, 33)), "none"},
        {"sin of an inexact 30°", SinDegrees(Dual(30, std::nullopt)), "none"},
        {"cos ∠B = −1/2", ArccosDegrees(Exact(-0.5, exact::Negate(half))), "120"},
        {"cos ∠B = √2/2", ArccosDegrees(Exact(std::sqrt(2.0) / 2, root2_half)), "45"},
        {"sin ∠B = 1/2", ArcsinDegrees(Exact(0.5, half)), "30"},
        {"tg ∠B = 1/(−1)", AngleOfLegs(Exact(1, 1), Exact(-1, -1)), "135"},
        {"tg ∠B = √3", AngleOfLegs(Exact(std::sqrt(3.0), root3), Exact(1, 1)), "60"},
        {"m = 0", AngleOfLegs(Exact(2, 2), Exact(0, 0)), "90"},
        {"tg ∠B = 2", AngleOfLegs(Exact(2, 2), Exact(1, 1)), "none"},
        {"given 4.5", GivenValue(4.5), "4,5"},
        {"given with more than seven decimals", GivenValue(7.211102550927978), "none"},
        {"constant 0.25", Constant(0.25), "0,25"},
        {"constant 0.1, by its shortest digits", Constant(0.1), "0,1"},
        {"constant 1e20", Constant(1e20), "100000000000000000000"},
        {"given 0.1", GivenValue(0.1), "0,1"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Form(row.value), row.form) << row.what;
    }
}

}  // namespace
}  // namespace trapezoid::elements
