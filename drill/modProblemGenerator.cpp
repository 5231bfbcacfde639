#include "drill/modProblemGenerator.h"

#include "core/modGlobalsConstants.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>

namespace
{

// SplitMix64: a small generator whose every output is a strong hash of its state, so mixing a
// clock reading into the state never leaves it in a poor spot.
class ClockMixedGenerator
{
public:
    void seed(std::uint64_t value, bool mixClock)
    {
        m_state = value;
        m_mixClock = mixClock;
    }

    // Re-seeds from the clock by mixing the reading into the state rather than replacing it, so
    // two draws within one clock tick still differ.
    void mixInClock()
    {
        if (!m_mixClock)
            return;
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        m_state ^= mix(static_cast<std::uint64_t>(ticks));
    }

    // 24 random bits scaled into [0, 1): every value is exact in single precision and below 1.
    float nextSingle() { return float(next() >> 40) * 0x1.0p-24f; }

    // A uniform whole number from 0 to count - 1. Drawing 64 bits reaches every value of any
    // range of 32-bit terms, which 24 bits of a single cannot; values below the threshold are
    // drawn again so that no remainder is favoured.
    std::uint64_t nextBelow(std::uint64_t count)
    {
        const std::uint64_t threshold = (0 - count) % count;
        for (;;) {
            const std::uint64_t value = next();
            if (value >= threshold)
                return value % count;
        }
    }

private:
    static std::uint64_t mix(std::uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        return mix(m_state);
    }

    std::uint64_t m_state = 0x853C49E6748FEA9Bull;
    bool m_mixClock = true;
};

ClockMixedGenerator &generator()
{
    static ClockMixedGenerator instance;
    return instance;
}

RandomSource &testSource()
{
    static RandomSource source;
    return source;
}

int &plainDrawLimit()
{
    static int limit = MaxDrawsPerOperation;
    return limit;
}

bool fitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

bool signAllowed(std::int32_t result, bool positive, bool zero, bool negative)
{
    if (result > 0)
        return positive;
    if (result < 0)
        return negative;
    return zero;
}

bool isIncluded(std::int32_t operation)
{
    switch (operation) {
    case OperationAdd:
        return gbAdd;
    case OperationSubtract:
        return gbSub;
    case OperationMultiply:
        return gbMult;
    case OperationDivide:
        return gbDiv;
    }
    return false;
}

// Picks one of the operations still in play with random_number(1, count) over their slots,
// filled in the fixed order addition, subtraction, multiplication, division.
std::int32_t pickOperation(const std::array<bool, 5> &setAside)
{
    std::array<std::int32_t, 5> slots{};
    std::int32_t count = 0;
    for (std::int32_t operation = OperationAdd; operation <= OperationDivide; ++operation) {
        if (isIncluded(operation) && !setAside[operation])
            slots[++count] = operation;
    }
    const auto k = static_cast<std::int32_t>(random_number(1, count));
    return slots[k];
}

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

// A uniform whole number from lo to hi, from the same clock-mixed generator as random_number.
Int uniformInt(Int lo, Int hi)
{
    const std::uint64_t count = std::uint64_t(hi - lo) + 1;
    if (testSource()) {
        const double r = std::clamp(double(testSource()()), 0.0, 1.0);
        return lo + Int(std::min<std::uint64_t>(std::uint64_t(double(count) * r), count - 1));
    }
    generator().mixInClock();
    return lo + Int(generator().nextBelow(count));
}

// Makes the choices of a construction: at random when drawing a problem, or always the first
// option when only asking whether an acceptable pair exists.
class Chooser
{
public:
    explicit Chooser(bool random) : m_random(random) {}

    Int pick(Span span) const { return m_random ? uniformInt(span.lo, span.hi) : span.lo; }
    bool coin() const { return m_random && uniformInt(0, 1) == 1; }

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
        FractionQuotient, // term2 of sign2, a remainder, quotient rounding to the side of sign1
    };

    Shape shape = Shape::Sum;
    Span result{0, -1};
    int sign1 = 0;
    int sign2 = 0;
    Int bound = 0;
};

constexpr int MaxPieces = 11;

