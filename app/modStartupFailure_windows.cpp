#include "app/modStartupFailure.h"

#include "model/modGlobalsConstants.h"

#include <QString>

#include <windows.h>

#include <cstdio>
#include <cstdlib>

void ReportStartupFailure(const QByteArray &text)
{
    // The error output of a program started from the desktop goes nowhere anyone looks, so the
    // text is shown in a message box as well; a console or Wine's terminal still gets it as a line.
    std::fputs(text.constData(), stderr);
    std::fflush(stderr);
    const QString message = QString::fromLocal8Bit(text).trimmed();
    const QString title = QString::fromLatin1(ApplicationName);
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(message.utf16()),
                reinterpret_cast<const wchar_t *>(title.utf16()),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    std::_Exit(EXIT_FAILURE);
}
