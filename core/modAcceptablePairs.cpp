#include "core/modAcceptablePairs.h"

#include "core/modFractionBands.h"
#include "core/modOperations.h"
#include "core/modProductSearch.h"
#include "core/modTermSpans.h"

#include <algorithm>

namespace
{

using namespace pairs;

// Building acceptable pairs directly. For a given top term the bottom terms that give one kind of
// result form an interval (or, for whole division, the multiples of the divisor), so the sets of
// acceptable pairs are a few pieces of simple shape.

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
        return buildFraction(piece.sign1, piece.sign2, terms, chooser, pair.term1, pair.term2);
    }
    return false;
}

// Counting the pairs of a piece, to tell how likely a plain draw is to give one. Sums and
// differences and the zero pieces are counted exactly; products and quotients, whose exact counts
// would need the scan that the construction avoids, get an upper bound that is close enough to
// tell a rare piece from a common one.

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
    case Piece::Shape::FractionQuotient:
        return fractionCountBound(piece.sign1, piece.sign2, terms);
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
