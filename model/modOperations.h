#pragma once

#include "model/modGlobalsConstants.h"

#include <QtGlobal>

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
    {ResultKind::Positive, &gbAddPos, QT_TRANSLATE_NOOP("frmSetup", "Addition: positive results")},
    {ResultKind::Zero, &gbAddZero, QT_TRANSLATE_NOOP("frmSetup", "Addition: zero results")},
    {ResultKind::Negative, &gbAddNeg, QT_TRANSLATE_NOOP("frmSetup", "Addition: negative results")},
};
inline constexpr ResultKindFlag SubtractionKinds[] = {
    {ResultKind::Positive, &gbSubPos,
     QT_TRANSLATE_NOOP("frmSetup", "Subtraction: positive results")},
    {ResultKind::Zero, &gbSubZero, QT_TRANSLATE_NOOP("frmSetup", "Subtraction: zero results")},
    {ResultKind::Negative, &gbSubNeg,
     QT_TRANSLATE_NOOP("frmSetup", "Subtraction: negative results")},
};
inline constexpr ResultKindFlag MultiplicationKinds[] = {
    {ResultKind::Positive, &gbMultPos,
     QT_TRANSLATE_NOOP("frmSetup", "Multiplication: positive results")},
    {ResultKind::Negative, &gbMultNeg,
     QT_TRANSLATE_NOOP("frmSetup", "Multiplication: negative results")},
};
inline constexpr ResultKindFlag DivisionKinds[] = {
    {ResultKind::Positive, &gbDivPos, QT_TRANSLATE_NOOP("frmSetup", "Division: positive results")},
    {ResultKind::Negative, &gbDivNeg, QT_TRANSLATE_NOOP("frmSetup", "Division: negative results")},
    {ResultKind::Whole, &gbDivWhole, QT_TRANSLATE_NOOP("frmSetup", "Division: whole results")},
    {ResultKind::Fraction, &gbDivFraction,
     QT_TRANSLATE_NOOP("frmSetup", "Division: fraction results")},
};

// In the order of their codes, which is also the order operations are picked from and Setup's
// columns stand in.
// The texts are translated where they are shown, in the context of the window showing them.
inline constexpr Operation Operations[] = {
    {OperationAdd, "Add", "+", QT_TRANSLATE_NOOP("frmMain", "plus"), &gbAdd, AdditionKinds,
     QT_TRANSLATE_NOOP("frmSetup", "Addition"), QT_TRANSLATE_NOOP("frmSetup", "Include addition")},
    {OperationSubtract, "Sub", "-", QT_TRANSLATE_NOOP("frmMain", "minus"), &gbSub, SubtractionKinds,
     QT_TRANSLATE_NOOP("frmSetup", "Subtraction"),
     QT_TRANSLATE_NOOP("frmSetup", "Include subtraction")},
    {OperationMultiply, "Mult", "x", QT_TRANSLATE_NOOP("frmMain", "times"), &gbMult,
     MultiplicationKinds, QT_TRANSLATE_NOOP("frmSetup", "Multiplication"),
     QT_TRANSLATE_NOOP("frmSetup", "Include multiplication")},
    {OperationDivide, "Div", "/", QT_TRANSLATE_NOOP("frmMain", "divided by"), &gbDiv, DivisionKinds,
     QT_TRANSLATE_NOOP("frmSetup", "Division"), QT_TRANSLATE_NOOP("frmSetup", "Include division")},
};

// The table's row for an operation code, or nullptr for a code that is no operation.
const Operation *FindOperation(std::int32_t code);
