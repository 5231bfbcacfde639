#include "widgets/modTahomaFace.h"

#include <QFile>
#include <QStandardPaths>

// Wine's metric-compatible Tahoma faces, which fontconfig does not list: under the data folders,
// where Debian's and Ubuntu's fonts-wine and the wine packages of Arch and openSUSE put them
// (/usr/share), a Wine built from source (/usr/local/share) or the user (~/.local/share), and in
// WineHQ's own packages under /opt.
QString TahomaFaceFile(bool bold)
{
    const QString face = QLatin1String(bold ? "wine/fonts/tahomabd.ttf" : "wine/fonts/tahoma.ttf");
    QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation, face);
    for (const char *branch : {"stable", "devel", "staging"}) {
        const QString file =
            QStringLiteral("/opt/wine-%1/share/").arg(QLatin1String(branch)) + face;
        if (found.isEmpty() && QFile::exists(file))
            found = file;
    }
    return found;
}

QString TahomaInstallHint()
{
    return QStringLiteral("install fonts-wine (Debian, Ubuntu) or your distribution's Wine fonts");
}
