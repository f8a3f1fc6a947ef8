// SPDX-License-Identifier: GPL-3.0-or-later
#include "trapezoid/solver.hpp"

namespace trapezoid {
namespace {

const char* Describe(ArithmeticFault fault) {
    switch (fault) {
        case ArithmeticFault::NegativeSquareRoot:
            return "square root of a negative number";
        case ArithmeticFault::DivisionByZero:
            return "division by zero";
        case ArithmeticFault::Overflow:
            break;
    }
    return "overflow";
}

}  // namespace

ArithmeticError::ArithmeticError(ArithmeticFault fault)
    : std::runtime_error(Describe(fault)), fault_(fault) {}

}  // namespace trapezoid
