#include "core/modAppearance.h"
#include "core/modGlobalsConstants.h"
#include "core/modSubMain.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace
{

// Without a display Qt aborts with a core dump; say plainly what is wrong and how to get round it.
bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    const bool haveDisplay =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    return platformChosen || haveDisplay;
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("tallywick: no display found (DISPLAY is not set); to run without one, use: "
                   "xvfb-run tallywick\n",
                   stderr);
        return EXIT_FAILURE;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QApplication::setOrganizationName(QString::fromLatin1(ApplicationName));
    QApplication::setApplicationVersion(QStringLiteral(TALLYWICK_VERSION_TEXT));
    LoadProgramFonts();

    Main();
    return QApplication::exec();
}
