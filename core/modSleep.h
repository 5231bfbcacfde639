#pragma once

#include <functional>

// Holds the calling thread for pauseTime seconds without handling any event: input given during
// the wait stays queued and is handled afterwards, in order. A pause of 0 or less returns at once.
void SleepSeconds(float pauseTime);

// Lets a test stand in for the clock: while a handler is set, SleepSeconds hands it the pause
// instead of waiting. Pass an empty function to wait on the real clock again.
using SleepHandler = std::function<void(float pauseTime)>;
void SetSleepHandler(SleepHandler handler);