Span kindSpan(int sign)
{
    if (sign > 0)
        return {1, Int32Max};
    if (sign < 0)
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
    auto addKind = [&](Piece::Shape shape, bool allowed, int sign) {
        if (!allowed)
            return;
        add(shape);
        pieces[count - 1].result = kindSpan(sign);
    };

    switch (operation) {
    case OperationAdd:
        addKind(Piece::Shape::Sum, gbAddPos, 1);
        addKind(Piece::Shape::Sum, gbAddZero, 0);
        addKind(Piece::Shape::Sum, gbAddNeg, -1);
        break;
    case OperationSubtract:
        addKind(Piece::Shape::Difference, gbSubPos, 1);
        addKind(Piece::Shape::Difference, gbSubZero, 0);
        addKind(Piece::Shape::Difference, gbSubNeg, -1);
        break;
    case OperationMultiply:
        add(Piece::Shape::ZeroTop);
        add(Piece::Shape::ZeroBottom);
        if (gbMultPos) {
            add(Piece::Shape::Product, 1, 1, Int32Max);
            add(Piece::Shape::Product, -1, -1, Int32Max);
        }
        if (gbMultNeg) {
            add(Piece::Shape::Product, 1, -1, Int32MinMagnitude);
            add(Piece::Shape::Product, -1, 1, Int32MinMagnitude);
        }
        break;
    case OperationDivide:
        if (gbDivWhole) {
            add(Piece::Shape::ZeroDividend);
            // A positive quotient stops at INT32_MAX, which leaves out INT32_MIN / -1.
            if (gbDivPos) {
                add(Piece::Shape::WholeQuotient, 1, 1, Int32Max);
                add(Piece::Shape::WholeQuotient, -1, -1, Int32Max);
            }
            if (gbDivNeg) {
                add(Piece::Shape::WholeQuotient, 1, -1, Int32MinMagnitude);
                add(Piece::Shape::WholeQuotient, -1, 1, Int32MinMagnitude);
            }
        }
        if (gbDivFraction) {
            for (const int sign2 : {1, -1}) {
                add(Piece::Shape::FractionQuotient, 0, sign2);
                if (gbDivPos)
                    add(Piece::Shape::FractionQuotient, sign2, sign2);
                if (gbDivNeg)
                    add(Piece::Shape::FractionQuotient, -sign2, sign2);
            }
        }
        break;
    }
    return count;
}

// Pairs x in xs and y in ys whose product lies in products, all positive. Of any such pair one
// factor is at most the square root of the largest product, so scanning the small values of one
// factor and then of the other meets every pair; the scan starts at a chosen value and wraps.
bool findProduct(Span xs, Span ys, Span products, const Chooser &chooser, Int &x, Int &y)
{
    if (xs.empty() || ys.empty() || products.empty())
        return false;
    xs = meet(xs, {ceilDiv(products.lo, ys.hi), products.hi / ys.lo});
    if (xs.empty())
        return false;
    ys = meet(ys, {ceilDiv(products.lo, xs.hi), products.hi / xs.lo});
    if (ys.empty())
        return false;

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

// Divisions with a remainder by a bottom term of sign sign2 whose rounded quotient lies on the
// side of sign1 (0: rounds to 0). For a divisor of magnitude m and h = m / 2, the quotient rounds
// to 0 for |top| <= h (a half goes to the even 0) and away from 0 beyond, so the top terms form a
// band that grows or shrinks with m; only divisors of at least 2 leave a remainder.
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

// Draws terms for one operation until a result is allowed: first plain draws, which keep the
// problems uniform, then, where those miss, a pair built directly. An operation with no acceptable
// pair at all is recognised without drawing.
bool drawForOperation(std::int32_t operation)
{
    if (!AcceptablePairExists(operation))
        return false;
    for (int draw = 0; draw < plainDrawLimit(); ++draw) {
        glTerm1 = static_cast<std::int32_t>(random_number(glTerm1Low, glTerm1High));
        glTerm2 = static_cast<std::int32_t>(random_number(glTerm2Low, glTerm2High));
        const std::optional<std::int32_t> result = ComputeResult(operation, glTerm1, glTerm2);
        if (!result)
            continue;
        glResult = *result;
        if (ResultAllowed(operation, glTerm1, glTerm2, glResult))
            return true;
    }
    const std::optional<TermPair> pair = ConstructAcceptablePair(operation);
    if (!pair)
        return false;
    const std::optional<std::int32_t> result = ComputeResult(operation, pair->term1, pair->term2);
    if (!result || !ResultAllowed(operation, pair->term1, pair->term2, *result))
        return false;
    glTerm1 = pair->term1;
    glTerm2 = pair->term2;
    glResult = *result;
    return true;
}

} // namespace

double random_number(std::int32_t low, std::int32_t high)
{
    float r;
    if (testSource()) {
        r = testSource()();
    } else {
        generator().mixInClock();
        r = generator().nextSingle();
    }
    // floor(n * r + low) equals floor(n * r) + low because low is whole; adding low last keeps a
    // large low from rounding n * r up to the next integer.
    const double n = double(high) - double(low) + 1.0;
    return std::floor(n * double(r)) + double(low);
}

