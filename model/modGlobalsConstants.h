#pragma once

#include <cstdint>

// The drill settings: plain program-wide variables, written by the Setup window and read by the
// drill window each time it draws or shows a problem. There is deliberately no accessor layer.
extern std::int32_t glTerm1Low;
extern std::int32_t glTerm2Low;
extern std::int32_t glTerm1High;
extern std::int32_t glTerm2High;

extern bool gbAdd;
extern bool gbAddPos;
extern bool gbAddZero;
extern bool gbAddNeg;

extern bool gbSub;
extern bool gbSubPos;
extern bool gbSubZero;
extern bool gbSubNeg;

extern bool gbMult;
extern bool gbMultPos;
extern bool gbMultNeg;

extern bool gbDiv;
extern bool gbDivPos;
extern bool gbDivNeg;
extern bool gbDivWhole;
extern bool gbDivFraction;

extern bool gbShowAnswer;
extern float gsngWaitSeconds;

// The problem on show, written only by the problem generator.
extern std::int32_t glTerm1;
extern std::int32_t glTerm2;
extern std::int32_t glResult;
extern std::int32_t glOperator;

// Operation codes held in glOperator.
enum : std::int32_t {
    OperationAdd = 1,
    OperationSubtract = 2,
    OperationMultiply = 3,
    OperationDivide = 4,
};

// Sets every drill setting to its default. Main() calls it; tests call it to start from a clean
// run.
void SetDefaultSettings();

// The application's name, used as its title, its settings store and its message box caption.
inline constexpr char ApplicationName[] = "Tallywick";
