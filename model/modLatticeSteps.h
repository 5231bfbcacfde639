#pragma once

#include "model/modTermSpans.h"

#include <cstddef>
#include <functional>

namespace pairs
{

// What a search may still do: points looked at, and places looked at for points.
struct LatticeBudget {
    std::size_t points;
    std::size_t visits;
};

struct StepPair {
    Int outer;
    Int inner;
};

// Calls each with the pairs of steps (outer step within steps, inner step) whose values x and y
// have y within sign * x + offset, in no particular order, found where the two draws' lattices of
// steps meet rather than step by step, and takes what it spends from budget. False where each
// returns false, the search would pass the budget, or a draw gives one value only.
bool latticePairs(const TermDraw &outer, Span steps, const TermDraw &inner, int sign, Span offset,
                  LatticeBudget &budget, const std::function<bool(StepPair)> &each);

} // namespace pairs
