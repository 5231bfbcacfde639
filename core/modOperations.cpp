#include "core/modOperations.h"

const Operation *FindOperation(std::int32_t code)
{
    for (const Operation &operation : Operations) {
        if (operation.code == code)
            return &operation;
    }
    return nullptr;
}
