#pragma once

// Adds the program's own copy of Tahoma's regular or bold face to the fonts Qt can use, for a
// system that has no Tahoma; where no copy can be had, the system's sans-serif stands in.
void AddTahomaFace(bool bold);
