#include "model/modTermSpans.h"

#include "model/modGlobalsConstants.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pairs
{

Span meet(Span a, Span b)
{
    return {std::max(a.lo, b.lo), std::min(a.hi, b.hi)};
}

Int floorDiv(Int a, Int b)
{
    return a / b - (a % b != 0 && a < 0 ? 1 : 0);
}

Int ceilDiv(Int a, Int b)
{
    return a / b + (a % b != 0 && a > 0 ? 1 : 0);
}

Int floorSqrt(Int value)
{
    auto root = static_cast<Int>(std::sqrt(double(value)));
    while (root * root > value)
        --root;
    while ((root + 1) * (root + 1) <= value)
        ++root;
    return root;
}

Span termSpan(std::int32_t low, std::int32_t high)
{
    if (low <= high)
        return {low, high};
    return {Int(high) + 1, low};
}

Span magnitudes(Span span, int sign)
{
    if (sign > 0)
        return {std::max<Int>(span.lo, 1), span.hi};
    return {std::max<Int>(-span.hi, 1), -span.lo};
}

Span withSign(Span magnitudes, int sign)
{
    return sign > 0 ? magnitudes : Span{-magnitudes.hi, -magnitudes.lo};
}

void cutForWindows(Span span, const std::vector<Int> &points, const std::function<void(Span)> &cut)
{
    if (span.empty())
        return;
    std::vector<Int> starts = {span.lo};
    for (const Int point : points) {
        if (point > span.lo && point <= span.hi)
            starts.push_back(point);
    }
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    starts.push_back(span.hi + 1);
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        const Int first = starts[i];
        const Int last = starts[i + 1] - 1;
        const Int middle = first + (last - first) / 2;
        Int length = 1;
        for (Int from = first; from <= middle; from += length, length *= 2)
            cut({from, std::min(middle, from + length - 1)});
        length = 1;
        for (Int to = last; to > middle; to -= length, length *= 2)
            cut({std::max(middle + 1, to - length + 1), to});
    }
}

Terms currentTerms()
{
    return {termSpan(glTerm1Low, glTerm1High), termSpan(glTerm2Low, glTerm2High)};
}

TermDraw::TermDraw(std::int32_t low, std::int32_t high)
    : m_low(low), m_high(high), m_count(Int(high) - Int(low) + 1)
{
}

Int TermDraw::valueAt(Int step) const
{
    return Int(TermForFraction(m_low, m_high, StepFraction(step)));
}

// The first step from a guess at which holds turns true, walking from the guess: the guesses
// below come from the formula and miss by a step at most, where double rounding bites.
Int TermDraw::firstStepFrom(Int guess, bool (*holds)(const TermDraw &, Int, Int), Int value) const
{
    Int step = std::clamp<Int>(guess, 0, RandomSteps());
    while (step > 0 && holds(*this, step - 1, value))
        --step;
    while (step < RandomSteps() && !holds(*this, step, value))
        ++step;
    return step;
}

Span TermDraw::steps(Span values) const
{
    if (values.empty())
        return {0, -1};
    if (m_count == 0)
        return values.contains(m_low) ? Span{0, RandomSteps() - 1} : Span{0, -1};
    const double perValue = double(RandomSteps()) / double(m_count);
    if (m_count > 0) {
        auto atLeast = [](const TermDraw &draw, Int step, Int value) {
            return draw.valueAt(step) >= value;
        };
        auto first = [&](Int value) {
            const double guess = std::ceil(double(value - m_low) * perValue);
            return firstStepFrom(Int(std::clamp(guess, -1.0, 2.0 * RandomSteps())), atLeast, value);
        };
        return {first(values.lo), first(values.hi + 1) - 1};
    }
    // Falling values: step k gives low - ceil(|n| k / RandomSteps()).
    auto atMost = [](const TermDraw &draw, Int step, Int value) {
        return draw.valueAt(step) <= value;
    };
    auto first = [&](Int value) {
        const double guess = std::floor(double(m_low - value - 1) * -perValue) + 1;
        return firstStepFrom(Int(std::clamp(guess, -1.0, 2.0 * RandomSteps())), atMost, value);
    };
    return {first(values.hi), first(values.lo - 1) - 1};
}

Span TermDraw::reachable(Span values) const
{
    const Span found = steps(values);
    if (found.empty())
        return found;
    const Int a = valueAt(found.lo);
    const Int b = valueAt(found.hi);
    return {std::min(a, b), std::max(a, b)};
}

Int TermDraw::mostSteps(Int count) const
{
    if (count <= 0)
        return 0;
    if (m_count == 0)
        return RandomSteps();
    // The steps of count values lie in a run of real length count * RandomSteps() / |n|; one more
    // covers the run's ends, another the lone step of low when high is below low. Where |n| is at
    // least RandomSteps() every step gives a value of its own.
    const Int n = m_count > 0 ? m_count : -m_count;
    const Int run = (count * RandomSteps() + n - 1) / n;
    if (n >= RandomSteps())
        return std::min(count, run + 1);
    return std::min(RandomSteps(), run + 2);
}

Wide pickBelow(Wide count)
{
    constexpr Int Part = Int(1) << 62;
    if (count <= Part)
        return UniformWholeNumber(0, Int(count) - 1);
    // Two draws of 62 bits, the top of the range left out so that every remainder is as likely.
    // That top is at most count / 2^124 of it; only a test's fixed r keeps landing there.
    const Wide range = Wide(1) << 124;
    const Wide limit = range - range % count;
    Wide value = 0;
    for (int attempt = 0; attempt < 64; ++attempt) {
        value = Wide(UniformWholeNumber(0, Part - 1)) << 62 | UniformWholeNumber(0, Part - 1);
        if (value < limit)
            break;
    }
    return value % count;
}

namespace
{

// Pairs (i, j) of whole numbers from 0 with i + j < k.
// Counts of 32-bit pairs reach 2^64.
Wide triangle(Wide k)
{
    return k > 0 ? k * (k + 1) / 2 : 0;
}

// Pairs of a box with a sum of at most sum.
Wide pairsWithSumAtMost(Span xs, Span ys, Int sum)
{
    const Wide k = Wide(sum) - xs.lo - ys.lo + 1;
    return triangle(k) - triangle(k - xs.size()) - triangle(k - ys.size()) +
           triangle(k - xs.size() - ys.size());
}

} // namespace

double pairsWithSumIn(Span xs, Span ys, Span sums)
{
    if (xs.empty() || ys.empty() || sums.empty())
        return 0;
    return double(pairsWithSumAtMost(xs, ys, sums.hi) - pairsWithSumAtMost(xs, ys, sums.lo - 1));
}

// An upper bound of the sum of 1 / v over the span (v >= 1).
double reciprocalSum(Span span)
{
    if (span.empty())
        return 0;
    return 1.0 / double(span.lo) + std::log(double(span.hi) / double(span.lo));
}

// Pairs x in xs and y in ys with x * y <= most, all positive: at most.
double productsAtMostBound(Span xs, Span ys, Int most)
{
    if (xs.empty() || ys.empty())
        return 0;
    xs = meet(xs, {1, most / ys.lo});
    if (xs.empty())
        return 0;
    // Up to most / ys.hi every y fits; beyond, y runs up to most / x.
    const Span full = meet(xs, {1, most / ys.hi});
    const Span partial = meet(xs, {full.hi + 1, xs.hi});
    return double(full.size()) * double(ys.size()) +
           std::max(0.0, double(most) * reciprocalSum(partial) -
                             double(ys.lo - 1) * double(partial.size()));
}

} // namespace pairs
