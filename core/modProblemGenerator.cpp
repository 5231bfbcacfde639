#include "core/modProblemGenerator.h"

#include "core/modGlobalsConstants.h"
#include "core/modOperations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>

namespace
{

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

ResultKind signKind(std::int32_t result)
{
    if (result > 0)
        return ResultKind::Positive;
    if (result < 0)
        return ResultKind::Negative;
    return ResultKind::Zero;
}

// The operations set aside for this press, indexed by code.
using SetAside = std::array<bool, std::size(Operations) + 1>;

bool inPlay(const Operation &operation, const SetAside &setAside)
{
    return *operation.included && !setAside[operation.code];
}

// Picks one of the operations in play with random_number(1, count) over their slots, filled in
// the table's order; 0 when none is, after the same draw.
std::int32_t pickOperation(const SetAside &setAside)
{
    std::array<std::int32_t, std::size(Operations) + 1> slots{}; // slot 0 unused: they count from 1
    std::int32_t count = 0;
    for (const Operation &operation : Operations) {
        if (inPlay(operation, setAside))
            slots[++count] = operation.code;
    }
    // A test's source may return an r outside 0 <= r < 1; the slot stays one of those filled.
    const double drawn = random_number(1, count);
    const std::int32_t k = drawn >= 1.0 ? std::int32_t(std::min(drawn, double(count))) : 1;
    return slots[k];
}

// Draws terms for one operation until a result is allowed: first plain draws, unless they would
// seldom hit; then, where those miss, a pair drawn from the acceptable ones with the chances the
// plain draws would have given it. An operation with no acceptable pair at all is recognised
// without drawing.
bool drawForOperation(std::int32_t operation)
{
    if (!AcceptablePairExists(operation))
        return false;
    // Where fewer than one plain draw in eight would be acceptable they are not worth their clock
    // readings: the construction is as exact and costs about as much as eight of them.
    const bool hopeless = AcceptableShareBound(operation) * 8 < 1;
    for (int draw = 0; draw < (hopeless ? 0 : plainDrawLimit()); ++draw) {
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

void GenerateOperator()
{
    glOperator = pickOperation(SetAside{});
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
    const Operation *row = FindOperation(operation);
    if (!row || !row->allows(signKind(result)))
        return false;
    if (!row->hasFlags(ResultAspect::Form))
        return true;
    if (term2 == 0)
        return false;
    // The form looks at the exact division; 64 bits keep INT32_MIN % -1 defined.
    const bool whole = std::int64_t(term1) % std::int64_t(term2) == 0;
    return row->allows(whole ? ResultKind::Whole : ResultKind::Fraction);
}

bool OperationCanSucceed(std::int32_t operation)
{
    const Operation *row = FindOperation(operation);
    return row && std::all_of(std::begin(ResultAspects), std::end(ResultAspects),
                              [row](ResultAspect aspect) { return row->allowsSome(aspect); });
}

GenerateOutcome DrawProblem()
{
    GenerateOperator();
    if (!FindOperation(glOperator)) {
        // Nothing is included: the draw stands, with glResult untouched.
        glTerm1 = static_cast<std::int32_t>(random_number(glTerm1Low, glTerm1High));
        glTerm2 = static_cast<std::int32_t>(random_number(glTerm2Low, glTerm2High));
        return GenerateOutcome::InvalidOperator;
    }

    // An operation that yields nothing acceptable is set aside for this press, and another
    // included one is picked from the rest, until none is left.
    SetAside setAside{};
    for (;;) {
        if (drawForOperation(glOperator))
            return GenerateOutcome::Drawn;
        setAside[glOperator] = true;
        bool anyLeft = false;
        for (const Operation &operation : Operations)
            anyLeft = anyLeft || inPlay(operation, setAside);
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

void SetPlainDrawLimit(int draws)
{
    plainDrawLimit() = draws < 0 ? MaxDrawsPerOperation : draws;
}
