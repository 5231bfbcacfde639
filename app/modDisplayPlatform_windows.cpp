#include "app/modDisplayPlatform.h"

// Windows has one platform, which keeps positions.
void ChooseDisplayPlatform() {}
