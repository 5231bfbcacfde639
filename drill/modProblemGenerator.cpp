#include "drill/modProblemGenerator.h"

#include "core/modGlobalsConstants.h"

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

// Draws terms for one operation until a result is allowed, at most MaxDrawsPerOperation times.
bool drawForOperation(std::int32_t operation)
{
    if (!OperationCanSucceed(operation))
        return false;
    for (int draw = 0; draw < MaxDrawsPerOperation; ++draw) {
        glTerm1 = static_cast<std::int32_t>(random_number(glTerm1Low, glTerm1High));
        glTerm2 = static_cast<std::int32_t>(random_number(glTerm2Low, glTerm2High));
        const std::optional<std::int32_t> result = ComputeResult(operation, glTerm1, glTerm2);
        if (!result)
            continue;
        glResult = *result;
        if (ResultAllowed(operation, glTerm1, glTerm2, glResult))
            return true;
    }
    return false;
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

void SetRandomSource(RandomSource source)
{
    testSource() = std::move(source);
}

void SeedRandomGenerator(std::uint64_t seed, bool mixClock)
{
    generator().seed(seed, mixClock);
}
