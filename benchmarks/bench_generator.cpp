#include "model/modGlobalsConstants.h"
#include "model/modProblemGenerator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

// Time of one press of New Problem's drawing (DrawProblem, which GenerateProblem calls before any
// message box) on the defaults, on sparse settings and on settings where nothing fits.

namespace
{

constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

struct Case {
    const char *name;
    void (*apply)();
    GenerateOutcome expected;
    bool changeEachPress = false; // a setting changes before every press, as Setup would
};

void limits(std::int32_t low1, std::int32_t high1, std::int32_t low2, std::int32_t high2)
{
    glTerm1Low = low1;
    glTerm1High = high1;
    glTerm2Low = low2;
    glTerm2High = high2;
}

// Starts from the defaults with no operation included; each case includes what it needs.
void none()
{
    SetDefaultSettings();
    gbAdd = false;
    gbAddPos = false;
}

const Case cases[] = {
    {"defaults", [] { SetDefaultSettings(); }, GenerateOutcome::Drawn},

    {"hard/addition zero only, -1e9..1e9 both",
     [] {
         none();
         gbAdd = gbAddZero = true;
         limits(-1000000000, 1000000000, -1000000000, 1000000000);
     },
     GenerateOutcome::Drawn},
    {"hard/division positive whole only, 1..2e9 both",
     [] {
         none();
         gbDiv = gbDivPos = gbDivWhole = true;
         limits(1, 2000000000, 1, 2000000000);
     },
     GenerateOutcome::Drawn},
    {"hard/multiplication negative only, 1..10 by INT32_MIN..-1",
     [] {
         none();
         gbMult = gbMultNeg = true;
         limits(1, 10, Min, -1);
     },
     GenerateOutcome::Drawn},
    {"hard/subtraction positive only, 1..5 minus 0..INT32_MAX",
     [] {
         none();
         gbSub = gbSubPos = true;
         limits(1, 5, 0, Max);
     },
     GenerateOutcome::Drawn},
    {"hard/division whole only, 46327 x 46337 by 2..INT32_MAX-1",
     [] {
         // Only three divisors qualify, and the two primes are as far into the scan as they get.
         none();
         gbDiv = gbDivPos = gbDivWhole = true;
         limits(46327 * 46337, 46327 * 46337, 2, Max - 1);
     },
     GenerateOutcome::Drawn},
    {"hard/extremes, addition zero only",
     [] {
         none();
         gbAdd = gbAddZero = true;
         limits(Min, Max, Min, Max);
     },
     GenerateOutcome::Drawn},
    {"hard/extremes, subtraction zero only",
     [] {
         none();
         gbSub = gbSubZero = true;
         limits(Min, Max, Min, Max);
     },
     GenerateOutcome::Drawn},
    {"hard/extremes, multiplication all kinds",
     [] {
         none();
         gbMult = gbMultPos = gbMultNeg = true;
         limits(Min, Max, Min, Max);
     },
     GenerateOutcome::Drawn},
    {"hard/extremes, division whole only",
     [] {
         none();
         gbDiv = gbDivPos = gbDivNeg = gbDivWhole = true;
         limits(Min, Max, Min, Max);
     },
     GenerateOutcome::Drawn},
    {"hard/extremes high below low, all operations and kinds",
     [] {
         SetDefaultSettings();
         gbAdd = gbAddPos = gbAddZero = gbAddNeg = true;
         gbSub = gbSubPos = gbSubZero = gbSubNeg = true;
         gbMult = gbMultPos = gbMultNeg = true;
         gbDiv = gbDivPos = gbDivNeg = gbDivWhole = gbDivFraction = true;
         limits(Max, Min, Max, Min);
     },
     GenerateOutcome::Drawn},

    {"first press after a change/division positive whole only, 1..2e9 both",
     [] {
         none();
         gbDiv = gbDivPos = gbDivWhole = true;
         limits(1, 2000000000, 1, 2000000000);
     },
     GenerateOutcome::Drawn, true},
    {"first press after a change/division whole only, 1..1000 both",
     [] {
         none();
         gbDiv = gbDivPos = gbDivWhole = true;
         limits(1, 1000, 1, 1000);
     },
     GenerateOutcome::Drawn, true},
    {"first press after a change/division whole only, 2095133040 by 2..INT32_MAX-1",
     [] {
         none();
         gbDiv = gbDivPos = gbDivWhole = true;
         limits(2095133040, 2095133040, 2, Max - 1);
     },
     GenerateOutcome::Drawn, true},
    // Top terms 1 and 128 k against bottom terms 64 k + 1: 1 - 1 is the one pair, found by a walk
    // of the steps. Each change here swaps it for 0..2^30, where pairs abound, and back.
    {"first press after a change/subtraction zero only, 1..INT32_MAX minus 1..2^30",
     [] {
         none();
         gbSub = gbSubZero = true;
         limits(1, Max, 1, 1 << 30);
     },
     GenerateOutcome::Drawn, true},
    {"first press after a change/subtraction zero only, 1..2e9 minus 7..1.3e9",
     [] {
         none();
         gbSub = gbSubZero = true;
         limits(1, 2000000000, 7, 1300000000);
     },
     GenerateOutcome::Drawn, true},
    {"first press after a change/extremes, addition zero only",
     [] {
         none();
         gbAdd = gbAddZero = true;
         limits(Min, Max, Min, Max);
     },
     GenerateOutcome::Drawn, true},
    {"first press after a change/extremes, subtraction zero only",
     [] {
         none();
         gbSub = gbSubZero = true;
         limits(Min, Max, Min + 1, Max);
     },
     GenerateOutcome::Drawn, true},
    {"first press after a change/extremes, all operations and kinds",
     [] {
         SetDefaultSettings();
         gbAdd = gbAddPos = gbAddZero = gbAddNeg = true;
         gbSub = gbSubPos = gbSubZero = gbSubNeg = true;
         gbMult = gbMultPos = gbMultNeg = true;
         gbDiv = gbDivPos = gbDivNeg = gbDivWhole = gbDivFraction = true;
         limits(Min, Max, Min, Max);
     },
     GenerateOutcome::Drawn, true},
    {"first press after a change/addition zero only, -1e9..1e9 both",
     [] {
         none();
         gbAdd = gbAddZero = true;
         limits(-1000000000, 1000000000, -1000000000, 1000000000);
     },
     GenerateOutcome::Drawn, true},
    {"later press/subtraction zero only, 1..2e9 minus 7..1.3e9",
     [] {
         none();
         gbSub = gbSubZero = true;
         limits(1, 2000000000, 7, 1300000000);
     },
     GenerateOutcome::Drawn},
    {"later press/subtraction zero only, 1..INT32_MAX minus 1..2^30 (one pair)",
     [] {
         none();
         gbSub = gbSubZero = true;
         limits(1, Max, 1, 1 << 30);
     },
     GenerateOutcome::Drawn},
    {"later press/division whole only, 1..1000 both",
     [] {
         none();
         gbDiv = gbDivPos = gbDivWhole = true;
         limits(1, 1000, 1, 1000);
     },
     GenerateOutcome::Drawn},
    {"records/division whole only, 2095133040 by 2..INT32_MAX-1",
     [] {
         none();
         gbDiv = gbDivPos = gbDivWhole = true;
         limits(2095133040, 2095133040, 2, Max - 1);
     },
     GenerateOutcome::Drawn},
    {"records/division whole only, -1396755360 by 2..1000",
     [] {
         none();
         gbDiv = gbDivNeg = gbDivWhole = true;
         limits(-1396755360, -1396755360, 2, 1000);
     },
     GenerateOutcome::Drawn},
    {"records/division whole only, 1102701600 +- 2 by -INT32_MAX..-2",
     [] {
         none();
         gbDiv = gbDivNeg = gbDivWhole = true;
         limits(1102701598, 1102701602, -Max, -2);
     },
     GenerateOutcome::Drawn},

    {"impossible/addition negative only, 1..10 both",
     [] {
         none();
         gbAdd = gbAddNeg = true;
     },
     GenerateOutcome::NothingFits},
    {"impossible/subtraction positive only, 1..5 minus 5..INT32_MAX",
     [] {
         none();
         gbSub = gbSubPos = true;
         limits(1, 5, 5, Max);
     },
     GenerateOutcome::NothingFits},
    {"impossible/multiplication positive only, 46341..INT32_MAX both",
     [] {
         none();
         gbMult = gbMultPos = true;
         limits(46341, Max, 46341, Max);
     },
     GenerateOutcome::NothingFits},
    {"impossible/division whole only, INT32_MAX (prime) by 2..INT32_MAX-1",
     [] {
         none();
         gbDiv = gbDivPos = gbDivNeg = gbDivWhole = true;
         limits(Max, Max, 2, Max - 1);
     },
     GenerateOutcome::NothingFits},
    {"impossible/division INT32_MIN / -1 only, all kinds",
     [] {
         none();
         gbDiv = gbDivPos = gbDivNeg = gbDivWhole = gbDivFraction = true;
         limits(Min, Min, -1, -1);
     },
     GenerateOutcome::NothingFits},
    {"impossible/all four operations, negative only, 10..20 by 1..5",
     [] {
         none();
         gbAdd = gbAddNeg = true;
         gbSub = gbSubNeg = true;
         gbMult = gbMultNeg = true;
         gbDiv = gbDivNeg = gbDivWhole = true;
         limits(10, 20, 1, 5);
     },
     GenerateOutcome::NothingFits},
};

void drawProblem(benchmark::State &state, const Case *c)
{
    c->apply();
    if (DrawProblem() != c->expected) {
        state.SkipWithError("unexpected outcome");
        return;
    }
    for (auto _ : state) {
        if (c->changeEachPress)
            glTerm2Low ^= 1;
        benchmark::DoNotOptimize(DrawProblem());
        benchmark::DoNotOptimize(glResult);
    }
}

// Google Benchmark's own table, then every case's times as multiples of the defaults'.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (!run.error_occurred)
                m_rows.push_back(
                    {run.benchmark_name(), run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()});
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (m_rows.empty())
            return;
        const Row &defaults = m_rows.front();
        std::printf("\n%-72s %8s %8s\n", "Times the defaults' drawing", "time", "CPU");
        double worst = 0;
        for (const Row &row : m_rows) {
            const double ratio = row.cpu / defaults.cpu;
            worst = std::max(worst, ratio);
            std::printf("%-72s %7.2fx %7.2fx\n", row.name.c_str(), row.time / defaults.time, ratio);
        }
        std::printf("%-72s %8s %7.2fx\n", "largest", "", worst);
    }

private:
    struct Row {
        std::string name;
        double time;
        double cpu;
    };
    std::vector<Row> m_rows;
};

} // namespace

int main(int argc, char **argv)
{
    for (const Case &c : cases)
        benchmark::RegisterBenchmark(c.name, drawProblem, &c)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
