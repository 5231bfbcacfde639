#pragma once

#include <QDeadlineTimer>

#include <functional>

// Waits pauseTime seconds with `wait`, which is handed only pauses above 0: a pause of 0 or less,
// or NaN, returns at once. While a test has set a handler, the handler gets every pause instead.
void SleepSeconds(float pauseTime, void (*wait)(float pauseTime));

// The end of a pause of pauseTime seconds from now, on the monotonic clock, which neither restarts
// at midnight nor follows changes of the system time; a pause longer than any clock holds never
// ends.
QDeadlineTimer DeadlineAfter(float pauseTime);

// Lets a test stand in for the clock: while a handler is set, SleepSeconds hands it the pause
// instead of waiting. Pass an empty function to wait on the real clock again.
using SleepHandler = std::function<void(float pauseTime)>;
void SetSleepHandler(SleepHandler handler);
