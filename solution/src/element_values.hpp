// SPDX-License-Identifier: GPL-3.0-or-later
// The values of the eleven elements during a solve, which of them are known,
// and the functions of the value type that the relations use.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "trapezoid/elements.hpp"

namespace trapezoid::elements {

// A set of elements, one bit each.
class ElementSet {
  public:
    constexpr ElementSet() = default;
    constexpr ElementSet(std::initializer_list<Element> elements) {
        for (const Element element : elements) {
            Add(element);
        }
    }
    constexpr bool Has(Element element) const { return (bits_ >> ElementIndex(element)) & 1U; }
    constexpr void Add(Element element) { bits_ |= Bit(element); }
    constexpr void Remove(Element element) { bits_ &= ~Bit(element); }
    constexpr bool Contains(ElementSet other) const { return (bits_ & other.bits_) == other.bits_; }
    constexpr int Count() const { return std::popcount(bits_); }
    constexpr bool operator==(const ElementSet&) const = default;

  private:
    static constexpr std::uint16_t Bit(Element element) {
        return static_cast<std::uint16_t>(1U << ElementIndex(element));
    }
    std::uint16_t bits_ = 0;
};

template <class V>
using Values = std::array<V, kElementCount>;

template <class V>
const V& Of(const Values<V>& values, Element element) {
    return values[static_cast<std::size_t>(ElementIndex(element))];
}

template <class V>
V& Of(Values<V>& values, Element element) {
    return values[static_cast<std::size_t>(ElementIndex(element))];
}

// ------------------------------------------------ functions of an angle in degrees

// The sine and cosine of 30°, 45°, 60° and 90° are the doubles of their exact
// values, so that "∠B = 45°" gives h = m exactly.
inline double SinDegrees(double degrees) {
    if (degrees == 30.0) {
        return 0.5;
    }
    if (degrees == 45.0) {
        return std::sqrt(2.0) / 2.0;
    }
    if (degrees == 60.0) {
        return std::sqrt(3.0) / 2.0;
    }
    if (degrees == 90.0) {
        return 1.0;
    }
    return std::sin(degrees * std::numbers::pi / 180.0);
}

inline double CosDegrees(double degrees) {
    return degrees == 90.0 ? 0.0 : SinDegrees(90.0 - degrees);
}

inline double TanDegrees(double degrees) {
    if (degrees == 45.0) {
        return 1.0;
    }
    if (degrees == 30.0) {
        return std::sqrt(3.0) / 3.0;
    }
    if (degrees == 60.0) {
        return std::sqrt(3.0);
    }
    return std::tan(degrees * std::numbers::pi / 180.0);
}

// ∠ABC of the right triangle HBC with legs h (opposite) and m (adjacent):
// above 90° when m is negative.
inline double AngleOfLegs(double h, double m) {
    return std::atan2(h, m) * 180.0 / std::numbers::pi;
}

inline double ArcsinDegrees(double ratio) {
    return std::asin(ratio) * 180.0 / std::numbers::pi;
}

inline double ArccosDegrees(double ratio) {
    return std::acos(ratio) * 180.0 / std::numbers::pi;
}

inline double ValueOf(double value) {
    return value;
}

inline double Sqrt(double x) {
    return std::sqrt(x);
}

}  // namespace trapezoid::elements
