// One-solution kinds with a given perimeter. Each works through the right
// triangle HBC (legs h and m = a - c, hypotenuse b). P is never recomputed.
#include "formulas.hpp"

namespace trapezoid::detail {
namespace {

// P, a, b: d = h - m and q = h*m give m as the larger root of
// m*m + d*m - q = 0.
Quantities KindPAB(const Readings& read) {
    const Checked a = read.a, b = read.b, P = read.P;
    const Checked d = (P - 2 * a) - b;
    const Checked q = (b * b - d * d) / 2;
    const Checked m = (-d + Sqrt(d * d + 4 * q)) / 2;
    const Checked h = SqrtOfNonNegative(b * b - m * m);  // |m| <= b
    const Checked c = a - m;
    const Checked S = ((a + c) * h) / 2;
    return MakeQuantities(a, b, c, h, P, S);
}

// P, a, c: u = b + h, and (b + h)(b - h) = m*m gives b - h.
Quantities KindPAC(const Readings& read) {
    const Checked a = read.a, c = read.c, P = read.P;
    const Checked m = a - c;
    const Checked u = (P - a) - c;
    const Checked b = (u + ((a - c) * (a - c)) / u) / 2;
    const Checked h = SqrtOfNonNegative(b * b - m * m);  // a square in exact arithmetic
    const Checked S = ((a + c) * h) / 2;
    return MakeQuantities(a, b, c, h, P, S);
}

// P, a, h: d = b - m, and (b - m)(b + m) = h*h gives b + m.
Quantities KindPAH(const Readings& read) {
    const Checked a = read.a, h = read.h, P = read.P;
    const Checked d = (P - 2 * a) - h;
    const Checked b = (d + (h * h) / d) / 2;
    const Checked m = SqrtOfNonNegative(b * b - h * h);  // a square in exact arithmetic
    const Checked c = a - m;
    const Checked S = ((a + c) * h) / 2;
    return MakeQuantities(a, b, c, h, P, S);
}

// P, b, h: m follows from b and h directly.
Quantities KindPBH(const Readings& read) {
    const Checked b = read.b, h = read.h, P = read.P;
    const Checked m = Sqrt(b * b - h * h);
    const Checked c = (((P - b) - h) - m) / 2;
    const Checked a = c + m;
    const Checked S = ((a + c) * h) / 2;
    return MakeQuantities(a, b, c, h, P, S);
}

// P, c, h: u = b + m, and (b + m)(b - m) = h*h gives b - m.
Quantities KindPCH(const Readings& read) {
    const Checked c = read.c, h = read.h, P = read.P;
    const Checked u = (P - 2 * c) - h;
    const Checked b = (u + (h * h) / u) / 2;
    const Checked a = ((P - c) - b) - h;
    const Checked S = ((a + c) * h) / 2;
    return MakeQuantities(a, b, c, h, P, S);
}

}  // namespace

Quantities SolveWithPerimeter(int kind, const Readings& read) {
    switch (kind) {
        case 4:
            return KindPAB(read);
        case 5:
            return KindPAC(read);
        case 6:
            return KindPAH(read);
        case 8:
            return KindPBH(read);
        default:
            return KindPCH(read);
    }
}

}  // namespace trapezoid::detail
