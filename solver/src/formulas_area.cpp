// Kinds with a given area: a + c = 2*S / h and h = 2*S / (a + c). S is never
// recomputed.
#include "formulas.hpp"

namespace trapezoid::detail {
namespace {

// The closing steps shared by "S,a,c", "S,a,h" and "S,c,h": b from the
// right triangle HBC, then the perimeter.
Quantities CompleteFromLeg(Checked a, Checked c, Checked h, Checked m, Checked S) {
    const Checked b = Sqrt(m * m + h * h);
    const Checked P = ((a + c) + b) + h;
    return MakeQuantities(a, b, c, h, P, S);
}

Quantities KindSAC(const Readings& read) {
    const Checked a = read.a, c = read.c, S = read.S;
    const Checked m = a - c;
    const Checked h = (2 * S) / (a + c);
    return CompleteFromLeg(a, c, h, m, S);
}

Quantities KindSAH(const Readings& read) {
    const Checked a = read.a, h = read.h, S = read.S;
    const Checked c = (2 * S) / h - a;
    return CompleteFromLeg(a, c, h, a - c, S);
}

Quantities KindSBH(const Readings& read) {
    const Checked b = read.b, h = read.h, S = read.S;
    const Checked m = Sqrt(b * b - h * h);
    const Checked c = ((2 * S) / h - m) / 2;
    const Checked a = c + m;
    const Checked P = ((a + c) + b) + h;
    return MakeQuantities(a, b, c, h, P, S);
}

Quantities KindSCH(const Readings& read) {
    const Checked c = read.c, h = read.h, S = read.S;
    const Checked a = (2 * S) / h - c;
    return CompleteFromLeg(a, c, h, a - c, S);
}

// S, P, h: t = a + c, then b from the perimeter and m from b and h.
Quantities KindSPH(const Readings& read) {
    const Checked h = read.h, P = read.P, S = read.S;
    const Checked t = (2 * S) / h;
    const Checked b = (P - h) - t;
    const Checked m = Sqrt(b * b - h * h);
    const Checked c = (t - m) / 2;
    const Checked a = t - c;
    return MakeQuantities(a, b, c, h, P, S);
}

}  // namespace

Quantities SolveWithArea(int kind, const Readings& read) {
    switch (kind) {
        case 10:
            return KindSAC(read);
        case 11:
            return KindSAH(read);
        case 12:
            return KindSBH(read);
        case 13:
            return KindSCH(read);
        default:
            return KindSPH(read);
    }
}

}  // namespace trapezoid::detail
