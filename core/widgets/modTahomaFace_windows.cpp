#include "core/widgets/modTahomaFace.h"

// Tahoma is one of Windows' own fonts, so the program brings no copy of it.
void AddTahomaFace(bool) {}
