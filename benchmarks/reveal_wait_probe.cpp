#include "drill/frmMain.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

// The CPU time the drill window's reveal wait costs: the longest wait the Setup window allows,
// measured with getrusage around frmMain::Sleep.

namespace
{

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main()
{
    const float wait = 10.0f;
    const double cpuBefore = cpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    frmMain::Sleep(wait);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("Sleep(%.0f): wall %.3f s, CPU %.4f s, %.3f %% of one core\n", double(wait), wall,
                cpu, 100.0 * cpu / wall);
    return 0;
}
