#include "widgets/modTahomaFace.h"

#include <windows.h>

// Windows lists its own Tahoma, so this is only read where Qt's font list leaves the system's
// fonts out, as the offscreen platform the tests run on does.
QString TahomaFaceFile(bool bold)
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return QString::fromWCharArray(folder, int(length)) +
           QLatin1String(bold ? "\\Fonts\\tahomabd.ttf" : "\\Fonts\\tahoma.ttf");
}

QString TahomaInstallHint()
{
    return QStringLiteral("put tahoma.ttf back into the Windows fonts folder");
}
