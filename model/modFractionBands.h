#pragma once

#include "model/modPairSampler.h"
#include "model/modTermSpans.h"

// Divisions that leave a remainder, by the band of top terms each divisor rounds to one side.
namespace pairs
{

// Divisions with a remainder by a bottom term of sign sign2 whose top term lies on the side of
// sign1, far enough from 0 that the quotient does not round to 0 (sign1 0: near enough that it
// does). For a divisor of magnitude m and h = m / 2, the quotient rounds to 0 for |top| <= h (a
// half goes to the even 0) and away from 0 beyond, so the top terms form a band that grows or
// shrinks with m; only divisors of at least 2 leave a remainder.
bool buildFraction(int sign1, int sign2, const Terms &terms, const Chooser &chooser, Int &term1,
                   Int &term2);

// The pairs of buildFraction's piece: at most.
double fractionCountBound(int sign1, int sign2, const Terms &terms);

// Proposals covering buildFraction's piece: for divisors from one power of 2 to the next, the
// widest of their bands of tops bounds the steps of every band.
void addFractions(int sign1, int sign2, const TermDraw &top, const TermDraw &bottom,
                  const Terms &terms, PairSampler &sampler);

} // namespace pairs
