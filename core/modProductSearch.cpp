#include "core/modProductSearch.h"

#include "core/modPrimeFactors.h"

#include <algorithm>
#include <cstdint>

namespace pairs
{

namespace
{

// Scans the values of one factor up to the square root of the largest product, then of the other,
// for one with a multiple among the products; of any pair one factor is that small. The scan
// starts at a chosen value and wraps.
bool scanProducts(Span xs, Span ys, Span products, const Chooser &chooser, Int &x, Int &y)
{
    const Int root = floorSqrt(products.hi);
    const bool xFirst = !chooser.coin();
    for (int pass = 0; pass < 2; ++pass) {
        const bool scanX = (pass == 0) == xFirst;
        const Span scanned = meet(scanX ? xs : ys, {1, root});
        const Span other = scanX ? ys : xs;
        if (scanned.empty())
            continue;
        const Int start = chooser.pick(scanned);
        for (Int step = 0; step < scanned.size(); ++step) {
            Int value = start + step;
            if (value > scanned.hi)
                value -= scanned.size();
            // All of these are positive and below 2^32: 32-bit division is the cheaper one, and
            // most values have no multiple among the products at all, which one division shows.
            const auto lowest = std::uint32_t(products.lo), highest = std::uint32_t(products.hi);
            const auto divisor = std::uint32_t(value);
            const std::uint32_t most = highest / divisor;
            if (most * divisor < lowest)
                continue;
            const Span partners = meet(other, {Int((lowest + divisor - 1) / divisor), Int(most)});
            if (partners.empty())
                continue;
            const Int partner = chooser.pick(partners);
            x = scanX ? value : partner;
            y = scanX ? partner : value;
            return true;
        }
    }
    return false;
}

// Finds the pairs among the divisors of the products themselves: each product is factored, and
// its divisors in xs with a cofactor in ys are the pairs it gives. The products are tried from a
// chosen one on, and one of the pairs of the first that gives any is chosen.
bool factorProducts(Span xs, Span ys, Span products, const Chooser &chooser, Int &x, Int &y)
{
    const Int start = chooser.pick(products);
    std::uint32_t divisors[MaxDivisors];
    for (Int step = 0; step < products.size(); ++step) {
        Int product = start + step;
        if (product > products.hi)
            product -= products.size();
        const int count = ListDivisors(std::uint32_t(product), divisors);
        int kept = 0;
        for (int i = 0; i < count; ++i) {
            if (xs.contains(divisors[i]) && ys.contains(product / divisors[i]))
                divisors[kept++] = divisors[i];
        }
        if (kept == 0)
            continue;
        x = divisors[chooser.pick({0, kept - 1})];
        y = product / x;
        return true;
    }
    return false;
}

// Roughly how many divisions of the scan cost as much as factoring one product.
constexpr Int DivisionsPerFactoring = 500;

} // namespace

bool narrowToProducts(Span &xs, Span &ys, Span products)
{
    if (xs.empty() || ys.empty() || products.empty())
        return false;
    xs = meet(xs, {ceilDiv(products.lo, ys.hi), products.hi / ys.lo});
    if (xs.empty())
        return false;
    ys = meet(ys, {ceilDiv(products.lo, xs.hi), products.hi / xs.lo});
    return !ys.empty();
}

bool findProduct(Span xs, Span ys, Span products, const Chooser &chooser, Int &x, Int &y)
{
    if (!narrowToProducts(xs, ys, products))
        return false;

    const Int width = products.size();
    auto partners = [&](Int factor, Span others) {
        return meet(others, {ceilDiv(products.lo, factor), products.hi / factor});
    };
    const Span smallXs = meet(xs, {1, width});
    const Span smallYs = meet(ys, {1, width});
    const Span largeXs = meet(xs, {width + 1, Int32MinMagnitude});
    const Span largeYs = meet(ys, {width + 1, Int32MinMagnitude});
    const bool largePossible =
        !largeXs.empty() && !largeYs.empty() && largeXs.lo * largeYs.lo <= products.hi;

    // The kinds of pair in play, the cheap ones listed first; the one tried first is chosen at
    // random, and the rest follow in turn.
    enum class Region { SmallX, SmallY, Large };
    Region regions[3];
    int count = 0;
    if (!smallXs.empty())
        regions[count++] = Region::SmallX;
    if (!smallYs.empty())
        regions[count++] = Region::SmallY;
    if (largePossible)
        regions[count++] = Region::Large;
    if (count == 0)
        return false;
    const Int first = chooser.pick({0, count - 1});
    for (Int i = 0; i < count; ++i) {
        switch (regions[(first + i) % count]) {
        case Region::SmallX:
            x = chooser.pick(smallXs);
            y = chooser.pick(partners(x, ys));
            return true;
        case Region::SmallY:
            y = chooser.pick(smallYs);
            x = chooser.pick(partners(y, xs));
            return true;
        case Region::Large: {
            const Int root = floorSqrt(products.hi);
            const Int scanned = meet(largeXs, {1, root}).size() + meet(largeYs, {1, root}).size();
            const bool found = width * DivisionsPerFactoring < scanned
                                   ? factorProducts(largeXs, largeYs, products, chooser, x, y)
                                   : scanProducts(largeXs, largeYs, products, chooser, x, y);
            if (found)
                return true;
            break;
        }
        }
    }
    return false;
}

double productsInBound(Span xs, Span ys, Span products)
{
    if (!narrowToProducts(xs, ys, products))
        return 0;
    const double gaps = double(products.size() - 1);
    const double byX = double(xs.size()) + gaps * reciprocalSum(xs);
    const double byY = double(ys.size()) + gaps * reciprocalSum(ys);
    return std::min({byX, byY, double(products.size()) * MaxDivisorsOfTerm});
}

} // namespace pairs
