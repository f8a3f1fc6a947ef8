// Kind "P,b,c". x = h + m and h*h + m*m = b*b make h and m the two roots of
// t*t - x*t + (x*x - b*b) / 2 = 0; either root can be the height, so the
// same givens fit two trapezoids. The first takes the smaller root as m.
#include "formulas.hpp"

namespace trapezoid::detail {

KindSolution SolvePerimeterLegShortBase(const Readings& read) {
    const Checked b = read.b, c = read.c, P = read.P;
    const Checked x = (P - b) - 2 * c;
    const auto root_distance = [&] { return Sqrt(x * x - 2 * (x * x - b * b)); };

    const Checked r = root_distance();
    const Checked m1 = (x - r) / 2;
    const Checked a = c + m1;
    const Checked h = ((P - a) - b) - c;
    const Checked S = ((a + c) * h) / 2;

    const Checked m2 = (x + root_distance()) / 2;
    const Checked a2 = c + m2;
    const Checked h2 = ((P - 2 * c) - b) - m2;
    const Checked S2 = ((2 * c + m2) * h2) / 2;

    return {MakeQuantities(a, b, c, h, P, S), SecondSolution{a2.value(), h2.value(), S2.value()}};
}

}  // namespace trapezoid::detail
