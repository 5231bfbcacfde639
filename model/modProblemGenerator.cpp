#include "model/modProblemGenerator.h"

#include "model/modAcceptablePairs.h"
#include "model/modGlobalsConstants.h"
#include "model/modOperations.h"
#include "model/modRandom.h"
#include "model/modResults.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace
{

int &plainDrawLimit()
{
    static int limit = MaxDrawsPerOperation;
    return limit;
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
