#include "app/modStartupFailure.h"

#include <cstdio>
#include <cstdlib>

void ReportStartupFailure(const QByteArray &text)
{
    std::fputs(text.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}
