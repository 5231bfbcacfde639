#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Start-up timing shared by the start-up probe and the comparison window. The exec time comes from
// the program that started this one, on the same monotonic clock, in STARTUP_EXEC_NS. When the
// first window is first exposed, Qt paints its first frame and hands it to the display within the
// handling of that event: its start is the mapped window, its end the first painted frame. The
// figures go to stdout as one line of nanoseconds, "frame mapped cpu", and the program ends there,
// so its peak memory is the one at the first frame.

namespace startup
{

inline long long nanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

class TimedApplication : public QApplication
{
public:
    TimedApplication(int &argc, char **argv)
        : QApplication(argc, argv), m_exec(std::atoll(qgetenv("STARTUP_EXEC_NS").constData()))
    {
        // A display that never shows the window must not hang the run.
        QTimer::singleShot(10000, [] {
            std::fputs("the window was not shown within 10 s\n", stderr);
            std::_Exit(1);
        });
    }

    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool firstFrame = event->type() == QEvent::Expose && receiver->isWindowType() &&
                                static_cast<QWindow *>(receiver)->isExposed();
        const long long mapped = firstFrame ? nanoseconds(CLOCK_MONOTONIC) : 0;
        const bool result = QApplication::notify(receiver, event);
        if (firstFrame) {
            const long long frame = nanoseconds(CLOCK_MONOTONIC);
            const long long cpu = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
            std::printf("%lld %lld %lld\n", frame - m_exec, mapped - m_exec, cpu);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return result;
    }

private:
    long long m_exec;
};

} // namespace startup
