#include "app/modSubMain.h"

#include "app/modTranslations.h"
#include "drill/frmMain.h"
#include "model/modGlobalsConstants.h"
#include "widgets/modAppearance.h"

#include <QApplication>

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
    // Every caption is translated as its window is built.
    LoadTranslations();
    return Main();
}
