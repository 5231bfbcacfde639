#include "model/modSleep.h"

#include <chrono>
#include <cmath>
#include <utility>

namespace
{

SleepHandler &sleepHandler()
{
    static SleepHandler handler;
    return handler;
}

} // namespace

void SleepSeconds(float pauseTime, void (*wait)(float pauseTime))
{
    if (sleepHandler())
        sleepHandler()(pauseTime);
    else if (pauseTime > 0.0f) // also false for NaN
        wait(pauseTime);
}

QDeadlineTimer DeadlineAfter(float pauseTime)
{
    // Past about 292 years the nanoseconds would not fit the clock's 64 bits.
    constexpr double longest = 9e9;
    if (!(double(pauseTime) < longest))
        return QDeadlineTimer(QDeadlineTimer::Forever);
    return QDeadlineTimer(std::chrono::nanoseconds(std::llround(double(pauseTime) * 1e9)),
                          Qt::PreciseTimer);
}

void SetSleepHandler(SleepHandler handler)
{
    sleepHandler() = std::move(handler);
}
