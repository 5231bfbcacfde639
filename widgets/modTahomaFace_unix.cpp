#include "widgets/modTahomaFace.h"

// Debian's fonts-wine ships metric-compatible Tahoma faces that fontconfig does not list.
QString TahomaFaceFile(bool bold)
{
    return QString::fromLatin1(bold ? "/usr/share/wine/fonts/tahomabd.ttf"
                                    : "/usr/share/wine/fonts/tahoma.ttf");
}
