#include "app/modSubMain.h"
#include "drill/frmMain.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <ctime>

// The CPU time the drill window's reveal wait costs: the longest wait the Setup window allows,
// measured with the process's CPU clock around frmMain::Sleep (on Windows, mingw's runtime reads
// that clock from the system's process times) while the drill window is on screen. It quits without
// closing the window, so no position is saved.

namespace
{

double cpuSeconds()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) + double(used.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    StartApplication();

    // Measured once the window is up and the event loop has settled.
    QTimer::singleShot(500, [] {
        const float wait = 10.0f;
        const double cpuBefore = cpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        frmMain::Sleep(wait);
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        const double cpu = cpuSeconds() - cpuBefore;
        std::printf("Sleep(%.0f) on %s: wall %.3f s, CPU %.4f s, %.3f %% of one core\n",
                    double(wait), qPrintable(QGuiApplication::platformName()), wall, cpu,
                    100.0 * cpu / wall);
        QApplication::quit();
    });
    return QApplication::exec();
}
