#pragma once

#include "core/modGlobalsConstants.h"

#include <cstdint>
#include <span>

// The four operations in one table: what each is called, the sign it is shown with, and which of
// the drill settings include it and allow its kinds of result. Everything that walks the
// operations or their flags reads it here, so a kind of result is added in one place.

// A kind of result an operation may be allowed to give. A kind an operation has no flag for is
// always allowed (a product or quotient of 0).
enum class ResultKind {
    Positive,
    Zero,
    Negative,
    Whole,    // a division without remainder
    Fraction, // a division with a remainder
};

struct ResultKindFlag {
    ResultKind kind;
    bool *allowed;
};

struct Operation {
    std::int32_t code;
    const char *name; // the middle of its settings' names: gbAdd, gbAddPos
    const char *sign;
    const char *word; // the sign as a screen reader should say it
    bool *included;
    std::span<const ResultKindFlag> kinds;

    // The flag that allows this kind of result, or nullptr when no flag is needed for it.
    bool *flag(ResultKind kind) const
    {
        for (const ResultKindFlag &entry : kinds) {
            if (entry.kind == kind)
                return entry.allowed;
        }
        return nullptr;
    }

    // Whether the settings allow this kind of result; a kind without a flag always is.
    bool allows(ResultKind kind) const
    {
        const bool *allowed = flag(kind);
        return !allowed || *allowed;
    }
};

inline constexpr ResultKindFlag AdditionKinds[] = {
    {ResultKind::Positive, &gbAddPos},
    {ResultKind::Zero, &gbAddZero},
    {ResultKind::Negative, &gbAddNeg},
};
inline constexpr ResultKindFlag SubtractionKinds[] = {
    {ResultKind::Positive, &gbSubPos},
    {ResultKind::Zero, &gbSubZero},
    {ResultKind::Negative, &gbSubNeg},
};
inline constexpr ResultKindFlag MultiplicationKinds[] = {
    {ResultKind::Positive, &gbMultPos},
    {ResultKind::Negative, &gbMultNeg},
};
inline constexpr ResultKindFlag DivisionKinds[] = {
    {ResultKind::Positive, &gbDivPos},
    {ResultKind::Negative, &gbDivNeg},
    {ResultKind::Whole, &gbDivWhole},
    {ResultKind::Fraction, &gbDivFraction},
};

// In the order of their codes, which is also the order operations are picked from.
inline constexpr Operation Operations[] = {
    {OperationAdd, "Add", "+", "plus", &gbAdd, AdditionKinds},
    {OperationSubtract, "Sub", "-", "minus", &gbSub, SubtractionKinds},
    {OperationMultiply, "Mult", "x", "times", &gbMult, MultiplicationKinds},
    {OperationDivide, "Div", "/", "divided by", &gbDiv, DivisionKinds},
};

// The table's row for an operation code, or nullptr for a code that is no operation.
const Operation *FindOperation(std::int32_t code);
