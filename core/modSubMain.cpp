#include "core/modSubMain.h"

#include "core/modAppearance.h"
#include "core/modGlobalsConstants.h"
#include "drill/frmMain.h"

#include <QApplication>

void SetDefaultSettings()
{
    glTerm1Low = 1;
    glTerm2Low = 1;
    glTerm1High = 10;
    glTerm2High = 10;

    gbAdd = true;
    gbAddPos = true;
    gbShowAnswer = true;

    gbAddZero = false;
    gbAddNeg = false;
    gbSub = false;
    gbSubPos = false;
    gbSubZero = false;
    gbSubNeg = false;
    gbMult = false;
    gbMultPos = false;
    gbMultNeg = false;
    gbDiv = false;
    gbDivPos = false;
    gbDivNeg = false;
    gbDivWhole = false;
    gbDivFraction = false;

    gsngWaitSeconds = 1.0f;
}

frmMain *Main()
{
    SetDefaultSettings();

    // The drill window has no parent and deletes itself when closed, so the program ends when it
    // and any open Setup window are gone.
    auto *window = new frmMain;
    window->show();
    return window;
}

frmMain *StartApplication()
{
    QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QApplication::setOrganizationName(QString::fromLatin1(ApplicationName));
    QApplication::setApplicationVersion(QStringLiteral(TALLYWICK_VERSION_TEXT));
    // Lets the task bar match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TALLYWICK_APP_ID));
    LoadProgramFonts();
    return Main();
}
