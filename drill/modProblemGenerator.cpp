#include "drill/modProblemGenerator.h"

#include "core/modGlobalsConstants.h"

#include <array>
#include <cmath>
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

void SetPlainDrawLimit(int draws)
{
    plainDrawLimit() = draws < 0 ? MaxDrawsPerOperation : draws;
}
