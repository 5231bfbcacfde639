#pragma once

#include "model/modPairSampler.h"
#include "model/modTermSpans.h"

// Pairs of positive factors whose product lies in a span of products: the pairs of whole division,
// a divisor and a quotient whose product is the top term.
namespace pairs
{

// Narrows xs and ys, all positive, to the factors that have a partner in the other with a product
// in products; false when no pair is left.
bool narrowToProducts(Span &xs, Span &ys, Span products);

// Pairs x in xs and y in ys whose product lies in products, all positive. With w products in a
// row, every x up to w has a multiple among them, and so has every y up to w: those pairs are
// built at once. Pairs with both factors above w are rare and must be searched for, by factoring
// the few products or by scanning the small factors, whichever costs less.
bool findProduct(Span xs, Span ys, Span products, const Chooser &chooser, Int &x, Int &y);

// Pairs x in xs and y in ys whose product lies in products, all positive: at most. Each x has at
// most (w - 1) / x + 1 multiples among w products in a row, likewise each y, and no product has
// more than MaxDivisorsOfTerm divisors.
double productsInBound(Span xs, Span ys, Span products);

// Proposals covering the whole quotients of tops of sign1 by bottoms of sign2: pairs d, q with the
// top term's magnitude d * q. Divisors up to the width w of the tops each have a multiple among
// them; quotients up to w are next; the rare pairs with both above w are counted one by one.
void addWholeQuotients(int sign1, int sign2, const TermDraw &top, const TermDraw &bottom,
                       const Terms &terms, PairSampler &sampler);

} // namespace pairs
