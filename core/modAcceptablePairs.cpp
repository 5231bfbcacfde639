#include "core/modAcceptablePairs.h"

#include "core/modGlobalsConstants.h"
#include "core/modOperations.h"
#include "core/modPrimeFactors.h"
#include "core/modRandom.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

// Building acceptable pairs directly. For a given top term the bottom terms that give one kind of
// result form an interval (or, for whole division, the multiples of the divisor), so the sets of
// acceptable pairs are a few pieces of simple shape. All arithmetic here is 64-bit, so the bounds
// of 32-bit results can be written as they are.

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

Span meet(Span a, Span b)
{
    return {std::max(a.lo, b.lo), std::min(a.hi, b.hi)};
}

// Division rounding down and up, for a positive divisor.
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

// The values random_number gives for these limits: low to high, or high + 1 to low when high is
// below low.
Span termSpan(std::int32_t low, std::int32_t high)
{
    if (low <= high)
        return {low, high};
    return {Int(high) + 1, low};
}

// The magnitudes of the nonzero values of a span on one side of 0.
Span magnitudes(Span span, int sign)
{
    if (sign > 0)
        return {std::max<Int>(span.lo, 1), span.hi};
    return {std::max<Int>(-span.hi, 1), -span.lo};
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

struct Terms {
    Span top;
    Span bottom;
};

Terms currentTerms()
{
    return {termSpan(glTerm1Low, glTerm1High), termSpan(glTerm2Low, glTerm2High)};
}

struct Pair {
    Int term1 = 0;
    Int term2 = 0;
};

// One piece of the acceptable pairs of an operation.
struct Piece {
    enum class Shape {
        Sum,              // term1 + term2 within result
        Difference,       // term1 - term2 within result
        ZeroTop,          // term1 = 0 with any term2 (a product of 0)
        ZeroBottom,       // term2 = 0 with any term1 (a product of 0)
        Product,          // signs given, |term1 * term2| <= bound
        ZeroDividend,     // 0 divided by any nonzero term2
        WholeQuotient,    // term1 = k * term2, signs given, 1 <= |k| <= bound
        FractionQuotient, // term2 of sign2, a remainder, term1 of sign1 (0: quotient rounds to 0)
    };

    Shape shape = Shape::Sum;
    Span result{0, -1};
    int sign1 = 0;
    int sign2 = 0;
    Int bound = 0;
};

constexpr int MaxPieces = 11;

// The results of one sign.
Span kindSpan(ResultKind kind)
{
    if (kind == ResultKind::Positive)
        return {1, Int32Max};
    if (kind == ResultKind::Negative)
        return {Int32Min, -1};
    return {0, 0};
}

int collectPieces(std::int32_t operation, Piece (&pieces)[MaxPieces])
{
    int count = 0;
    auto add = [&](Piece::Shape shape, int sign1 = 0, int sign2 = 0, Int bound = 0) {
        Piece &piece = pieces[count++];
        piece.shape = shape;
        piece.sign1 = sign1;
        piece.sign2 = sign2;
        piece.bound = bound;
    };
    auto addKind = [&](Piece::Shape shape, bool allowed, ResultKind kind) {
        if (!allowed)
            return;
        add(shape);
        pieces[count - 1].result = kindSpan(kind);
    };

    const Operation *row = FindOperation(operation);
    if (!row)
        return 0;
    switch (operation) {
    case OperationAdd:
    case OperationSubtract: {
        const auto shape = operation == OperationAdd ? Piece::Shape::Sum : Piece::Shape::Difference;
        for (const ResultKindFlag &kind : row->kinds)
            addKind(shape, *kind.allowed, kind.kind);
        break;
    }
    case OperationMultiply:
        add(Piece::Shape::ZeroTop);
        add(Piece::Shape::ZeroBottom);
        if (row->allows(ResultKind::Positive)) {
            add(Piece::Shape::Product, 1, 1, Int32Max);
            add(Piece::Shape::Product, -1, -1, Int32Max);
        }
        if (row->allows(ResultKind::Negative)) {
            add(Piece::Shape::Product, 1, -1, Int32MinMagnitude);
            add(Piece::Shape::Product, -1, 1, Int32MinMagnitude);
        }
        break;
    case OperationDivide:
        if (row->allows(ResultKind::Whole)) {
            add(Piece::Shape::ZeroDividend);
            // A positive quotient stops at INT32_MAX, which leaves out INT32_MIN / -1.
            if (row->allows(ResultKind::Positive)) {
                add(Piece::Shape::WholeQuotient, 1, 1, Int32Max);
                add(Piece::Shape::WholeQuotient, -1, -1, Int32Max);
            }
            if (row->allows(ResultKind::Negative)) {
                add(Piece::Shape::WholeQuotient, 1, -1, Int32MinMagnitude);
                add(Piece::Shape::WholeQuotient, -1, 1, Int32MinMagnitude);
            }
        }
        if (row->allows(ResultKind::Fraction)) {
            for (const int sign2 : {1, -1}) {
                add(Piece::Shape::FractionQuotient, 0, sign2);
                if (row->allows(ResultKind::Positive))
                    add(Piece::Shape::FractionQuotient, sign2, sign2);
                if (row->allows(ResultKind::Negative))
                    add(Piece::Shape::FractionQuotient, -sign2, sign2);
            }
        }
        break;
    }
    return count;
}

// Narrows xs and ys, all positive, to the factors that have a partner in the other with a product
// in products; false when no pair is left.
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

// Pairs x in xs and y in ys whose product lies in products, all positive. With w products in a
// row, every x up to w has a multiple among them, and so has every y up to w: those pairs are
// built at once. Pairs with both factors above w are rare and must be searched for, by factoring
// the few products or by scanning the small factors, whichever costs less.
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

// Divisions with a remainder by a bottom term of sign sign2 whose top term lies on the side of
// sign1, far enough from 0 that the quotient does not round to 0 (sign1 0: near enough that it
// does). For a divisor of magnitude m and h = m / 2, the quotient rounds to 0 for |top| <= h (a
// half goes to the even 0) and away from 0 beyond, so the top terms form a band that grows or
// shrinks with m; only divisors of at least 2 leave a remainder.
bool buildFraction(const Piece &piece, const Terms &terms, const Chooser &chooser, Pair &pair)
{
    const Span divisors = meet(magnitudes(terms.bottom, piece.sign2), {2, Int32MinMagnitude});
    if (divisors.empty())
        return false;
    const int side = piece.sign1;
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
            pair.term1 = chooser.pickNonMultiple(band(divisor), divisor);
            pair.term2 = piece.sign2 * divisor;
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
                pair.term1 = top;
                pair.term2 = piece.sign2 * divisor;
                return true;
            }
        }
    }
    return false;
}

