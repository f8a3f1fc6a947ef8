// SPDX-License-Identifier: GPL-3.0-or-later
// Square factors of an integer, found by trial division by the primes below
// 10^4. What is left has no prime factor below 10^4; once it is below the
// cube of the next prime it has at most two prime factors, and a square test
// tells whether they are equal. So the split is complete below 10^12.
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "surd_internal.hpp"

namespace exact {
namespace {

constexpr std::uint64_t kTrialBound = 10000;

// An odd prime with what makes a divisibility test one multiplication:
// p divides n exactly when n·inverse (mod 2^64) ≤ limit, and the product
// then is n / p.
struct TrialPrime {
    std::uint64_t prime;
    std::uint64_t inverse;
    std::uint64_t limit;
};

constexpr std::array<bool, kTrialBound> SieveComposites() {
    std::array<bool, kTrialBound> composite{};
    for (std::uint64_t p = 2; p * p < kTrialBound; ++p) {
        for (std::uint64_t multiple = p * p; !composite[p] && multiple < kTrialBound;
             multiple += p) {
            composite[multiple] = true;
        }
    }
    return composite;
}

constexpr std::size_t CountOddPrimes() {
    const auto composite = SieveComposites();
    std::size_t count = 0;
    for (std::uint64_t n = 3; n < kTrialBound; n += 2) {
        count += composite[n] ? 0 : 1;
    }
    return count;
}

constexpr auto kOddPrimes = [] {
    const auto composite = SieveComposites();
    std::array<TrialPrime, CountOddPrimes()> primes{};
    std::size_t index = 0;
    for (std::uint64_t p = 3; p < kTrialBound; p += 2) {
        if (!composite[p]) {
            std::uint64_t inverse = p;  // right in 3 bits; each step doubles them
            for (int step = 0; step < 5; ++step) {
                inverse *= 2 - p * inverse;
            }
            primes[index++] = {p, inverse, std::numeric_limits<std::uint64_t>::max() / p};
        }
    }
    return primes;
}();

std::uint64_t IntegerRoot64(std::uint64_t n) {
    constexpr std::uint64_t kLargestRoot = 0xFFFFFFFF;
    auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
    while (root > kLargestRoot || root * root > n) {
        --root;
    }
    while (root < kLargestRoot && (root + 1) * (root + 1) <= n) {
        ++root;
    }
    return root;
}

bool FitsIn64(const Integer& n) {
    return n <= std::numeric_limits<std::uint64_t>::max();
}

// prime^count goes into root² · rest.
template <typename Number>
void TakeFactor(std::uint64_t prime, int count, Number& root, Number& rest) {
    for (int pair = 0; pair < count / 2; ++pair) {
        root *= prime;
    }
    if (count % 2 != 0) {
        rest *= prime;
    }
}

// The product of the odd primes from kOddPrimes[first] on while it fits in
// 64 bits; `end` becomes the index after the last of them.
std::uint64_t PrimeProduct(std::size_t first, std::size_t& end) {
    std::uint64_t product = 1;
    for (end = first; end < kOddPrimes.size() &&
                      product <= std::numeric_limits<std::uint64_t>::max() / kOddPrimes[end].prime;
         ++end) {
        product *= kOddPrimes[end].prime;
    }
    return product;
}

// The split of an n that has no odd prime factor below kOddPrimes[first].
SquareSplit SplitSmall(std::uint64_t n, std::size_t first) {
    std::uint64_t root = 1;
    std::uint64_t rest = 1;
    const int twos = std::countr_zero(n);
    n >>= twos;
    TakeFactor(2, twos, root, rest);
    for (std::size_t index = first; index < kOddPrimes.size(); ++index) {
        const auto& [p, inverse, limit] = kOddPrimes[index];
        if (p * p * p > n) {
            break;
        }
        int count = 0;
        while (n * inverse <= limit) {
            n *= inverse;
            ++count;
        }
        TakeFactor(p, count, root, rest);
    }
    const std::uint64_t last_root = IntegerRoot64(n);
    Integer whole_root = Integer(root) * (last_root * last_root == n ? last_root : 1);
    Integer whole_rest = Integer(rest) * (last_root * last_root == n ? 1 : n);
    return {std::move(whole_root), std::move(whole_rest)};
}

}  // namespace

SquareSplit SplitSquare(const Integer& n) {
    if (n <= 0) {
        return {0, 1};
    }
    if (FitsIn64(n)) {
        return SplitSmall(n.convert_to<std::uint64_t>(), 0);
    }
    Integer root = 1;
    Integer rest = 1;
    const unsigned twos = lsb(n);
    Integer odd = n >> twos;
    TakeFactor(2, static_cast<int>(twos), root, rest);
    // One division of the large n by a product of a few primes tells which of
    // them can divide it; the rest of that product no longer describes n
    // once a prime is taken out, so the next prime starts a new product.
    std::uint64_t group_rest = 0;
    std::size_t group_end = 0;
    for (std::size_t index = 0; index < kOddPrimes.size(); ++index) {
        if (FitsIn64(odd)) {
            const auto small = SplitSmall(odd.convert_to<std::uint64_t>(), index);
            return {root * small.root, rest * small.rest};
        }
        const std::uint64_t p = kOddPrimes[index].prime;
        if (index >= group_end) {
            group_rest = integer_modulus(odd, PrimeProduct(index, group_end));
        }
        if (group_rest % p != 0) {
            continue;
        }
        group_end = index + 1;
        int count = 0;
        while (integer_modulus(odd, p) == 0) {
            odd /= p;
            ++count;
        }
        TakeFactor(p, count, root, rest);
    }
    // Too large to finish: only a whole square is still found.
    if (auto last_root = ExactIntegerRoot(odd)) {
        return {root * *last_root, rest};
    }
    return {root, rest * odd};
}

std::optional<Integer> ExactIntegerRoot(const Integer& n) {
    if (n < 0) {
        return std::nullopt;
    }
    if (FitsIn64(n)) {
        const auto small = n.convert_to<std::uint64_t>();
        const std::uint64_t root = IntegerRoot64(small);
        return root * root == small ? std::optional<Integer>(root) : std::nullopt;
    }
    Integer remainder;
    Integer root = sqrt(n, remainder);
    return remainder == 0 ? std::optional<Integer>(std::move(root)) : std::nullopt;
}

}  // namespace exact
