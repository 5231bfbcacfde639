#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Start-up timing shared by the start-up probe and the comparison window: for the first window
// shown, the time from exec to its mapping (first exposed) and to its first painted frame, and the
// CPU time spent up to that frame. The exec time comes from the program that started this one, on
// the same monotonic clock, in STARTUP_EXEC_NS; the figures go to stdout as one line of
// nanoseconds, "frame mapped cpu", and the program quits at once.

namespace startup
{

inline long long nanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

class Timing : public QObject
{
public:
    Timing() : m_exec(std::atoll(qgetenv("STARTUP_EXEC_NS").constData()))
    {
        qApp->installEventFilter(this);
        // A display that never shows the window must not hang the run.
        QTimer::singleShot(10000, [] {
            std::fputs("the window was not shown within 10 s\n", stderr);
            QCoreApplication::exit(1);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_mapped == 0 && event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow *>(watched)->isExposed())
            m_mapped = nanoseconds(CLOCK_MONOTONIC);
        // The first widget painted, whichever it is: a child that covers the whole window
        // leaves the window itself nothing to paint.
        if (!m_painting && event->type() == QEvent::Paint && watched->isWidgetType()) {
            // The frame is on its way to the display once the event that painted it has ended,
            // backing store flush included.
            m_painting = true;
            QTimer::singleShot(0, this, [this] {
                const long long frame = nanoseconds(CLOCK_MONOTONIC);
                const long long cpu = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
                std::printf("%lld %lld %lld\n", frame - m_exec, m_mapped - m_exec, cpu);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    long long m_exec;
    long long m_mapped = 0;
    bool m_painting = false;
};

} // namespace startup
