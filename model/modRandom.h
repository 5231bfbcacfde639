#pragma once

#include <cstdint>
#include <functional>

// The drill's random source: a small generator that mixes a clock reading into its state on every
// draw, so no two runs repeat a sequence.

// A whole number drawn as floor((high - low + 1) * r + low) for a fresh r with 0 <= r < 1. For
// high < low the same formula gives high + 1 up to low, low itself only for r = 0.
double random_number(std::int32_t low, std::int32_t high);

// The generator's r has 24 bits: one of RandomSteps() equally likely values StepFraction(step).
inline constexpr int RandomBits = 24;

// Lets a test cut r to fewer bits, so that every pair of steps can be walked through; 0 or
// RandomBits puts the 24 bits back.
void SetRandomBits(int bits);

namespace random_steps
{
// Read on every step of a term's draw, so kept here for inlining; SetRandomBits sets both.
inline int bits = RandomBits;
inline float fraction = 0x1.0p-24f;
} // namespace random_steps

inline std::int64_t RandomSteps()
{
    return std::int64_t(1) << random_steps::bits;
}

// The r of a step, exact in single precision.
inline float StepFraction(std::int64_t step)
{
    return float(step) * random_steps::fraction;
}

// What random_number gives for these limits when its r is this one.
double TermForFraction(std::int32_t low, std::int32_t high, float r);

// A uniform whole number from low to high (low <= high) from the same generator. Unlike
// random_number, whose r carries 24 bits, it reaches every value of any 32-bit range.
std::int64_t UniformWholeNumber(std::int64_t low, std::int64_t high);

// Lets a test decide the values r that random_number uses. While a source is set it is called
// instead of the clock-seeded generator, also for UniformWholeNumber; pass an empty function to go
// back.
using RandomSource = std::function<float()>;
void SetRandomSource(RandomSource source);

// Restarts the built-in generator from a fixed state, for reproducible runs of many draws. The
// clock is still mixed in on every draw unless mixClock is false.
void SeedRandomGenerator(std::uint64_t seed, bool mixClock = true);
