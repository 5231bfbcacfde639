#include "model/modPrimeFactors.h"

#include <algorithm>
#include <bit>

namespace
{

// Arithmetic modulo an odd n below 2^32 in Montgomery form (values times 2^32), where a product is
// reduced with two multiplications instead of a division.
class Montgomery
{
public:
    explicit Montgomery(std::uint32_t n) : m_n(n)
    {
        // Newton's iteration for n^-1 modulo 2^32: each step doubles the correct low bits.
        std::uint32_t inverse = n;
        for (int i = 0; i < 5; ++i)
            inverse *= 2 - n * inverse;
        m_negInverse = 0 - inverse;
        m_rSquared = std::uint32_t((std::uint64_t(1) << 63) % n * 2 % n); // 2^64 modulo n
    }

    std::uint32_t modulus() const { return m_n; }
    std::uint32_t to(std::uint32_t value) const { return multiply(value % m_n, m_rSquared); }
    std::uint32_t one() const { return to(1); }

    std::uint32_t multiply(std::uint32_t a, std::uint32_t b) const
    {
        const std::uint64_t t = std::uint64_t(a) * b;
        const std::uint32_t m = std::uint32_t(t) * m_negInverse;
        const std::uint64_t mn = std::uint64_t(m) * m_n;
        // The low halves of t and m * n sum to 0 modulo 2^32, with a carry unless both are 0;
        // adding the high halves apart keeps the sum within 64 bits for any n below 2^32.
        std::uint64_t u = (t >> 32) + (mn >> 32) + (std::uint32_t(t) != 0 ? 1 : 0);
        if (u >= m_n)
            u -= m_n;
        return std::uint32_t(u);
    }

    std::uint32_t add(std::uint32_t a, std::uint32_t b) const
    {
        const std::uint64_t sum = std::uint64_t(a) + b;
        return std::uint32_t(sum >= m_n ? sum - m_n : sum);
    }

    std::uint32_t power(std::uint32_t base, std::uint32_t exponent) const
    {
        std::uint32_t result = one();
        for (; exponent != 0; exponent >>= 1) {
            if (exponent & 1)
                result = multiply(result, base);
            base = multiply(base, base);
        }
        return result;
    }

private:
    std::uint32_t m_n;
    std::uint32_t m_negInverse = 0;
    std::uint32_t m_rSquared = 0;
};

std::uint32_t gcd(std::uint32_t a, std::uint32_t b)
{
    if (a == 0 || b == 0)
        return a | b;
    const int shift = std::countr_zero(a | b);
    a >>= std::countr_zero(a);
    do {
        b >>= std::countr_zero(b);
        if (a > b)
            std::swap(a, b);
        b -= a;
    } while (b != 0);
    return a << shift;
}

// Miller-Rabin for an odd n above 2 with one base.
bool strongProbablePrime(const Montgomery &field, std::uint32_t base)
{
    const std::uint32_t n = field.modulus();
    if (base % n == 0)
        return true;
    const std::uint32_t d = (n - 1) >> std::countr_zero(n - 1);
    const std::uint32_t one = field.one();
    const std::uint32_t minusOne = field.to(n - 1);
    std::uint32_t x = field.power(field.to(base), d);
    if (x == one || x == minusOne)
        return true;
    for (std::uint32_t s = (n - 1) / d; s > 2; s >>= 1) {
        x = field.multiply(x, x);
        if (x == minusOne)
            return true;
    }
    return false;
}

bool oddIsPrime(std::uint32_t n)
{
    if (n < 3)
        return false;
    // Bases 2, 7 and 61 tell every composite below 4759123141 from a prime.
    const Montgomery field(n);
    for (const std::uint32_t base : {2u, 7u, 61u}) {
        if (!strongProbablePrime(field, base))
            return false;
    }
    return true;
}

// A factor of an odd composite n other than 1 and n, by Pollard's rho with Brent's cycle finding;
// the differences are multiplied together in batches so that one gcd serves many steps.
std::uint32_t splitComposite(std::uint32_t n)
{
    const Montgomery field(n);
    for (std::uint32_t c = 1;; ++c) {
        const std::uint32_t increment = field.to(c);
        auto step = [&](std::uint32_t v) { return field.add(field.multiply(v, v), increment); };
        constexpr std::uint32_t Batch = 64;
        std::uint32_t y = field.to(2);
        std::uint32_t x = y;
        std::uint32_t saved = y;
        std::uint32_t product = field.one();
        std::uint32_t divisor = 1;
        for (std::uint32_t length = 1; divisor == 1; length *= 2) {
            x = y;
            for (std::uint32_t i = 0; i < length; ++i)
                y = step(y);
            for (std::uint32_t done = 0; done < length && divisor == 1; done += Batch) {
                saved = y;
                const std::uint32_t steps = std::min(Batch, length - done);
                for (std::uint32_t i = 0; i < steps; ++i) {
                    y = step(y);
                    product = field.multiply(product, x > y ? x - y : y - x);
                }
                divisor = gcd(product, n);
            }
        }
        if (divisor == n) {
            // The batch overshot: walk it again one step at a time.
            do {
                saved = step(saved);
                divisor = gcd(x > saved ? x - saved : saved - x, n);
            } while (divisor == 1);
        }
        if (divisor != n)
            return divisor;
    }
}

void collectFactors(std::uint32_t n, PrimeFactors &factors)
{
    if (n == 1)
        return;
    if (oddIsPrime(n)) {
        factors.factor[factors.count++] = n;
        return;
    }
    const std::uint32_t divisor = splitComposite(n);
    collectFactors(divisor, factors);
    collectFactors(n / divisor, factors);
}

} // namespace

bool IsPrime(std::uint32_t n)
{
    if (n % 2 == 0)
        return n == 2;
    return oddIsPrime(n);
}

PrimeFactors FactorInteger(std::uint32_t n)
{
    PrimeFactors factors;
    if (n == 0)
        return factors;
    // Small primes are cheaper to divide out than to find.
    for (const std::uint32_t prime : {2u, 3u, 5u, 7u, 11u, 13u, 17u, 19u, 23u, 29u, 31u, 37u}) {
        while (n % prime == 0) {
            factors.factor[factors.count++] = prime;
            n /= prime;
        }
    }
    collectFactors(n, factors);
    std::sort(factors.factor, factors.factor + factors.count);
    return factors;
}

int ListDivisors(std::uint32_t n, std::uint32_t (&divisors)[MaxDivisors])
{
    const PrimeFactors factors = FactorInteger(n);
    int count = 1;
    divisors[0] = 1;
    for (int i = 0; i < factors.count;) {
        const std::uint32_t prime = factors.factor[i];
        int multiplicity = 0;
        while (i < factors.count && factors.factor[i] == prime) {
            ++multiplicity;
            ++i;
        }
        // Each divisor found so far, times every power of this prime.
        const int before = count;
        for (int k = 0; k < before; ++k) {
            std::uint32_t divisor = divisors[k];
            for (int power = 0; power < multiplicity; ++power) {
                divisor *= prime;
                divisors[count++] = divisor;
            }
        }
    }
    return count;
}
