#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// Drawing problems under the drill settings. Nothing here needs a window: the drill window calls
// these, and so do the tests.

// A whole number drawn as floor((high - low + 1) * r + low) for a fresh r with 0 <= r < 1. For
// high < low the same formula gives high + 1 up to low, low itself only for r = 0.
double random_number(std::int32_t low, std::int32_t high);

// Sets glOperator to one of the included operations, each equally likely (0 when none is).
void GenerateOperator();

// What came of one attempt to draw a problem.
enum class GenerateOutcome {
    Drawn,           // the current problem holds an acceptable problem
    NothingFits,     // no included operation can give an acceptable problem; the problem is zeroed
    InvalidOperator, // no operation is included; glTerm1 and glTerm2 hold a draw, glResult is kept
};

// Picks an operation and draws terms until the result is of a kind the settings allow, writing
// glOperator, glTerm1, glTerm2 and glResult. An operation with no acceptable pair is set aside
// for another included one; where plain draws keep missing, a pair is constructed instead.
GenerateOutcome DrawProblem();

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

// Whether some pair of terms within the limits gives a result the settings allow for this
// operation. Exact, without drawing: it decides when no problem fits.
bool AcceptablePairExists(std::int32_t operation);

// An acceptable pair of terms for this operation, built directly from the ranges of terms that give
// each allowed kind of result, or nothing when no pair exists. Any acceptable pair can come out,
// though not all equally often; the plain draws of DrawProblem are the uniform way.
struct TermPair {
    std::int32_t term1;
    std::int32_t term2;
};
std::optional<TermPair> ConstructAcceptablePair(std::int32_t operation);

// The plain draws tried for the picked operation before an acceptable pair is constructed instead.
// Where acceptable pairs are not rare one of these draws succeeds, so the problems stay uniform.
inline constexpr int MaxDrawsPerOperation = 64;

// Lets a test change the number of plain draws, 0 to exercise the construction alone; a negative
// value restores MaxDrawsPerOperation.
void SetPlainDrawLimit(int draws);

// Lets a test decide the values r that random_number uses. While a source is set it is called
// instead of the clock-seeded generator, also for the choices of ConstructAcceptablePair; pass an
// empty function to go back.
using RandomSource = std::function<float()>;
void SetRandomSource(RandomSource source);

// Restarts the built-in generator from a fixed state, for reproducible runs of many draws. The
// clock is still mixed in on every draw unless mixClock is false.
void SeedRandomGenerator(std::uint64_t seed, bool mixClock = true);
