#pragma once

#include <cstdint>
#include <optional>

// What an operation gives for two terms, and whether the drill settings allow it. The generator
// draws by these, and so does everything that checks a draw.

// The result of an operation on two terms, or nothing when it is undefined (a division by 0) or
// does not fit in 32 bits. A quotient is rounded to the nearest whole number, a half to even.
std::optional<std::int32_t> ComputeResult(std::int32_t operation, std::int32_t term1,
                                          std::int32_t term2);

// Whether the settings allow this result for this operation and these terms.
bool ResultAllowed(std::int32_t operation, std::int32_t term1, std::int32_t term2,
                   std::int32_t result);

// Whether an operation's result-kind flags leave any kind of result open at all, whatever the
// limits: addition and subtraction need one of their three flags, division Whole or Fraction.
bool OperationCanSucceed(std::int32_t operation);
