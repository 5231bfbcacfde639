#include "drill/modSleep.h"

#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

namespace
{

SleepHandler &sleepHandler()
{
    static SleepHandler handler;
    return handler;
}

void waitOnClock(float pauseTime)
{
    if (!(pauseTime > 0.0f))
        return;
    // A monotonic clock, so a wait across midnight or a change of the system time ends on time.
    QElapsedTimer clock;
    clock.start();
    const auto pause = std::chrono::nanoseconds(static_cast<long long>(double(pauseTime) * 1e9));
    for (;;) {
        const auto elapsed = std::chrono::nanoseconds(clock.nsecsElapsed());
        if (elapsed >= pause)
            return;
        // Reading the clock in a tight loop would spin a core; sleep a little between readings.
        std::this_thread::sleep_for(
            std::min<std::chrono::nanoseconds>(pause - elapsed, std::chrono::milliseconds(10)));
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