bool buildPair(const Piece &piece, const Terms &terms, const Chooser &chooser, Pair &pair)
{
    const Span top = terms.top;
    const Span bottom = terms.bottom;
    const Span result = piece.result;
    switch (piece.shape) {
    case Piece::Shape::Sum: {
        const Span tops = meet(top, {result.lo - bottom.hi, result.hi - bottom.lo});
        if (tops.empty())
            return false;
        pair.term1 = chooser.pick(tops);
        pair.term2 = chooser.pick(meet(bottom, {result.lo - pair.term1, result.hi - pair.term1}));
        return true;
    }
    case Piece::Shape::Difference: {
        const Span tops = meet(top, {bottom.lo + result.lo, bottom.hi + result.hi});
        if (tops.empty())
            return false;
        pair.term1 = chooser.pick(tops);
        pair.term2 = chooser.pick(meet(bottom, {pair.term1 - result.hi, pair.term1 - result.lo}));
        return true;
    }
    case Piece::Shape::ZeroTop:
        if (!top.contains(0))
            return false;
        pair.term1 = 0;
        pair.term2 = chooser.pick(bottom);
        return true;
    case Piece::Shape::ZeroBottom:
        if (!bottom.contains(0))
            return false;
        pair.term1 = chooser.pick(top);
        pair.term2 = 0;
        return true;
    case Piece::Shape::Product: {
        const Span xs = magnitudes(top, piece.sign1);
        const Span ys = magnitudes(bottom, piece.sign2);
        if (xs.empty() || ys.empty())
            return false;
        const Span tops = meet(xs, {1, piece.bound / ys.lo});
        if (tops.empty())
            return false;
        const Int x = chooser.pick(tops);
        const Int y = chooser.pick(meet(ys, {1, piece.bound / x}));
        pair.term1 = piece.sign1 * x;
        pair.term2 = piece.sign2 * y;
        return true;
    }
    case Piece::Shape::ZeroDividend:
        if (!top.contains(0) || bottom.size() <= (bottom.contains(0) ? 1 : 0))
            return false;
        pair.term1 = 0;
        pair.term2 = chooser.pickNonzero(bottom);
        return true;
    case Piece::Shape::WholeQuotient: {
        Int divisor = 0;
        Int quotient = 0;
        if (!findProduct(magnitudes(bottom, piece.sign2), {1, piece.bound},
                         magnitudes(top, piece.sign1), chooser, divisor, quotient))
            return false;
        pair.term1 = piece.sign1 * divisor * quotient;
        pair.term2 = piece.sign2 * divisor;
        return true;
    }
    case Piece::Shape::FractionQuotient:
        return buildFraction(piece, terms, chooser, pair);
    }
    return false;
}

// Counting the pairs of a piece, to tell how likely a plain draw is to give one. Sums and
// differences and the zero pieces are counted exactly; products and quotients, whose exact counts
// would need the scan that the construction avoids, get an upper bound that is close enough to
// tell a rare piece from a common one.

