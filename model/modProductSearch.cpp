#include "model/modProductSearch.h"

#include "model/modPrimeFactors.h"

#include <algorithm>
#include <cstdint>
#include <memory>

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

// Tops of at most this many values have their quotients up to the width counted one by one.
constexpr Int CountedWidth = 1024;

// The magnitudes of span's values of one sign that draw gives, from the lowest to the highest.
Span drawnMagnitudes(const TermDraw &draw, Span span, int sign)
{
    const Span reached = draw.reachable(withSign(magnitudes(span, sign), sign));
    return reached.empty() ? reached : magnitudes(reached, sign);
}

// The pairs of steps that give a top and a divisor.
Wide pairWeight(const TermDraw &top, const TermDraw &bottom, Int topTerm, Int term2)
{
    return Wide(top.weight(topTerm)) * bottom.weight(term2);
}

// Adds the pair top / divisor to entries with its weight, when the divisor is a bottom.
void addCounted(std::vector<TableProposal::Entry> &entries, const TermDraw &top,
                const TermDraw &bottom, Int topTerm, Int term2)
{
    const Wide weight = pairWeight(top, bottom, topTerm, term2);
    if (weight > 0)
        entries.push_back({{topTerm, term2}, weight});
}

// Units (divisor step, index of a multiple, step of that multiple): for divisors d of one stretch,
// the multiples of d among the tops, at most most of them, each with at most perTop steps.
class MultiplesProposal : public Proposal
{
public:
    MultiplesProposal(const TermDraw &top, const TermDraw &bottom, Span divisorSteps, Span tops,
                      int sign1, Int most)
        : Proposal(Wide(divisorSteps.size()) * most * top.mostSteps(1)), m_top(top),
          m_bottom(bottom), m_divisorSteps(divisorSteps), m_tops(tops), m_sign1(sign1),
          m_perTop(top.mostSteps(1)), m_most(most)
    {
    }

    bool pairAt(Wide unit, Pair &pair) const override
    {
        const Wide perDivisor = Wide(m_most) * m_perTop;
        const Int term2 = m_bottom.valueAt(m_divisorSteps.lo + Int(unit / perDivisor));
        const Int divisor = term2 < 0 ? -term2 : term2;
        const Int rest = Int(unit % perDivisor);
        const Int top = ceilDiv(m_tops.lo, divisor) * divisor + rest / m_perTop * divisor;
        if (top > m_tops.hi)
            return false;
        const Span steps = m_top.steps({m_sign1 * top, m_sign1 * top});
        if (rest % m_perTop >= steps.size())
            return false;
        pair = {m_sign1 * top, term2};
        return true;
    }

    bool list(Listing &listing) const override
    {
        const Int a = m_bottom.valueAt(m_divisorSteps.lo), b = m_bottom.valueAt(m_divisorSteps.hi);
        const Span values = {std::min(a, b), std::max(a, b)};
        if (!listing.look(Wide(values.size()) * m_most))
            return false;
        for (Int term2 = values.lo; term2 <= values.hi; ++term2) {
            const Int divisor = term2 < 0 ? -term2 : term2;
            for (Int top = ceilDiv(m_tops.lo, divisor) * divisor; top <= m_tops.hi;
                 top += divisor) {
                if (!listing.add({m_sign1 * top, term2},
                                 pairWeight(m_top, m_bottom, m_sign1 * top, term2)))
                    return false;
            }
        }
        return true;
    }

private:
    TermDraw m_top;
    TermDraw m_bottom;
    Span m_divisorSteps;
    Span m_tops;
    int m_sign1;
    Int m_perTop;
    Int m_most;
};

// Units (quotient, divisor step, top step) for quotients q of one stretch: the divisors above
// the width whose multiple by q is a top, at most perQuotient steps of them.
class QuotientProposal : public Proposal
{
public:
    QuotientProposal(const TermDraw &top, const TermDraw &bottom, Span quotients, Span tops,
                     Span divisors, int sign1, int sign2)
        : Proposal(Wide(quotients.size()) * bottom.mostSteps((tops.size() - 1) / quotients.lo + 1) *
                   top.mostSteps(1)),
          m_top(top), m_bottom(bottom), m_quotients(quotients), m_tops(tops), m_divisors(divisors),
          m_sign1(sign1), m_sign2(sign2),
          m_perQuotient(bottom.mostSteps((tops.size() - 1) / quotients.lo + 1)),
          m_perTop(top.mostSteps(1))
    {
    }

    bool pairAt(Wide unit, Pair &pair) const override
    {
        const Wide perQuotient = Wide(m_perQuotient) * m_perTop;
        const Int quotient = m_quotients.lo + Int(unit / perQuotient);
        const Int rest = Int(unit % perQuotient);
        const Span divisors = divisorsOf(quotient);
        const Span divisorSteps = m_bottom.steps(withSign(divisors, m_sign2));
        if (rest / m_perTop >= divisorSteps.size())
            return false;
        const Int term2 = m_bottom.valueAt(divisorSteps.lo + rest / m_perTop);
        const Int top = quotient * (term2 < 0 ? -term2 : term2);
        if (rest % m_perTop >= m_top.weight(m_sign1 * top))
            return false;
        pair = {m_sign1 * top, term2};
        return true;
    }

