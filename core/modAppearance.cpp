#include "core/modAppearance.h"

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QSize>
#include <QStringList>

namespace
{

const QString TahomaFamily = QStringLiteral("Tahoma");

// Debian's fonts-wine ships metric-compatible Tahoma faces that fontconfig does not list.
const char *const FallbackTahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

// These faces ask for their typographic line metrics, which make a line of text a fifth shorter
// than the Windows line metrics the same file also carries and the layout was drawn with.
// Clearing that request (bit 7 of fsSelection in the OS/2 table) makes Qt use the Windows ones.
QByteArray withWindowsLineMetrics(QByteArray font)
{
    auto readU16 = [&font](qsizetype at) {
        return quint16((quint8(font.at(at)) << 8) | quint8(font.at(at + 1)));
    };
    auto readU32 = [&](qsizetype at) { return (quint32(readU16(at)) << 16) | readU16(at + 2); };
    if (font.size() < 12)
        return font;
    const int tables = readU16(4);
    for (int i = 0; i < tables && 12 + 16 * (i + 1) <= font.size(); ++i) {
        const qsizetype record = 12 + 16 * i;
        if (font.mid(record, 4) != "OS/2")
            continue;
        const qsizetype fsSelection = qsizetype(readU32(record + 8)) + 62;
        if (fsSelection + 1 < font.size())
            font[fsSelection + 1] = char(quint8(font.at(fsSelection + 1)) & ~0x80);
        break;
    }
    return font;
}

} // namespace

void LoadProgramFonts()
{
    if (QFontDatabase::families().contains(TahomaFamily, Qt::CaseInsensitive))
        return;
    // A missing or unreadable file just leaves the system's sans-serif in charge.
    for (const char *path : FallbackTahomaFiles) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly))
            QFontDatabase::addApplicationFontFromData(withWindowsLineMetrics(file.readAll()));
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
    QIcon icon(QStringLiteral(":/icons/tallywick.ico"));
    // The theme icon's large sizes, so that a task bar on a high-density screen need not blow up
    // the 32-pixel image.
    for (const int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tallywick-%1.png").arg(size), QSize(size, size));
    return icon;
}

void SetAutoSizeCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
    label->adjustSize();
}
