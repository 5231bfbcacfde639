#include "widgets/modTahomaFace.h"

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QString>

#include <cstring>

namespace
{

// These faces ask for their typographic line metrics, which make a line of text a fifth shorter
// than the Windows line metrics the same file also carries and the layout was drawn with.
// Clearing that request (bit 7 of fsSelection in the OS/2 table) makes Qt use the Windows ones.
void useWindowsLineMetrics(uchar *font, qsizetype size)
{
    auto readU16 = [font](qsizetype at) { return quint16((font[at] << 8) | font[at + 1]); };
    auto readU32 = [&](qsizetype at) { return (quint32(readU16(at)) << 16) | readU16(at + 2); };
    if (size < 12)
        return;
    const int tables = readU16(4);
    for (int i = 0; i < tables && 12 + 16 * (i + 1) <= size; ++i) {
        const qsizetype record = 12 + 16 * i;
        if (std::memcmp(font + record, "OS/2", 4) != 0)
            continue;
        const qsizetype fsSelection = qsizetype(readU32(record + 8)) + 62;
        if (fsSelection + 1 < size)
            font[fsSelection + 1] &= ~0x80;
        break;
    }
}

} // namespace

// The face is read into memory, not mapped: a package upgrade that replaces or truncates the file
// while the program runs would turn a mapping's next read into SIGBUS.
bool AddTahomaFace(bool bold)
{
    QFile file(TahomaFaceFile(bold));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    QByteArray font = file.readAll();
    useWindowsLineMetrics(reinterpret_cast<uchar *>(font.data()), font.size());
    return QFontDatabase::addApplicationFontFromData(font) != -1;
}
