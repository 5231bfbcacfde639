#include "model/modRandom.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace
{

// SplitMix64: a small generator whose every output is a strong hash of its state, so mixing a
// clock reading into the state never leaves it in a poor spot.
class ClockMixedGenerator
{
public:
    void seed(std::uint64_t value, bool mixClock)
    {
        m_state = value;
        m_mixClock = mixClock;
    }

    // Re-seeds from the clock by mixing the reading into the state rather than replacing it, so
    // two draws within one clock tick still differ.
    void mixInClock()
    {
        if (!m_mixClock)
            return;
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        m_state ^= mix(static_cast<std::uint64_t>(ticks));
    }

    // RandomBits random bits, or fewer for a test, scaled into [0, 1): every value is exact in
    // single precision and below 1.
    float nextSingle(int bits) { return std::ldexp(float(next() >> (64 - bits)), -bits); }

    // A uniform whole number from 0 to count - 1. Drawing 64 bits reaches every value of any
    // range of 32-bit terms, which 24 bits of a single cannot; values below the threshold are
    // drawn again so that no remainder is favoured.
    std::uint64_t nextBelow(std::uint64_t count)
    {
        const std::uint64_t threshold = (0 - count) % count;
        for (;;) {
            const std::uint64_t value = next();
            if (value >= threshold)
                return value % count;
        }
    }

private:
    static std::uint64_t mix(std::uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        return mix(m_state);
    }

    std::uint64_t m_state = 0x853C49E6748FEA9Bull;
    bool m_mixClock = true;
};

ClockMixedGenerator &generator()
{
    static ClockMixedGenerator instance;
    return instance;
}

RandomSource &testSource()
{
    static RandomSource source;
    return source;
}

} // namespace

double random_number(std::int32_t low, std::int32_t high)
{
    float r;
    if (testSource()) {
        r = testSource()();
    } else {
        generator().mixInClock();
        r = generator().nextSingle(random_steps::bits);
    }
    return TermForFraction(low, high, r);
}

double TermForFraction(std::int32_t low, std::int32_t high, float r)
{
    // floor(n * r + low) equals floor(n * r) + low because low is whole; adding low last keeps a
    // large low from rounding n * r up to the next integer.
    const double n = double(high) - double(low) + 1.0;
    return std::floor(n * double(r)) + double(low);
}

std::int64_t UniformWholeNumber(std::int64_t low, std::int64_t high)
{
    const std::uint64_t count = std::uint64_t(high - low) + 1;
    if (testSource()) {
        const double r = std::clamp(double(testSource()()), 0.0, 1.0);
        return low +
               std::int64_t(std::min<std::uint64_t>(std::uint64_t(double(count) * r), count - 1));
    }
    generator().mixInClock();
    return low + std::int64_t(generator().nextBelow(count));
}

void SetRandomBits(int bits)
{
    random_steps::bits = bits > 0 && bits < RandomBits ? bits : RandomBits;
    random_steps::fraction = std::ldexp(1.0f, -random_steps::bits);
}

void SetRandomSource(RandomSource source)
{
    testSource() = std::move(source);
}

void SeedRandomGenerator(std::uint64_t seed, bool mixClock)
{
    generator().seed(seed, mixClock);
}
