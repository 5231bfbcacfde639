#pragma once

#include "core/modGlobalsConstants.h"

#include <cstdint>
#include <span>

// The four operations in one table: what each is called, the sign it is shown with, and which of
// the drill settings include it and allow its kinds of result. Everything that walks the
// operations or their flags reads it here, the generator and the Setup window's boxes alike, so
// an operation or a kind of result is added in one place.

// A kind of result an operation may be allowed to give. A kind an operation has no flag for is
// always allowed (a product or quotient of 0).
enum class ResultKind {
    Positive,
    Zero,
    Negative,
    Whole,    // a division without remainder
    Fraction, // a division with a remainder
};

inline constexpr ResultKind ResultKinds[] = {ResultKind::Positive, ResultKind::Zero,
                                             ResultKind::Negative, ResultKind::Whole,
                                             ResultKind::Fraction};

// Every result has a sign; a quotient has a form too, whole or with a remainder. An operation
// allows some kind of each aspect or gives no problem at all, and Setup keeps each aspect's last
// allowed kind of an operation from being switched off.
enum class ResultAspect { Sign, Form };
inline constexpr ResultAspect ResultAspects[] = {ResultAspect::Sign, ResultAspect::Form};

constexpr ResultAspect AspectOf(ResultKind kind)
{
    return kind == ResultKind::Whole || kind == ResultKind::Fraction ? ResultAspect::Form
                                                                     : ResultAspect::Sign;
}

// The end of a result-kind flag's name: gbAddPos, gbDivWhole.
const char *ResultKindName(ResultKind kind);

struct ResultKindFlag {
    ResultKind kind;
    bool *allowed;
    const char *spokenName; // what a screen reader says for its Setup box
};

struct Operation {
    std::int32_t code;
    const char *name; // the middle of its settings' names: gbAdd, gbAddPos
    const char *sign;
    const char *word; // the sign as a screen reader should say it
    bool *included;
    std::span<const ResultKindFlag> kinds;
    const char *title;      // the heading of its column in Setup
    const char *spokenName; // what a screen reader says for its Setup box

    // Whether any flag of this aspect is needed for it: a form only for quotients.
    bool hasFlags(ResultAspect aspect) const
    {
        for (const ResultKindFlag &entry : kinds) {
            if (AspectOf(entry.kind) == aspect)
                return true;
        }
        return false;
    }

    // The table's entry for this kind of result, or nullptr when no flag is needed for it.
    const ResultKindFlag *entry(ResultKind kind) const
    {
        for (const ResultKindFlag &candidate : kinds) {
            if (candidate.kind == kind)
                return &candidate;
        }
        return nullptr;
    }

    // The flag that allows this kind of result, or nullptr when no flag is needed for it.
    bool *flag(ResultKind kind) const
    {
        const ResultKindFlag *found = entry(kind);
        return found ? found->allowed : nullptr;
    }

    // Whether the settings allow this kind of result; a kind without a flag always is.
    bool allows(ResultKind kind) const
    {
        const bool *allowed = flag(kind);
        return !allowed || *allowed;
    }

    // Whether the settings leave some kind of this aspect open.
    bool allowsSome(ResultAspect aspect) const
    {
        for (const ResultKind kind : ResultKinds) {
            if (AspectOf(kind) == aspect && allows(kind))
                return true;
        }
        return false;
    }
};

inline constexpr ResultKindFlag AdditionKinds[] = {
    {ResultKind::Positive, &gbAddPos, "Addition: positive results"},
    {ResultKind::Zero, &gbAddZero, "Addition: zero results"},
    {ResultKind::Negative, &gbAddNeg, "Addition: negative results"},
};
inline constexpr ResultKindFlag SubtractionKinds[] = {
    {ResultKind::Positive, &gbSubPos, "Subtraction: positive results"},
    {ResultKind::Zero, &gbSubZero, "Subtraction: zero results"},
    {ResultKind::Negative, &gbSubNeg, "Subtraction: negative results"},
};
inline constexpr ResultKindFlag MultiplicationKinds[] = {
    {ResultKind::Positive, &gbMultPos, "Multiplication: positive results"},
    {ResultKind::Negative, &gbMultNeg, "Multiplication: negative results"},
};
inline constexpr ResultKindFlag DivisionKinds[] = {
    {ResultKind::Positive, &gbDivPos, "Division: positive results"},
    {ResultKind::Negative, &gbDivNeg, "Division: negative results"},
    {ResultKind::Whole, &gbDivWhole, "Division: whole results"},
    {ResultKind::Fraction, &gbDivFraction, "Division: fraction results"},
};

// In the order of their codes, which is also the order operations are picked from and Setup's
// columns stand in.
inline constexpr Operation Operations[] = {
    {OperationAdd, "Add", "+", "plus", &gbAdd, AdditionKinds, "Addition", "Include addition"},
    {OperationSubtract, "Sub", "-", "minus", &gbSub, SubtractionKinds, "Subtraction",
     "Include subtraction"},
    {OperationMultiply, "Mult", "x", "times", &gbMult, MultiplicationKinds, "Multiplication",
     "Include multiplication"},
    {OperationDivide, "Div", "/", "divided by", &gbDiv, DivisionKinds, "Division",
     "Include division"},
};

// The table's row for an operation code, or nullptr for a code that is no operation.
const Operation *FindOperation(std::int32_t code);
