#include "model/modGlobalsConstants.h"

// The start values here only matter until Main() sets the defaults.
std::int32_t glTerm1Low = 1;
std::int32_t glTerm2Low = 1;
std::int32_t glTerm1High = 10;
std::int32_t glTerm2High = 10;

bool gbAdd = true;
bool gbAddPos = true;
bool gbAddZero = false;
bool gbAddNeg = false;

bool gbSub = false;
bool gbSubPos = false;
bool gbSubZero = false;
bool gbSubNeg = false;

bool gbMult = false;
bool gbMultPos = false;
bool gbMultNeg = false;

bool gbDiv = false;
bool gbDivPos = false;
bool gbDivNeg = false;
bool gbDivWhole = false;
bool gbDivFraction = false;

bool gbShowAnswer = true;
float gsngWaitSeconds = 1.0f;

std::int32_t glTerm1 = 0;
std::int32_t glTerm2 = 0;
std::int32_t glResult = 0;
std::int32_t glOperator = 0;

void SetDefaultSettings()
{
    glTerm1Low = 1;
    glTerm2Low = 1;
    glTerm1High = 10;
    glTerm2High = 10;

    // Additions with positive results alone.
    gbAdd = true;
    gbAddPos = true;
    gbAddZero = false;
    gbAddNeg = false;

    gbSub = false;
    gbSubPos = false;
    gbSubZero = false;
    gbSubNeg = false;

    gbMult = false;
    gbMultPos = false;
    gbMultNeg = false;

    gbDiv = false;
    gbDivPos = false;
    gbDivNeg = false;
    gbDivWhole = false;
    gbDivFraction = false;

    gbShowAnswer = true;
    gsngWaitSeconds = 1.0f;
}
