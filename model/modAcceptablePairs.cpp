#include "model/modAcceptablePairs.h"

#include "model/modFractionBands.h"
#include "model/modGlobalsConstants.h"
#include "model/modOperations.h"
#include "model/modPairSampler.h"
#include "model/modProductSearch.h"
#include "model/modRandom.h"
#include "model/modResults.h"
#include "model/modTermSpans.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <limits>
#include <memory>
#include <vector>

namespace
{

using namespace pairs;

// Acceptable pairs within the ranges. For a given top term the bottom terms that give one kind of
// result form an interval (or, for whole division, the multiples of the divisor), so the sets of
// acceptable pairs are a few pieces of simple shape, and building the first pair of each tells
// at once whether the ranges hold one.

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

// Proposals covering the pairs of one piece, as pairs of steps of r.
void addProposals(const Piece &piece, const TermDraw &top, const TermDraw &bottom,
                  const Terms &terms, PairSampler &sampler)
{
    const Span tops = terms.top;
    const Span bottoms = terms.bottom;
    const Span result = piece.result;
    auto add = [&](Span topValues, Int perTop, WindowProposal::Window window) {
        sampler.add(std::make_unique<WindowProposal>(top, top.steps(topValues), bottom, perTop,
                                                     std::move(window)));
    };
    // For a sum or a difference every window has at most this many values.
    const Int widest = std::min(result.size(), bottoms.size());
    switch (piece.shape) {
    case Piece::Shape::Sum:
    case Piece::Shape::Difference: {
        // The windows of the tops of a stretch all lie in the windows' union, and none holds
        // more than widest values. The cuts fall where an end of the window starts or stops
        // moving with the top term.
        const bool sum = piece.shape == Piece::Shape::Sum;
        auto window = [=](Span ts) {
            return sum ? meet(bottoms, {result.lo - ts.hi, result.hi - ts.lo})
                       : meet(bottoms, {ts.lo - result.hi, ts.hi - result.lo});
        };
        const Span topValues = sum ? meet(tops, {result.lo - bottoms.hi, result.hi - bottoms.lo})
                                   : meet(tops, {bottoms.lo + result.lo, bottoms.hi + result.hi});
        const std::vector<Int> points =
            sum ? std::vector<Int>{result.hi - bottoms.hi + 1, result.lo - bottoms.lo}
                : std::vector<Int>{bottoms.lo + result.hi + 1, bottoms.hi + result.lo};
        // The window of term1 is sign * term1 + offset, cut to the bottom terms.
        const WindowProposal::Shift shift =
            sum ? WindowProposal::Shift{-1, result}
                : WindowProposal::Shift{1, {-result.hi, -result.lo}};
        cutForWindows(topValues, points, [&](Span stretch) {
            auto proposal = std::make_unique<WindowProposal>(
                top, top.steps(stretch), bottom,
                std::min(bottom.steps(window(stretch)).size(), bottom.mostSteps(widest)),
                [window](Int term1) {
                    return window({term1, term1});
                });
            proposal->setShift(shift);
            sampler.add(std::move(proposal));
        });
        break;
    }
    case Piece::Shape::ZeroTop:
        add(meet(tops, {0, 0}), bottom.steps(bottoms).size(), [=](Int) { return bottoms; });
        break;
    case Piece::Shape::ZeroBottom:
        // The pair 0, 0 belongs to ZeroTop.
        add(tops, bottom.weight(0), [](Int term1) {
            return term1 == 0 ? Span{0, -1} : Span{0, 0};
        });
        break;
    case Piece::Shape::Product: {
        const Span ys = magnitudes(bottoms, piece.sign2);
        if (ys.empty())
            break;
        // The windows shrink as the top term grows: the first of each stretch is the widest.
        const int sign2 = piece.sign2;
        const Int bound = piece.bound;
        auto window = [=](Int term1) {
            return withSign(meet(ys, {1, bound / (term1 < 0 ? -term1 : term1)}), sign2);
        };
        const Span xs = meet(magnitudes(tops, piece.sign1), {1, bound / ys.lo});
        cutAtPowersOf2(xs, [&](Span stretch) {
            add(withSign(stretch, piece.sign1),
                bottom.steps(window(piece.sign1 * stretch.lo)).size(), window);
        });
        break;
    }
    case Piece::Shape::ZeroDividend:
        for (const Span side : {Span{Int32Min, -1}, Span{1, Int32Max}}) {
            const Span divisors = meet(bottoms, side);
            add(meet(tops, {0, 0}), bottom.steps(divisors).size(), [=](Int) { return divisors; });
        }
        break;
    case Piece::Shape::WholeQuotient:
        addWholeQuotients(piece.sign1, piece.sign2, top, bottom, terms, sampler);
        break;
    case Piece::Shape::FractionQuotient:
        addFractions(piece.sign1, piece.sign2, top, bottom, terms, sampler);
        break;
    }
}

// Units spread over all that tell at once that an acceptable pair exists, unless they are rare.
constexpr int ProbedUnits = 4096;

// Units drawn before the sampler keeps only pairing steps where that is quick.
constexpr int FewRounds = 16;

// Draws of PairSampler::MaxProposals units each from dense proposals that may refuse some.
constexpr int DenseRounds = 256;

// Boxes of at most this many pairs of values have their acceptable pairs counted one by one.
constexpr Int CountedBox = 4096;

// The settings an operation's answers were found for: the limits and every flag.
using Settings = std::array<std::int32_t, 32>;

Settings settingsNow()
{
    Settings settings{glTerm1Low, glTerm1High, glTerm2Low, glTerm2High,
                      std::int32_t(RandomSteps())};
    std::size_t next = 5;
    for (const Operation &operation : Operations) {
        settings[next++] = *operation.included;
        for (const ResultKindFlag &kind : operation.kinds)
            settings[next++] = *kind.allowed;
    }
    return settings;
}

// What is known of an operation under the settings it was found for. Building the proposals
// costs a scan where whole quotients have to be counted one by one, and the existence test can
// factor a top term or walk the terms' steps, so all are kept until a setting changes, which only
// Setup does: each press compares the settings with these.
struct Known {
    Settings settings{};
    bool valid = false;
    std::optional<bool> exists;
    std::optional<double> share;
    std::unique_ptr<PairSampler> sampler;
    bool quick = false; // those whose dense form is quick to find are in it
    bool dense = false; // the sampler's proposals are in their dense form
    bool held = false;  // and each of them is known to hold an acceptable pair
};

Known &knownFor(std::int32_t operation)
{
    static Known known[std::size(Operations) + 1];
    Known &entry = known[FindOperation(operation) ? operation : 0];
    const Settings settings = settingsNow();
    if (!entry.valid || entry.settings != settings)
        entry = Known{settings, true, {}, {}, {}, false, false, false};
    return entry;
}

bool acceptable(std::int32_t operation, const Pair &pair)
{
    const auto term1 = std::int32_t(pair.term1);
    const auto term2 = std::int32_t(pair.term2);
    const std::optional<std::int32_t> result = ComputeResult(operation, term1, term2);
    return result && ResultAllowed(operation, term1, term2, *result);
}

} // namespace