__extension__ using Wide = __int128; // counts of 32-bit pairs reach 2^64

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

// Pairs x in xs and y in ys whose product lies in products, all positive: at most. Each x has at
// most (w - 1) / x + 1 multiples among w products in a row, likewise each y, and no product has
// more than MaxDivisors divisors.
double productsInBound(Span xs, Span ys, Span products)
{
    if (!narrowToProducts(xs, ys, products))
        return 0;
    const double gaps = double(products.size() - 1);
    const double byX = double(xs.size()) + gaps * reciprocalSum(xs);
    const double byY = double(ys.size()) + gaps * reciprocalSum(ys);
    return std::min({byX, byY, double(products.size()) * MaxDivisors});
}

double pieceCountBound(const Piece &piece, const Terms &terms)
{
    const Span top = terms.top;
    const Span bottom = terms.bottom;
    switch (piece.shape) {
    case Piece::Shape::Sum:
        return pairsWithSumIn(top, bottom, piece.result);
    case Piece::Shape::Difference:
        return pairsWithSumIn(top, {-bottom.hi, -bottom.lo}, piece.result);
    case Piece::Shape::ZeroTop:
        return top.contains(0) ? double(bottom.size()) : 0;
    case Piece::Shape::ZeroBottom:
        return bottom.contains(0) ? double(top.size()) : 0;
    case Piece::Shape::Product:
        return productsAtMostBound(magnitudes(top, piece.sign1), magnitudes(bottom, piece.sign2),
                                   piece.bound);
    case Piece::Shape::ZeroDividend:
        return top.contains(0) ? double(bottom.size() - (bottom.contains(0) ? 1 : 0)) : 0;
    case Piece::Shape::WholeQuotient:
        return productsInBound(magnitudes(bottom, piece.sign2), {1, piece.bound},
                               magnitudes(top, piece.sign1));
    case Piece::Shape::FractionQuotient: {
        // A divisor m rounds tops of magnitude up to m / 2 to 0, at most m + 1 of them, and the
        // bands of the other sides shrink as m grows.
        const Span divisors = meet(magnitudes(bottom, piece.sign2), {2, Int32MinMagnitude});
        if (divisors.empty())
            return 0;
        if (piece.sign1 != 0) {
            const Int half = divisors.lo / 2;
            const Span widest =
                meet(top, piece.sign1 > 0 ? Span{half + 1, Int32Max} : Span{Int32Min, -half - 1});
            return double(divisors.size()) * double(widest.size());
        }
        const Int cap = top.size() - 1; // from here on a band holds every top
        const Span growing = meet(divisors, {2, cap});
        const double below = growing.empty() ? 0.0
                                             : (double(growing.lo) + double(growing.hi) + 2.0) *
                                                   double(growing.size()) / 2.0;
        return below +
               double(meet(divisors, {cap + 1, Int32MinMagnitude}).size()) * double(top.size());
    }
    }
    return 0;
}

} // namespace

bool AcceptablePairExists(std::int32_t operation)
{
    const Terms terms = currentTerms();
    Piece pieces[MaxPieces];
    const int count = collectPieces(operation, pieces);
    const Chooser first(false);
    for (int i = 0; i < count; ++i) {
        Pair pair;
        if (buildPair(pieces[i], terms, first, pair))
            return true;
    }
    return false;
}

double AcceptableShareBound(std::int32_t operation)
{
    const Terms terms = currentTerms();
    Piece pieces[MaxPieces];
    const int count = collectPieces(operation, pieces);
    double pairs = 0;
    for (int i = 0; i < count; ++i)
        pairs += pieceCountBound(pieces[i], terms);
    return std::min(1.0, pairs / (double(terms.top.size()) * double(terms.bottom.size())));
}

std::optional<TermPair> ConstructAcceptablePair(std::int32_t operation)
{
    const Terms terms = currentTerms();
    Piece pieces[MaxPieces];
    const int count = collectPieces(operation, pieces);
    const Chooser random(true);

    // The first piece tried is picked in proportion to its count of pairs, and the rest follow in
    // turn: every piece can come first, so every pair stays reachable, with one draw.
    double weights[MaxPieces];
    double total = 0;
    for (int i = 0; i < count; ++i)
        total += weights[i] = pieceCountBound(pieces[i], terms);
    int first = 0;
    if (total > 0) {
        constexpr Int Steps = Int(1) << 53;
        double point = double(random.pick({0, Steps - 1})) / double(Steps) * total;
        while (first < count - 1 && point >= weights[first])
            point -= weights[first++];
    }
    for (int i = 0; i < count; ++i) {
        Pair pair;
        if (buildPair(pieces[(first + i) % count], terms, random, pair))
            return TermPair{static_cast<std::int32_t>(pair.term1),
                            static_cast<std::int32_t>(pair.term2)};
    }
    return std::nullopt;
}
