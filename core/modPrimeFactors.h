#pragma once

#include <cstdint>

// The prime factors of 32-bit numbers, found without trial division up to the square root: a
// deterministic Miller-Rabin test tells primes, and Pollard's rho with Brent's cycle finding splits
// the rest. A number of 2^32 or less has at most 31 prime factors and 1344 divisors.

bool IsPrime(std::uint32_t n);

// The prime factors of n (at least 1), smallest first, each as often as it divides n; none for 1.
struct PrimeFactors {
    std::uint32_t factor[32];
    int count = 0;
};
PrimeFactors FactorInteger(std::uint32_t n);

// Every divisor of n (at least 1), in no particular order; returns how many were written.
inline constexpr int MaxDivisors = 1344;
int ListDivisors(std::uint32_t n, std::uint32_t (&divisors)[MaxDivisors]);