const PairSampler &AcceptablePairSampler(std::int32_t operation, bool dense)
{
    Known &known = knownFor(operation);
    if (known.sampler) {
        if (dense && !known.dense) {
            known.held = known.sampler->densify();
            known.dense = true;
        }
        return *known.sampler;
    }
    known.sampler = std::make_unique<PairSampler>(
        [operation](const Pair &pair) { return acceptable(operation, pair); });
    const Terms terms = currentTerms();
    const TermDraw top(glTerm1Low, glTerm1High);
    const TermDraw bottom(glTerm2Low, glTerm2High);
    if (Wide(terms.top.size()) * terms.bottom.size() <= CountedBox) {
        known.sampler->addBox(top, bottom, terms);
    } else {
        Piece pieces[MaxPieces];
        const int count = collectPieces(operation, pieces);
        for (int i = 0; i < count; ++i)
            addProposals(pieces[i], top, bottom, terms, *known.sampler);
    }
    return dense ? AcceptablePairSampler(operation, true) : *known.sampler;
}

namespace
{

bool pairExists(std::int32_t operation)
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

double shareBound(std::int32_t operation)
{
    const Terms terms = currentTerms();
    Piece pieces[MaxPieces];
    const int count = collectPieces(operation, pieces);
    double pairs = 0;
    for (int i = 0; i < count; ++i)
        pairs += pieceCountBound(pieces[i], terms);
    return std::min(1.0, pairs / (double(terms.top.size()) * double(terms.bottom.size())));
}

} // namespace

// Whether random_number can give an acceptable pair: the ranges must hold one, and then some unit
// of the proposals must stand for one. Units spread over all find one at once unless they are
// rare; then the dense proposals keep only units that stand for a pair of steps.
bool AcceptablePairExists(std::int32_t operation)
{
    Known &known = knownFor(operation);
    if (known.exists)
        return *known.exists;
    known.exists = false;
    if (!pairExists(operation))
        return false;
    const PairSampler &sampler = AcceptablePairSampler(operation);
    Pair pair;
    if (sampler.probe(pair, ProbedUnits)) {
        known.exists = true;
        return true;
    }
    // Where a proposal with more pairs than can be looked at still refuses every one looked at,
    // it is taken to hold a pair, and the draw then gives up only after DenseRounds.
    known.exists = AcceptablePairSampler(operation, true).units() > 0;
    return *known.exists;
}

double AcceptableShareBound(std::int32_t operation)
{
    Known &known = knownFor(operation);
    if (!known.share)
        known.share = shareBound(operation);
    return *known.share;
}

std::optional<TermPair> ConstructAcceptablePair(std::int32_t operation)
{
    if (!AcceptablePairExists(operation))
        return std::nullopt;
    // A few units first; where they are refused, the proposals whose pairing steps are quick to
    // find keep only those, once for these settings, so that this and later presses refuse few.
    // Giving up on some units and drawing afresh leaves every pair as likely as before.
    Pair pair;
    const PairSampler &sampler = AcceptablePairSampler(operation);
    Known &known = knownFor(operation);
    if (!known.quick && !known.dense) {
        if (sampler.draw(pair, FewRounds))
            return TermPair{std::int32_t(pair.term1), std::int32_t(pair.term2)};
        known.sampler->densifyQuickly();
        known.quick = true;
    }
    if (sampler.draw(pair))
        return TermPair{std::int32_t(pair.term1), std::int32_t(pair.term2)};
    // Acceptable units are rare among all: keep only the units that stand for a pair of steps,
    // once for these settings, and draw from those. The pair is as likely as before.
    const PairSampler &dense = AcceptablePairSampler(operation, true);
    const int rounds = known.held ? std::numeric_limits<int>::max() : DenseRounds;
    for (int round = 0; round < rounds; ++round) {
        if (dense.draw(pair))
            return TermPair{std::int32_t(pair.term1), std::int32_t(pair.term2)};
    }
    return std::nullopt;
}
