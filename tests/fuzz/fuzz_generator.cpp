// The problem generator under random limit boxes, small and extreme, high below low included, and
// random flags. A slow reference with exact arithmetic decides the result table; where the box is
// small, brute force decides whether any acceptable pair exists.
#include "fuzzSupport.h"

#include "model/modAcceptablePairs.h"
#include "model/modProblemGenerator.h"
#include "model/modRandom.h"
#include "model/modResults.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

using Int = std::int64_t;
constexpr Int Min32 = std::numeric_limits<std::int32_t>::min();
constexpr Int Max32 = std::numeric_limits<std::int32_t>::max();

// The result table, written out with exact whole-number arithmetic: whether the settings allow
// this pair for this operation, and the result it shows. It repeats ComputeResult's cases on
// purpose: quotients are rounded here without floating point, so a fault in either shows.
std::optional<Int> referenceResult(std::int32_t operation, Int a, Int b)
{
    Int result = 0;
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
    case OperationDivide: {
        if (b == 0)
            return std::nullopt;
        const Int q = a / b, twiceRest = 2 * (a % b < 0 ? -(a % b) : a % b);
        const Int awayFromZero = (a < 0) != (b < 0) ? q - 1 : q + 1;
        const Int magnitude = b < 0 ? -b : b;
        result = twiceRest < magnitude   ? q
                 : twiceRest > magnitude ? awayFromZero
                                         : (q % 2 == 0 ? q : awayFromZero);
        break;
    }
    default:
        return std::nullopt;
    }
    if (result < Min32 || result > Max32)
        return std::nullopt;
    return result;
}

bool referenceAllowed(std::int32_t operation, Int a, Int b)
{
    const std::optional<Int> result = referenceResult(operation, a, b);
    if (!result)
        return false;
    const Int r = *result;
    switch (operation) {
    case OperationAdd:
        return r > 0 ? gbAddPos : r < 0 ? gbAddNeg : gbAddZero;
    case OperationSubtract:
        return r > 0 ? gbSubPos : r < 0 ? gbSubNeg : gbSubZero;
    case OperationMultiply:
        return r > 0 ? gbMultPos : r < 0 ? gbMultNeg : true;
    case OperationDivide:
        return (r > 0   ? gbDivPos
                : r < 0 ? gbDivNeg
                        : true) &&
               (a % b == 0 ? gbDivWhole : gbDivFraction);
    }
    return false;
}

// Every pair drawn must be one that random_number can give, on its steps of r.
bool pairObeys(std::int32_t operation, std::int32_t term1, std::int32_t term2, std::int32_t result)
{
    return onLattice(glTerm1Low, glTerm1High, term1) && onLattice(glTerm2Low, glTerm2High, term2) &&
           referenceAllowed(operation, term1, term2) &&
           referenceResult(operation, term1, term2) == Int(result);
}

// Brute force over a small box; nothing when the box is too large to walk.
std::optional<bool> bruteForceExists(std::int32_t operation)
{
    const TermRange top = drawnTerms(glTerm1Low, glTerm1High),
                    bottom = drawnTerms(glTerm2Low, glTerm2High);
    if (top.size() > 64 || bottom.size() > 64)
        return std::nullopt;
    for (Int a = top.lo; a <= top.hi; ++a) {
        for (Int b = bottom.lo; b <= bottom.hi; ++b) {
            if (referenceAllowed(operation, a, b))
                return true;
        }
    }
    return false;
}

// A limit near one of the values where the arithmetic changes, or anywhere.
std::int32_t limitNear(FuzzedDataProvider &input)
{
    static constexpr std::int32_t Edges[] = {std::int32_t(Min32),
                                             std::int32_t(Min32) + 1,
                                             -46341,
                                             -46340,
                                             -10,
                                             -1,
                                             0,
                                             1,
                                             2,
                                             10,
                                             46340,
                                             46341,
                                             std::int32_t(Max32) - 1,
                                             std::int32_t(Max32)};
    if (input.ConsumeBool())
        return input.ConsumeIntegral<std::int32_t>();
    return std::int32_t(std::clamp<Int>(input.PickValueInArray(Edges) +
                                            Int(input.ConsumeIntegralInRange<int>(-3, 3)),
                                        Min32, Max32));
}

// Limits of one term: a small box around a value, either way round, or two free values.
void chooseLimits(FuzzedDataProvider &input, std::int32_t &low, std::int32_t &high)
{
    low = limitNear(input);
    if (input.ConsumeBool()) {
        high = std::int32_t(
            std::clamp<Int>(Int(low) + input.ConsumeIntegralInRange<int>(-12, 12), Min32, Max32));
    } else {
        high = limitNear(input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    chooseLimits(input, glTerm1Low, glTerm1High);
    chooseLimits(input, glTerm2Low, glTerm2High);
    const auto flags = input.ConsumeIntegral<std::uint32_t>();
    unsigned bit = 0;
    for (const Operation &operation : Operations) {
        *operation.included = (flags >> bit++ & 1) != 0;
        for (const ResultKindFlag &kind : operation.kinds)
            *kind.allowed = (flags >> bit++ & 1) != 0;
    }
    SetRandomSource({});
    SeedRandomGenerator(input.ConsumeIntegral<std::uint64_t>(), false);

    bool anyFits = false;
    for (const Operation &operation : Operations) {
        const bool exists = AcceptablePairExists(operation.code);
        if (const std::optional<bool> brute = bruteForceExists(operation.code))
            FUZZ_CHECK(exists == *brute, "%s: exists %d, brute force %d", operation.name, exists,
                       *brute);
        const std::optional<TermPair> pair = ConstructAcceptablePair(operation.code);
        FUZZ_CHECK(pair.has_value() == exists,
                   "%s: constructed %d, exists %d, limits %d..%d, %d..%d", operation.name,
                   pair.has_value(), exists, glTerm1Low, glTerm1High, glTerm2Low, glTerm2High);
        if (pair) {
            const std::optional<Int> result =
                referenceResult(operation.code, pair->term1, pair->term2);
            FUZZ_CHECK(result && pairObeys(operation.code, pair->term1, pair->term2,
                                           std::int32_t(*result)),
                       "%s: constructed %d and %d", operation.name, pair->term1, pair->term2);
        }
        anyFits = anyFits || (*operation.included && exists);
    }

    const bool anyIncluded = gbAdd || gbSub || gbMult || gbDiv;
    switch (DrawProblem()) {
    case GenerateOutcome::Drawn: {
        const Operation *operation = FindOperation(glOperator);
        FUZZ_CHECK(operation && *operation->included, "drew operation %d", glOperator);
        FUZZ_CHECK(pairObeys(glOperator, glTerm1, glTerm2, glResult), "drew %d %s %d = %d", glTerm1,
                   operation->sign, glTerm2, glResult);
        break;
    }
    case GenerateOutcome::NothingFits:
        FUZZ_CHECK(anyIncluded && !anyFits, "said nothing fits");
        FUZZ_CHECK(glOperator == 0 && glTerm1 == 0 && glTerm2 == 0 && glResult == 0,
                   "left a problem behind");
        break;
    case GenerateOutcome::InvalidOperator:
        FUZZ_CHECK(!anyIncluded, "no operation picked although one is included");
        break;
    }
    return 0;
}
