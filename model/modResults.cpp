#include "model/modResults.h"

#include "model/modGlobalsConstants.h"
#include "model/modOperations.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace
{

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

} // namespace

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
