#pragma once

#include <cstdint>

// Drawing problems under the drill settings. Nothing here needs a window: the drill window calls
// these, and so do the tests.

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
// for another included one; where plain draws keep missing, a pair is drawn from the acceptable
// ones with the same chances instead.
GenerateOutcome DrawProblem();

// The plain draws tried for the picked operation before an acceptable pair is constructed instead.
// Where acceptable pairs are not rare one of these draws succeeds, which is the cheapest way.
inline constexpr int MaxDrawsPerOperation = 64;

// Lets a test change the number of plain draws, 0 to exercise the construction alone; a negative
// value restores MaxDrawsPerOperation.
void SetPlainDrawLimit(int draws);
