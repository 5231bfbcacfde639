#include "widgets/modAppearance.h"

#include "widgets/modTahomaFace.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QPalette>
#include <QPixmap>
#include <QResource>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <QWindow>
#include <QtEndian>

#include <cstdio>

namespace
{

const QString TahomaFamily = QStringLiteral("Tahoma");

bool &boldFacePending()
{
    static bool pending = false;
    return pending;
}

// The icon file's images, decoded here: they are small paletted bitmaps with a transparency mask,
// and reading them through Qt's image plugins would cost start-up the plugins' loading and
// scanning, more than the images themselves. Nothing for a file of any other kind.
QList<QImage> decodeIconFile(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 6 || qFromLittleEndian<quint16>(data + 2) != 1)
        return {};
    QList<QImage> images;
    const int count = qFromLittleEndian<quint16>(data + 4);
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * qsizetype(i);
        if (entry + 16 > size)
            return {};
        const qsizetype offset = qFromLittleEndian<quint32>(data + entry + 12);
        if (offset + 40 > size)
            return {};
        const uchar *header = data + offset;
        const qint32 width = qFromLittleEndian<qint32>(header + 4);
        const qint32 height = qFromLittleEndian<qint32>(header + 8) / 2; // colours, then mask
        const int bits = qFromLittleEndian<quint16>(header + 14);
        qsizetype colours = qFromLittleEndian<quint32>(header + 32);
        if (width <= 0 || width > 256 || height <= 0 || height > 256 ||
            qFromLittleEndian<quint32>(header + 16) != 0 || (bits != 1 && bits != 4 && bits != 8))
            return {};
        if (colours == 0 || colours > (1 << bits))
            colours = 1 << bits;
        const qsizetype palette = offset + qFromLittleEndian<quint32>(header);
        const qsizetype colourRow = (qsizetype(width) * bits + 31) / 32 * 4;
        const qsizetype maskRow = (qsizetype(width) + 31) / 32 * 4;
        const qsizetype pixels = palette + 4 * colours;
        const qsizetype mask = pixels + colourRow * height;
        if (mask + maskRow * height > size)
            return {};

        QImage image(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y) {
            // Rows run from the bottom up.
            const uchar *colourBits = data + pixels + colourRow * (height - 1 - y);
            const uchar *maskBits = data + mask + maskRow * (height - 1 - y);
            auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const int bit = x * bits;
                const int index = (colourBits[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
                const uchar *colour = data + palette + 4 * qMin<qsizetype>(index, colours - 1);
                const bool transparent = (maskBits[x / 8] >> (7 - x % 8)) & 1;
                out[x] = transparent ? 0 : qRgb(colour[2], colour[1], colour[0]);
            }
        }
        images << image;
    }
    return images;
}

} // namespace

void LoadProgramFonts()
{
    const bool missing = !QFontDatabase::families().contains(TahomaFamily, Qt::CaseInsensitive);
    // The windows still open, but the fallback's wider letters clip several captions.
    if (missing && !AddTahomaFace(false))
        std::fprintf(stderr,
                     "tallywick: no Tahoma font was found, so some captions are clipped; %s\n",
                     qPrintable(TahomaInstallHint()));
    // Only the Setup window uses the bold face, so it is read when a bold Tahoma is first asked
    // for, not before the drill window's first frame.
    boldFacePending() = missing;
}

QFont TahomaFont(qreal pointSize, bool bold)
{
    if (bold && boldFacePending()) {
        boldFacePending() = false;
        AddTahomaFace(true);
    }
    QFont font(TahomaFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // Windows' default (GDI) hints fully, rounding each glyph's advance to whole pixels, which
    // makes "New Problem" 98 px wide in its 100-pixel button. Vertical hinting alone keeps Tahoma's
    // own advances there too (93.5 px; Qt then draws with DirectWrite), as Linux does, whose text
    // it leaves as it was.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

namespace
{

// The icon file's images alone, decoded once.
QIcon iconFileIcon()
{
    const QString path = QStringLiteral(":/icons/tallywick.ico");
    static const QList<QImage> images = [&path] {
        const QResource resource(path);
        return resource.isValid() ? decodeIconFile(resource.uncompressedData()) : QList<QImage>();
    }();
    QIcon icon = images.isEmpty() ? QIcon(path) : QIcon();
    for (const QImage &image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

// Gives its window the whole program icon once the window's first frame is on screen.
class LargeIconSizes : public QObject
{
public:
    explicit LargeIconSizes(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The native window exists from the first show; its first exposure paints the frame.
        if (watched == m_window && event->type() == QEvent::Show && m_window->windowHandle()) {
            m_window->removeEventFilter(this);
            m_window->windowHandle()->installEventFilter(this);
        } else if (watched != m_window && event->type() == QEvent::Expose &&
                   static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // Queued behind this exposure, whose handling paints the first frame. An event, not a
            // queued call, so that a reveal wait can hold it.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        return false;
    }

    void customEvent(QEvent *) override
    {
        m_window->setWindowIcon(ProgramIcon());
        deleteLater();
    }

private:
    QWidget *m_window;
};

} // namespace

QIcon ProgramIcon()
{
    QIcon icon = iconFileIcon();
    // The theme icon's large sizes, so that a task bar on a high-density screen need not blow up
    // the 32-pixel image.
    for (const int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tallywick-%1.png").arg(size), QSize(size, size));
    return icon;
}

void SetProgramIcon(QWidget *window)
{
    // The window system takes every size of a window's icon when the window is made, and the
    // large sizes are pictures Qt's image plugins decode: they follow the first frame.
    window->setWindowIcon(iconFileIcon());
    new LargeIconSizes(window);
}

void UseBlackWindowText(QWidget *window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(palette);
}

void SetAutoSizeCaption(QLabel *label, const QString &caption)
{
    // A label that is empty and stays empty shows nothing at any size: sizing it would only load
    // its font, as at load, before any problem.
    if (caption.isEmpty() && label->text().isEmpty())
        return;
    label->setText(caption);
    label->adjustSize();
}
