// Kinds whose givens are three of the lengths a, b, c, h. Each finds m = HB
// from m = a - c or b*b = h*h + m*m, then the missing length, P and S.
#include "formulas.hpp"

namespace trapezoid::detail {
namespace {

Quantities KindABC(const Readings& read) {
    const Checked a = read.a, b = read.b, c = read.c;
    const Checked m = a - c;
    const Checked h = Sqrt(b * b - m * m);
    const Checked P = ((a + c) + b) + h;
    const Checked S = ((a + c) * h) / 2;
    return MakeQuantities(a, b, c, h, P, S);
}

Quantities KindABH(const Readings& read) {
    const Checked a = read.a, b = read.b, h = read.h;
    const Checked m = Sqrt(b * b - h * h);
    const Checked c = a - m;
    const Checked P = ((a + c) + b) + h;
    const Checked S = ((a + c) * h) / 2;
    return MakeQuantities(a, b, c, h, P, S);
}

Quantities KindACH(const Readings& read) {
    const Checked a = read.a, c = read.c, h = read.h;
    const Checked m = a - c;
    const Checked b = Sqrt(m * m + h * h);
    const Checked P = ((a + c) + b) + h;
    const Checked S = ((a + c) * h) / 2;
    return MakeQuantities(a, b, c, h, P, S);
}

Quantities KindBCH(const Readings& read) {
    const Checked b = read.b, c = read.c, h = read.h;
    const Checked m = Sqrt(b * b - h * h);
    const Checked a = c + m;
    const Checked P = ((a + c) + h) + b;  // h before b in this kind
    const Checked S = ((a + c) * h) / 2;
    return MakeQuantities(a, b, c, h, P, S);
}

}  // namespace

Quantities SolveFromLengths(int kind, const Readings& read) {
    switch (kind) {
        case 0:
            return KindABC(read);
        case 1:
            return KindABH(read);
        case 2:
            return KindACH(read);
        default:
            return KindBCH(read);
    }
}

}  // namespace trapezoid::detail
