#pragma once

// Holds the calling thread for pauseTime seconds without handling any event: input given during
// the wait stays queued and is handled afterwards, in order. A pause of 0 or less returns at once.
void SleepSeconds(float pauseTime);
