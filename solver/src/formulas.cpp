#include "formulas.hpp"

namespace trapezoid::detail {

KindSolution SolveKind(int kind, const Readings& read) {
    if (kind <= 3) {
        return {SolveFromLengths(kind, read), std::nullopt};
    }
    if (kind == 7) {
        return SolvePerimeterLegShortBase(read);
    }
    if (kind <= 9) {
        return {SolveWithPerimeter(kind, read), std::nullopt};
    }
    return {SolveWithArea(kind, read), std::nullopt};
}

}  // namespace trapezoid::detail
