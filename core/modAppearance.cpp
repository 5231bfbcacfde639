#include "core/modAppearance.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace
{

const QString TahomaFamily = QStringLiteral("Tahoma");

// Debian's fonts-wine ships metric-compatible Tahoma faces that fontconfig does not list.
const char *const FallbackTahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

} // namespace

void LoadProgramFonts()
{
    if (QFontDatabase::families().contains(TahomaFamily, Qt::CaseInsensitive))
        return;
    // A missing or unreadable file just leaves the system's sans-serif in charge.
    for (const char *path : FallbackTahomaFiles) {
        const QString file = QString::fromLatin1(path);
        if (QFile::exists(file))
            QFontDatabase::addApplicationFont(file);
    }
}

QFont TahomaFont(qreal pointSize, bool bold)
{
    QFont font(TahomaFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QIcon ProgramIcon()
{
    // The icon lives in the static program library, whose resources the linker would otherwise
    // drop because nothing names them.
    static const bool resourcesReady = [] {
        Q_INIT_RESOURCE(tallywick);
        return true;
    }();
    Q_UNUSED(resourcesReady);
    return QIcon(QStringLiteral(":/icons/tallywick.ico"));
}
