#include "model/modGlobalsConstants.h"
#include "model/modProblemGenerator.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

// Presses of New Problem's drawing on random settings, where the benchmark's cases are chosen by
// hand: one operation, random result kinds, and limits anywhere up to the 32-bit extremes (high
// below low included). Prints the slowest first press after a change, the slowest single later
// press, and the slowest mean of later presses once the first 50 are past, with the defaults' mean
// press from the same run beside them.
//   random_settings_probe [SEED [SETTINGS]]

namespace
{

using Clock = std::chrono::steady_clock;

double microseconds(Clock::time_point from)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - from).count();
}

struct Slowest {
    double time = 0;
    std::string settings;

    void offer(double value, const std::string &now)
    {
        if (value > time) {
            time = value;
            settings = now;
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    std::mt19937 random(argc > 1 ? unsigned(std::atoi(argv[1])) : 1);
    const int count = argc > 2 ? std::atoi(argv[2]) : 1000;
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    const std::int32_t edges[] = {Min, -2000000000, -1000000000, -1,         0,          1,
                                  7,   1000,        1 << 30,     1300000000, 2000000000, Max};
    auto limit = [&] {
        return random() % 2 ? edges[random() % std::size(edges)] : std::int32_t(random());
    };

    SetDefaultSettings();
    DrawProblem();
    const Clock::time_point start = Clock::now();
    for (int press = 0; press < 100000; ++press)
        DrawProblem();
    const double defaults = microseconds(start) / 100000;

    Slowest first, single, mean;
    for (int setting = 0; setting < count; ++setting) {
        SetDefaultSettings();
        bool *const kinds[4][4] = {{&gbAddPos, &gbAddZero, &gbAddNeg},
                                   {&gbSubPos, &gbSubZero, &gbSubNeg},
                                   {&gbMultPos, &gbMultNeg},
                                   {&gbDivPos, &gbDivNeg, &gbDivWhole, &gbDivFraction}};
        bool *const included[4] = {&gbAdd, &gbSub, &gbMult, &gbDiv};
        const unsigned operation = random() % 4;
        const unsigned mask = 1 + random() % 15;
        for (unsigned i = 0; i < 4; ++i) {
            *included[i] = i == operation;
            for (unsigned kind = 0; kind < 4; ++kind) {
                if (kinds[i][kind])
                    *kinds[i][kind] = i == operation && (mask >> kind & 1);
            }
        }
        glTerm1Low = limit();
        glTerm1High = limit();
        glTerm2Low = limit();
        glTerm2High = limit();
        const std::string now = "operation " + std::to_string(operation + 1) + " kinds " +
                                std::to_string(mask) + ", " + std::to_string(glTerm1Low) + ".." +
                                std::to_string(glTerm1High) + " and " + std::to_string(glTerm2Low) +
                                ".." + std::to_string(glTerm2High);

        Clock::time_point at = Clock::now();
        if (DrawProblem() != GenerateOutcome::Drawn) {
            first.offer(microseconds(at), now);
            continue;
        }
        first.offer(microseconds(at), now);
        for (int press = 0; press < 50; ++press) {
            at = Clock::now();
            DrawProblem();
            single.offer(microseconds(at), now);
        }
        at = Clock::now();
        for (int press = 0; press < 200; ++press)
            DrawProblem();
        mean.offer(microseconds(at) / 200, now);
    }
    std::printf("defaults: %.3f us a press\n", defaults);
    std::printf("slowest first press: %.0f us (%s)\n", first.time, first.settings.c_str());
    std::printf("slowest later press: %.0f us (%s)\n", single.time, single.settings.c_str());
    std::printf("slowest mean of later presses: %.2f us, %.1f times the defaults (%s)\n", mean.time,
                mean.time / defaults, mean.settings.c_str());
}
