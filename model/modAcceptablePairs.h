#pragma once

#include "model/modPairSampler.h"

#include <cstdint>
#include <optional>

// Pairs of terms within the limits that give a result the drill settings allow. For a given top
// term the bottom terms that give one kind of result form an interval (or, for whole division,
// the multiples of the divisor), so these pairs can be found without trial and error.

// Whether random_number can give a pair of terms that gives a result the settings allow for this
// operation. Exact, without drawing, and kept until a setting changes: it decides when no problem
// fits.
bool AcceptablePairExists(std::int32_t operation);

// The share of the pairs of terms within the limits that are acceptable for this operation, or
// more, up to 1: exact where sums, differences and zero products decide, an upper bound for other
// products and quotients. It tells where plain draws are hopeless.
double AcceptableShareBound(std::int32_t operation);

// An acceptable pair of terms for this operation, drawn with exactly the chance that drawing both
// terms with random_number until acceptable would give it, or nothing when no pair exists. Where
// acceptable pairs are rare among the proposals' units (wide ranges skip values), the proposals
// are narrowed once, until a setting changes, to the units that stand for a pair of steps.
struct TermPair {
    std::int32_t term1;
    std::int32_t term2;
};
std::optional<TermPair> ConstructAcceptablePair(std::int32_t operation);

// The proposals that ConstructAcceptablePair draws from under the current settings, built on first
// use and kept until a setting changes; every acceptable pair of steps of r is one of their units.
// With dense, in the narrowed form that rare acceptable pairs call for.
const pairs::PairSampler &AcceptablePairSampler(std::int32_t operation, bool dense = false);
