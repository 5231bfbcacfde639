#pragma once

#include "model/modRandom.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

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

// The magnitudes of the nonzero values of a span on one side of 0, and those values again.
Span magnitudes(Span span, int sign);
Span withSign(Span magnitudes, int sign);

// Calls cut with the pieces of a span of positive numbers from one power of 2 to the next.
template <typename Cut> void cutAtPowersOf2(Span span, Cut cut)
{
    for (Int from = span.lo; from <= span.hi;) {
        Int power = 1;
        while (power <= from)
            power *= 2;
        const Int to = std::min(span.hi, power - 1);
        cut(Span{from, to});
        from = to + 1;
    }
}

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

// Two terms, in 64 bits.
struct Pair {
    Int term1 = 0;
    Int term2 = 0;
};

// What random_number draws for one pair of limits. Each of its RandomSteps equally likely steps of
// r gives one value, and the value rises with the step (or falls, when high is below low), so the
// steps that give a span of values form a span of steps, and a value is as likely as its steps
// are many.
class TermDraw
{
public:
    TermDraw(std::int32_t low, std::int32_t high);

    Int valueAt(Int step) const;
    Span steps(Span values) const;
    Int weight(Int value) const { return steps({value, value}).size(); }
    // The lowest and the highest value of values that some step gives; empty when none.
    Span reachable(Span values) const;
    // The most steps that any count consecutive values can have together.
    Int mostSteps(Int count) const;
    // Step k gives low() + floor(count() * k / RandomSteps()), or one more where double rounding
    // lifts the product to the next whole number.
    std::int32_t low() const { return m_low; }
    Int count() const { return m_count; }

private:
    Int firstStepFrom(Int guess, bool (*holds)(const TermDraw &, Int, Int), Int value) const;

    std::int32_t m_low;
    std::int32_t m_high;
    Int m_count; // high - low + 1, negative when high is below low - 1
};

// A uniform whole number from 0 to count - 1 (count at least 1).
__extension__ using Wide = __int128;
Wide pickBelow(Wide count);

// Calls cut with stretches of span: cut first at each of points (a new stretch starts there), then
// each piece into stretches doubling in length from both its ends. A window that grows or shrinks
// by a value per value across a piece then changes within a stretch by at most a factor 2.
void cutForWindows(Span span, const std::vector<Int> &points, const std::function<void(Span)> &cut);

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

// Pairs of a box with a sum within sums, counted exactly.
double pairsWithSumIn(Span xs, Span ys, Span sums);

double reciprocalSum(Span span);

double productsAtMostBound(Span xs, Span ys, Int most);

} // namespace pairs
