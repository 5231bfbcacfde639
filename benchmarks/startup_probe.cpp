#include "app/modSubMain.h"
#include "benchmarks/startupTiming.h"

#include <QApplication>

// Starts Tallywick exactly as its main() does and quits once the drill window's first frame is
// painted; run by startup_compare beside the comparison window. It quits without closing the
// window, so no position is saved.
int main(int argc, char *argv[])
{
    startup::TimedApplication application(argc, argv);
    StartApplication();
    return QApplication::exec();
}
