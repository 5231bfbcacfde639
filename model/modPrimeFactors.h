#pragma once

#include <cstdint>

// The prime factors of 32-bit numbers, found without trial division up to the square root: a
// deterministic Miller-Rabin test tells primes, and Pollard's rho with Brent's cycle finding splits
// the rest. A number below 2^32 has at most 31 prime factors and 1920 divisors (3491888400); the
// magnitude of a 32-bit term, at most 2^31, has at most 1600 divisors (2095133040).

bool IsPrime(std::uint32_t n);

// The prime factors of n (at least 1), smallest first, each as often as it divides n; none for 1.
struct PrimeFactors {
    std::uint32_t factor[32];
    int count = 0;
};
PrimeFactors FactorInteger(std::uint32_t n);

// Every divisor of n (at least 1), in no particular order; returns how many were written.
inline constexpr int MaxDivisors = 1920;
inline constexpr int MaxDivisorsOfTerm = 1600;
int ListDivisors(std::uint32_t n, std::uint32_t (&divisors)[MaxDivisors]);
