#include "core/modTermSpans.h"

#include "core/modGlobalsConstants.h"

#include <algorithm>
#include <cmath>

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

Terms currentTerms()
{
    return {termSpan(glTerm1Low, glTerm1High), termSpan(glTerm2Low, glTerm2High)};
}

namespace
{

// Pairs (i, j) of whole numbers from 0 with i + j < k.
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
