#include "model/modOperations.h"

const Operation *FindOperation(std::int32_t code)
{
    for (const Operation &operation : Operations) {
        if (operation.code == code)
            return &operation;
    }
    return nullptr;
}

const char *ResultKindName(ResultKind kind)
{
    switch (kind) {
    case ResultKind::Positive:
        return "Pos";
    case ResultKind::Zero:
        return "Zero";
    case ResultKind::Negative:
        return "Neg";
    case ResultKind::Whole:
        return "Whole";
    case ResultKind::Fraction:
        return "Fraction";
    }
    return "";
}
