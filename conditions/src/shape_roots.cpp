// SPDX-License-Identifier: GPL-3.0-or-later
// Every root of two equations in the shape of the trapezoid: a grid over the
// plane of shapes, cells where both functions change sign cut finer, and
// Newton's method from each.
#include <algorithm>
#include <cmath>

#include "equations.hpp"

namespace trapezoid::conditions {
namespace {

using Pair = std::array<double, 2>;
using Functions = std::function<Pair(double, double)>;

// The plane (v, u) covers every shape: x = c/a = 1/(1 + e^−v), y = h/a = e^u,
// from c/a = 6·10⁻⁶ to 1 − 6·10⁻⁶ and h/a from 8·10⁻⁷ to 10⁶.
constexpr double kReachV = 12.0;
constexpr double kReachU = 14.0;
constexpr double kCellSize = 0.5;
constexpr int kCuts = 3;
constexpr double kSmallResidual = 1e-12;
constexpr double kNearResidual = 1e-7;

Pair ShapeAt(double v, double u) {
    return {1.0 / (1.0 + std::exp(-v)), std::exp(u)};
}

Pair Evaluate(const Functions& functions, double v, double u) {
    const Pair shape = ShapeAt(v, u);
    return functions(shape[0], shape[1]);
}

double Size(const Pair& f) {
    return std::max(std::abs(f[0]), std::abs(f[1]));
}

// Newton's method on the (v, u) plane, the step halved until it helps.
std::optional<Pair> Newton(const Functions& functions, Pair point) {
    Pair f = Evaluate(functions, point[0], point[1]);
    for (int iteration = 0; iteration < 40 && std::isfinite(Size(f)); ++iteration) {
        if (Size(f) < kSmallResidual) {
            return point;
        }
        constexpr double kStep = 1e-7;
        const Pair dv = Evaluate(functions, point[0] + kStep, point[1]);
        const Pair du = Evaluate(functions, point[0], point[1] + kStep);
        const double j00 = (dv[0] - f[0]) / kStep, j01 = (du[0] - f[0]) / kStep;
        const double j10 = (dv[1] - f[1]) / kStep, j11 = (du[1] - f[1]) / kStep;
        const double det = j00 * j11 - j01 * j10;
        if (!std::isfinite(det) || det == 0.0) {
            return std::nullopt;
        }
        Pair step = {(f[0] * j11 - f[1] * j01) / det, (j00 * f[1] - j10 * f[0]) / det};
        bool improved = false;
        for (int halving = 0; halving < 20 && !improved; ++halving) {
            const Pair next = {point[0] - step[0], point[1] - step[1]};
            const Pair next_f = Evaluate(functions, next[0], next[1]);
            if (std::isfinite(Size(next_f)) && Size(next_f) < Size(f)) {
                point = next;
                f = next_f;
                improved = true;
            }
            step = {step[0] / 2.0, step[1] / 2.0};
        }
        if (!improved) {
            break;
        }
    }
    // Near a corner of the plane the shape loses digits: a root that stalls
    // close to 0 is refined and checked in (a, c, h).
    return Size(f) < kNearResidual ? std::optional(point) : std::nullopt;
}

// Whether a function may vanish within a cell: its finite corner values
// differ in sign, or one is 0, or, all of one sign, the one nearest 0 is
// nearer than the corners are apart: its zero curve may bend into the cell
// and out again between two corners.
bool MayVanish(const std::array<Pair, 4>& corners, int which) {
    double lowest = INFINITY, highest = -INFINITY, nearest = INFINITY;
    int finite = 0;
    for (const Pair& corner : corners) {
        const double value = corner[static_cast<std::size_t>(which)];
        if (std::isfinite(value)) {
            ++finite;
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
            nearest = std::min(nearest, std::abs(value));
        }
    }
    if (finite < 2) {
        return false;
    }
    const bool changes_sign = lowest <= 0.0 && highest >= 0.0;
    return changes_sign || nearest <= highest - lowest;
}

struct Search {
    const Functions& functions;
    std::vector<Pair> roots;

    void Cell(double v, double u, double size, int cuts) {
        Cell(v, u, size, cuts,
             {Evaluate(functions, v, u), Evaluate(functions, v + size, u),
              Evaluate(functions, v, u + size), Evaluate(functions, v + size, u + size)});
    }

    void Cell(double v, double u, double size, int cuts, const std::array<Pair, 4>& corners) {
        if (!MayVanish(corners, 0) || !MayVanish(corners, 1)) {
            return;
        }
        if (cuts > 0) {
            const double half = size / 2.0;
            for (const Pair& corner : std::array<Pair, 4>{
                     {{v, u}, {v + half, u}, {v, u + half}, {v + half, u + half}}}) {
                Cell(corner[0], corner[1], half, cuts - 1);
            }
            return;
        }
        // Two roots close together make the Jacobian nearly singular between
        // them: Newton starts from the cell's corners too.
        const double half = size / 2.0;
        for (const Pair& start : std::array<Pair, 5>{{{v + half, u + half},
                                                      {v, u},
                                                      {v + size, u},
                                                      {v, u + size},
                                                      {v + size, u + size}}}) {
            if (const auto root = Newton(functions, start)) {
                Keep(ShapeAt((*root)[0], (*root)[1]));
            }
        }
    }

    void Keep(const Pair& shape) {
        for (const Pair& known : roots) {
            if (std::abs(known[0] - shape[0]) <= 1e-9 * known[0] &&
                std::abs(known[1] - shape[1]) <= 1e-9 * known[1]) {
                return;
            }
        }
        roots.push_back(shape);
    }
};

}  // namespace

std::vector<Pair> FindShapeRoots(const Functions& functions) {
    Search search{functions, {}};
    // The corners of the coarse grid, each evaluated once.
    const int columns = static_cast<int>(2.0 * kReachV / kCellSize);
    const int rows = static_cast<int>(2.0 * kReachU / kCellSize);
    std::vector<Pair> grid;
    grid.reserve(static_cast<std::size_t>((columns + 1) * (rows + 1)));
    for (int i = 0; i <= columns; ++i) {
        for (int j = 0; j <= rows; ++j) {
            grid.push_back(Evaluate(functions, -kReachV + i * kCellSize, -kReachU + j * kCellSize));
        }
    }
    const auto at = [&](int i, int j) {
        return grid[static_cast<std::size_t>(i * (rows + 1) + j)];
    };
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) {
            search.Cell(-kReachV + i * kCellSize, -kReachU + j * kCellSize, kCellSize, kCuts,
                        {at(i, j), at(i + 1, j), at(i, j + 1), at(i + 1, j + 1)});
        }
    }
    return search.roots;
}

}  // namespace trapezoid::conditions
