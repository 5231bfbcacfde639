#include "model/modFractionBands.h"

#include <memory>
#include <vector>

namespace pairs
{

bool buildFraction(int sign1, int sign2, const Terms &terms, const Chooser &chooser, Int &term1,
                   Int &term2)
{
    const Span divisors = meet(magnitudes(terms.bottom, sign2), {2, Int32MinMagnitude});
    if (divisors.empty())
        return false;
    const int side = sign1;
    auto band = [&](Int divisor) {
        const Int half = divisor / 2;
        const Span tops = side > 0   ? Span{half + 1, Int32Max}
                          : side < 0 ? Span{Int32Min, -half - 1}
                                     : Span{-half, half};
        return meet(tops, terms.top);
    };

    // Where the band holds at least two top terms one is not a multiple of the divisor; where it
    // holds one, that term must not be a multiple.
    Span wide{0, -1};
    Span single{0, -1};
    if (side == 0) {
        const Int wideFrom = firstWhere(divisors, [&](Int m) { return band(m).size() >= 2; });
        const Int anyFrom = firstWhere(divisors, [&](Int m) { return band(m).size() >= 1; });
        wide = {wideFrom, divisors.hi};
        single = {anyFrom, wideFrom - 1};
    } else {
        const Int wideTo = firstWhere(divisors, [&](Int m) { return band(m).size() < 2; }) - 1;
        const Int anyTo = firstWhere(divisors, [&](Int m) { return band(m).size() < 1; }) - 1;
        wide = {divisors.lo, wideTo};
        single = {wideTo + 1, anyTo};
    }

    const bool wideFirst = !chooser.coin();
    for (int pass = 0; pass < 2; ++pass) {
        if ((pass == 0) == wideFirst) {
            if (wide.empty())
                continue;
            const Int divisor = chooser.pick(wide);
            term1 = chooser.pickNonMultiple(band(divisor), divisor);
            term2 = sign2 * divisor;
            return true;
        }
        if (single.empty())
            continue;
        // The bands are nested, so the one top term is the same for every divisor here. Runs of
        // consecutive divisors of a nonzero 32-bit number are short, so this scan ends quickly.
        const Int top = band(single.lo).lo;
        if (top == 0)
            continue;
        const Int start = chooser.pick(single);
        for (Int step = 0; step < single.size(); ++step) {
            Int divisor = start + step;
            if (divisor > single.hi)
                divisor -= single.size();
            if (top % divisor != 0) {
                term1 = top;
                term2 = sign2 * divisor;
                return true;
            }
        }
    }
    return false;
}

double fractionCountBound(int sign1, int sign2, const Terms &terms)
{
    // A divisor m rounds tops of magnitude up to m / 2 to 0, at most m + 1 of them, and the
    // bands of the other sides shrink as m grows.
    const Span divisors = meet(magnitudes(terms.bottom, sign2), {2, Int32MinMagnitude});
    if (divisors.empty())
        return 0;
    if (sign1 != 0) {
        const Int half = divisors.lo / 2;
        const Span widest =
            meet(terms.top, sign1 > 0 ? Span{half + 1, Int32Max} : Span{Int32Min, -half - 1});
        return double(divisors.size()) * double(widest.size());
    }
    const Int cap = terms.top.size() - 1; // from here on a band holds every top
    const Span growing = meet(divisors, {2, cap});
    const double below = growing.empty() ? 0.0
                                         : (double(growing.lo) + double(growing.hi) + 2.0) *
                                               double(growing.size()) / 2.0;
    return below +
           double(meet(divisors, {cap + 1, Int32MinMagnitude}).size()) * double(terms.top.size());
}

void addFractions(int sign1, int sign2, const TermDraw &top, const TermDraw &bottom,
                  const Terms &terms, PairSampler &sampler)
{
    Span divisors = meet(magnitudes(terms.bottom, sign2), {2, Int32MinMagnitude});
    const Span topTerms = terms.top;
    auto band = [sign1, topTerms](Int divisor) {
        const Int half = divisor / 2;
        const Span tops = sign1 > 0   ? Span{half + 1, Int32Max}
                          : sign1 < 0 ? Span{Int32Min, -half - 1}
                                      : Span{-half, half};
        return meet(tops, topTerms);
    };
    // Away from 0 the bands end where half the divisor passes the largest top of that side.
    if (sign1 != 0)
        divisors = meet(divisors, {2, 2 * magnitudes(topTerms, sign1).hi - 1});
    auto remainder = [](const Pair &pair) { return pair.term1 % pair.term2 != 0; };
    // A top of 0 never leaves a remainder, and can have almost every step of r: the band of
    // quotients that round to 0 is taken one side of 0 at a time.
    const std::vector<Span> sides = sign1 == 0 ? std::vector<Span>{{Int32Min, -1}, {1, Int32Max}}
                                               : std::vector<Span>{{Int32Min, Int32Max}};
    for (const Span side : sides) {
        cutAtPowersOf2(divisors, [&](Span stretch) {
            const Span widest = meet(band(sign1 == 0 ? stretch.hi : stretch.lo), side);
            sampler.add(std::make_unique<WindowProposal>(
                bottom, bottom.steps(withSign(stretch, sign2)), top, top.steps(widest).size(),
                [band, side](Int term2) { return meet(band(term2 < 0 ? -term2 : term2), side); },
                false, remainder));
        });
    }
}

} // namespace pairs
