#include "core/modSleep.h"

#include <cerrno>
#include <cmath>
#include <ctime>
#include <limits>
#include <utility>

namespace
{

SleepHandler &sleepHandler()
{
    static SleepHandler handler;
    return handler;
}

// Waits until one absolute deadline of the monotonic clock, which neither restarts at midnight
// nor follows changes of the system time. The thread sleeps in the kernel until then; a signal
// that cuts the sleep short only sends it back to sleep towards the same deadline.
void waitOnClock(float pauseTime)
{
    // NaN, 0 and negative pauses end at once.
    if (!(pauseTime > 0.0f))
        return;
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    // Whole seconds and nanoseconds apart, so no double is ever converted to an integer it does
    // not fit: an infinite or huge pause becomes the latest deadline the clock can hold.
    constexpr auto latest = std::numeric_limits<time_t>::max();
    const double pause = double(pauseTime);
    const double seconds = std::floor(pause);
    if (seconds >= double(latest - deadline.tv_sec) - 1.0) {
        deadline.tv_sec = latest;
        deadline.tv_nsec = 999999999;
    } else {
        deadline.tv_sec += time_t(seconds);
        deadline.tv_nsec += long(std::lround((pause - seconds) * 1e9));
        while (deadline.tv_nsec >= 1000000000L) {
            deadline.tv_nsec -= 1000000000L;
            ++deadline.tv_sec;
        }
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

} // namespace

void SleepSeconds(float pauseTime)
{
    if (sleepHandler())
        sleepHandler()(pauseTime);
    else
        waitOnClock(pauseTime);
}

void SetSleepHandler(SleepHandler handler)
{
    sleepHandler() = std::move(handler);
}
