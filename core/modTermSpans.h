#pragma once

#include "core/modRandom.h"

#include <cstdint>
#include <limits>

// Spans of whole numbers: the terms random_number gives for two limits, the values of one sign,
// the choices a construction makes within them, and counts of pairs of terms. All arithmetic here
// is 64-bit, so the bounds of 32-bit results can be written as they are.
namespace pairs
{

using Int = std::int64_t;
constexpr Int Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr Int Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr Int Int32MinMagnitude = -Int32Min;

// The whole numbers from lo to hi; empty when hi < lo.
struct Span {
    Int lo;
    Int hi;

    bool empty() const { return hi < lo; }
    bool contains(Int value) const { return lo <= value && value <= hi; }
    Int size() const { return empty() ? 0 : hi - lo + 1; }
};

Span meet(Span a, Span b);

// Division rounding down and up, for a positive divisor.
Int floorDiv(Int a, Int b);
Int ceilDiv(Int a, Int b);

Int floorSqrt(Int value);

// The values random_number gives for these limits: low to high, or high + 1 to low when high is
// below low.
Span termSpan(std::int32_t low, std::int32_t high);

// The magnitudes of the nonzero values of a span on one side of 0.
Span magnitudes(Span span, int sign);

// Makes the choices of a construction: at random when drawing a problem, or always the first
// option when only asking whether an acceptable pair exists.
class Chooser
{
public:
    explicit Chooser(bool random) : m_random(random) {}

    Int pick(Span span) const { return m_random ? UniformWholeNumber(span.lo, span.hi) : span.lo; }
    bool coin() const { return m_random && UniformWholeNumber(0, 1) == 1; }

    // A value of the span other than 0; the span must hold one.
    Int pickNonzero(Span span) const
    {
        if (!span.contains(0))
            return pick(span);
        const Int value = pick({span.lo, span.hi - 1});
        return value >= 0 ? value + 1 : value;
    }

    // A value of the span that is not a multiple of divisor (at least 2); the span must hold one.
    Int pickNonMultiple(Span span, Int divisor) const
    {
        const Int below = floorDiv(span.lo - 1, divisor) * divisor; // last multiple before lo
        const Int multiples = floorDiv(span.hi, divisor) - floorDiv(span.lo - 1, divisor);
        const Int index = pick({0, span.size() - multiples - 1}) + (span.lo - below - 1);
        return below + index / (divisor - 1) * divisor + index % (divisor - 1) + 1;
    }

private:
    bool m_random;
};

struct Terms {
    Span top;
    Span bottom;
};

// The terms within the current limits.
Terms currentTerms();

// The first value of span for which a predicate that turns from false to true holds, or one past
// the end.
template <typename Predicate> Int firstWhere(Span span, Predicate holds)
{
    Int lo = span.lo;
    Int hi = span.hi + 1;
    while (lo < hi) {
        const Int mid = lo + (hi - lo) / 2;
        if (holds(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

__extension__ using Wide = __int128; // counts of 32-bit pairs reach 2^64

// Pairs of a box with a sum within sums, counted exactly.
double pairsWithSumIn(Span xs, Span ys, Span sums);

double reciprocalSum(Span span);

double productsAtMostBound(Span xs, Span ys, Int most);

} // namespace pairs