    bool list(Listing &listing) const override
    {
        // The divisors that pair with each quotient, counted first: a few bottoms can pair with
        // a wide span of tops, where every unit but a handful stands for no pair.
        Wide count = 0;
        for (Int quotient = m_quotients.lo; quotient <= m_quotients.hi; ++quotient)
            count += divisorsOf(quotient).size();
        if (!listing.look(count))
            return false;
        for (Int quotient = m_quotients.lo; quotient <= m_quotients.hi; ++quotient) {
            const Span divisors = divisorsOf(quotient);
            for (Int divisor = divisors.lo; divisor <= divisors.hi; ++divisor) {
                const Pair pair = {m_sign1 * quotient * divisor, m_sign2 * divisor};
                if (!listing.add(pair, pairWeight(m_top, m_bottom, pair.term1, pair.term2)))
                    return false;
            }
        }
        return true;
    }

private:
    Span divisorsOf(Int quotient) const
    {
        return meet(m_divisors, {ceilDiv(m_tops.lo, quotient), m_tops.hi / quotient});
    }

    TermDraw m_top;
    TermDraw m_bottom;
    Span m_quotients;
    Span m_tops;
    Span m_divisors;
    int m_sign1;
    int m_sign2;
    Int m_perQuotient;
    Int m_perTop;
};

} // namespace

void addWholeQuotients(int sign1, int sign2, const TermDraw &top, const TermDraw &bottom,
                       const Terms &terms, PairSampler &sampler)
{
    const Span tops = drawnMagnitudes(top, terms.top, sign1);
    const Span divisors = drawnMagnitudes(bottom, terms.bottom, sign2);
    if (tops.empty() || divisors.empty())
        return;
    const Int width = tops.size();

    // Divisors up to the width: propose a multiple and its step, or a top and test it, whichever
    // has fewer units.
    const Span topSteps = top.steps(withSign(tops, sign1));
    cutAtPowersOf2(meet(divisors, {1, width}), [&](Span stretch) {
        const Span divisorSteps = bottom.steps(withSign(stretch, sign2));
        const Int most = (width - 1) / stretch.lo + 1;
        if (Wide(most) * top.mostSteps(1) <= topSteps.size()) {
            sampler.add(
                std::make_unique<MultiplesProposal>(top, bottom, divisorSteps, tops, sign1, most));
            return;
        }
        auto divides = [](const Pair &pair) { return pair.term1 % pair.term2 == 0; };
        sampler.add(std::make_unique<WindowProposal>(
            bottom, divisorSteps, top, topSteps.size(),
            [span = withSign(tops, sign1)](Int) { return span; }, false, divides));
    });

    // Quotients up to the width with divisors above it, and at most the largest top.
    const Span large = meet(divisors, {width + 1, tops.hi});
    const Span quotients = {1, std::min(width, tops.hi / (width + 1))};
    if (!large.empty() && !quotients.empty()) {
        if (width > CountedWidth) {
            cutAtPowersOf2(quotients, [&](Span stretch) {
                sampler.add(std::make_unique<QuotientProposal>(top, bottom, stretch, tops, large,
                                                               sign1, sign2));
            });
        } else {
            std::vector<TableProposal::Entry> entries;
            for (Int quotient = quotients.lo; quotient <= quotients.hi; ++quotient) {
                const Span values =
                    withSign(meet(large, {ceilDiv(tops.lo, quotient), tops.hi / quotient}), sign2);
                const Span steps = bottom.steps(values);
                // Each step, or each value, whichever are fewer.
                if (steps.size() <= values.size()) {
                    for (Int step = steps.lo; step <= steps.hi; ++step) {
                        const Int term2 = bottom.valueAt(step);
                        const Int topTerm = sign1 * quotient * (term2 < 0 ? -term2 : term2);
                        const Wide weight = top.weight(topTerm);
                        if (weight > 0)
                            entries.push_back({{topTerm, term2}, weight});
                    }
                } else {
                    for (Int term2 = values.lo; term2 <= values.hi; ++term2)
                        addCounted(entries, top, bottom,
                                   sign1 * quotient * (term2 < 0 ? -term2 : term2), term2);
                }
            }
            sampler.add(std::make_unique<TableProposal>(entries));
        }
    }

    // Both above the width: then each has at most one multiple among the tops, and the smaller is
    // at most the square root of the largest top, so a scan of those finds every pair. A few tops
    // are cheaper to factor.
    std::vector<TableProposal::Entry> entries;
    auto addPair = [&](Int topTerm, Int divisor) {
        if (divisor > width && topTerm / divisor > width && divisors.contains(divisor))
            addCounted(entries, top, bottom, sign1 * topTerm, sign2 * divisor);
    };
    const Int root = floorSqrt(tops.hi);
    if (width * DivisionsPerFactoring < root - width) {
        std::uint32_t found[MaxDivisors];
        for (Int topTerm = tops.lo; topTerm <= tops.hi; ++topTerm) {
            const int count = ListDivisors(std::uint32_t(topTerm), found);
            for (int i = 0; i < count; ++i)
                addPair(topTerm, found[i]);
        }
    } else {
        for (Int x = width + 1; x <= root; ++x) {
            const Int topTerm = ceilDiv(tops.lo, x) * x;
            if (topTerm > tops.hi || topTerm / x < x)
                continue;
            addPair(topTerm, x);
            if (topTerm / x != x)
                addPair(topTerm, topTerm / x);
        }
    }
    sampler.add(std::make_unique<TableProposal>(entries));
}

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