void GenerateOperator()
{
    std::array<std::int32_t, 5> slots{}; // slot 0 unused, as the slots count from 1
    std::int32_t count = 0;
    if (gbAdd)
        slots[++count] = OperationAdd;
    if (gbSub)
        slots[++count] = OperationSubtract;
    if (gbMult)
        slots[++count] = OperationMultiply;
    if (gbDiv)
        slots[++count] = OperationDivide;
    const auto k = static_cast<std::int32_t>(random_number(1, count));
    glOperator = slots[k];
}

std::optional<std::int32_t> ComputeResult(std::int32_t operation, std::int32_t term1,
                                          std::int32_t term2)
{
    const std::int64_t a = term1;
    const std::int64_t b = term2;
    std::int64_t result = 0;
    switch (operation) {
    case OperationAdd:
        result = a + b;
        break;
    case OperationSubtract:
        result = a - b;
        break;
    case OperationMultiply:
        result = a * b;
        break;
    case OperationDivide:
        if (b == 0)
            return std::nullopt;
        // nearbyint rounds a half to the even neighbour in the default rounding mode.
        result = static_cast<std::int64_t>(std::nearbyint(double(a) / double(b)));
        break;
    default:
        return std::nullopt;
    }
    if (!fitsInt32(result))
        return std::nullopt;
    return static_cast<std::int32_t>(result);
}

bool ResultAllowed(std::int32_t operation, std::int32_t term1, std::int32_t term2,
                   std::int32_t result)
{
    switch (operation) {
    case OperationAdd:
        return signAllowed(result, gbAddPos, gbAddZero, gbAddNeg);
    case OperationSubtract:
        return signAllowed(result, gbSubPos, gbSubZero, gbSubNeg);
    case OperationMultiply:
        return signAllowed(result, gbMultPos, true, gbMultNeg);
    case OperationDivide: {
        if (term2 == 0)
            return false;
        // The form looks at the exact division; 64 bits keep INT32_MIN % -1 defined.
        const bool whole = std::int64_t(term1) % std::int64_t(term2) == 0;
        return signAllowed(result, gbDivPos, true, gbDivNeg) &&
               (whole ? gbDivWhole : gbDivFraction);
    }
    }
    return false;
}

bool OperationCanSucceed(std::int32_t operation)
{
    switch (operation) {
    case OperationAdd:
        return gbAddPos || gbAddZero || gbAddNeg;
    case OperationSubtract:
        return gbSubPos || gbSubZero || gbSubNeg;
    case OperationMultiply:
        return true; // a product of 0 needs no flag
    case OperationDivide:
        return gbDivWhole || gbDivFraction;
    }
    return false;
}

GenerateOutcome DrawProblem()
{
    GenerateOperator();
    if (glOperator < OperationAdd || glOperator > OperationDivide) {
        // Nothing is included: the draw stands, with glResult untouched.
        glTerm1 = static_cast<std::int32_t>(random_number(glTerm1Low, glTerm1High));
        glTerm2 = static_cast<std::int32_t>(random_number(glTerm2Low, glTerm2High));
        return GenerateOutcome::InvalidOperator;
    }

    // An operation that yields nothing acceptable is set aside for this press, and another
    // included one is picked from the rest, until none is left.
    std::array<bool, 5> setAside{};
    for (;;) {
        if (drawForOperation(glOperator))
            return GenerateOutcome::Drawn;
        setAside[glOperator] = true;
        bool anyLeft = false;
        for (std::int32_t operation = OperationAdd; operation <= OperationDivide; ++operation)
            anyLeft = anyLeft || (isIncluded(operation) && !setAside[operation]);
        if (!anyLeft)
            break;
        glOperator = pickOperation(setAside);
    }

    glOperator = 0;
    glTerm1 = 0;
    glTerm2 = 0;
    glResult = 0;
    return GenerateOutcome::NothingFits;
}

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

std::optional<TermPair> ConstructAcceptablePair(std::int32_t operation)
{
    const Terms terms = currentTerms();
    Piece pieces[MaxPieces];
    const int count = collectPieces(operation, pieces);
    const Chooser random(true);
    // Trying the pieces in a random order lets each come first, so every pair stays reachable.
    for (int i = count - 1; i > 0; --i)
        std::swap(pieces[i], pieces[random.pick({0, i})]);
    for (int i = 0; i < count; ++i) {
        Pair pair;
        if (buildPair(pieces[i], terms, random, pair))
            return TermPair{static_cast<std::int32_t>(pair.term1),
                            static_cast<std::int32_t>(pair.term2)};
    }
    return std::nullopt;
}

void SetPlainDrawLimit(int draws)
{
    plainDrawLimit() = draws < 0 ? MaxDrawsPerOperation : draws;
}

void SetRandomSource(RandomSource source)
{
    testSource() = std::move(source);
}

void SeedRandomGenerator(std::uint64_t seed, bool mixClock)
{
    generator().seed(seed, mixClock);
}
