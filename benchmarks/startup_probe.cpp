#include "core/modAppearance.h"
#include "core/modGlobalsConstants.h"
#include "core/modSubMain.h"
#include "drill/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <cstdio>

// Starts Tallywick as its main() does, fonts included, and quits as soon as the drill window is
// first on screen, printing how long that took. Run it under /usr/bin/time -v for the whole
// process's wall time and peak memory. It quits without closing the window, so no position is
// saved.

namespace
{

class FirstExpose : public QObject
{
public:
    explicit FirstExpose(const QElapsedTimer &clock) : m_clock(clock) {}

    void reportAndQuit()
    {
        std::printf("main() to first exposed window: %.1f ms\n", m_clock.nsecsElapsed() / 1e6);
        QCoreApplication::quit();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, &FirstExpose::reportAndQuit);
        }
        return false;
    }

private:
    const QElapsedTimer &m_clock;
};

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QApplication::setOrganizationName(QString::fromLatin1(ApplicationName));
    QApplication::setApplicationVersion(QStringLiteral(TALLYWICK_VERSION_TEXT));
    LoadProgramFonts();

    frmMain *window = Main();
    FirstExpose watcher(clock);
    QWindow *handle = window->windowHandle();
    if (handle->isExposed())
        QTimer::singleShot(0, &watcher, &FirstExpose::reportAndQuit);
    else
        handle->installEventFilter(&watcher);

    // A display that never shows the window must not hang the run.
    QTimer::singleShot(10000, [] {
        std::fputs("the drill window was not shown within 10 s\n", stderr);
        QCoreApplication::exit(1);
    });
    return QApplication::exec();
}
